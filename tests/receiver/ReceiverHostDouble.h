#pragma once
// The main frame as the receiver screens see it: real port, state, settings and device object, with
// the frame's own operations recorded; and a parser and module queue as the receiver link holds them.
#include <vector>

#include "foundation/CGpsState.h"
#include "foundation/CoordSysParams.h"
#include "foundation/GeneralSettingsBlock.h"
#include "foundation/LastFilesRecord.h"
#include "geodesy/CoordTransform.h"
#include "receiver/CDeviceIo.h"
#include "receiver/CGpsParser.h"
#include "receiver/CModuleCommandQueue.h"
#include "receiver/CSerialPort.h"
#include "receiver/GgaRecord.h"
#include "receiver/ReceiverHost.h"
#include "tests/foundation/screens/CoordLibraryHostDouble.h"

class ReceiverHostDouble : public IReceiverHost {
public:
    IReceiverPort& Port() override { return port; }
    const CGpsState& LatestFix() const override { return state; }
    const GeneralSettingsBlock& Settings() const override { return settings; }
    int BoardType() const override { return system.nGPSOEMType; }
    // Records the write; memory (and the parser's time zone and fix level) take `changed` only while the
    // job file is writable.
    bool SaveSettings(const GeneralSettingsBlock& changed) override;
    void RunRadioRequest(HWND dialog, RadioRequest request, int channel) override {
        moduleQueue.RunRadioRequest(dialog, request, channel);
    }
    void CancelModuleCommands() override { moduleQueue.CancelCommands(); }
    int ReceiverModelNumber() const override { return receiverModel; }
    HWND PositionWindow() const override { return positionWindow; }
    void Wgs84BlhToXyz(double lat, double lon, double height, double* x, double* y, double* z) override;
    void ListenForPositions(HWND window) override;
    void StopListening(HWND window) override;
    void SetAuxNotifyWnd(HWND window) override;
    int VerificationFlag() const override { return verificationFlag; }
    void SetVerificationFlag(int flag) override { verificationFlag = flag; }
    int ModuleNetworkType() const override { return moduleNetworkType; }
    // As the receiver link's own steps: a restarted board forgets its fix; the radio dialog's module
    // sequence tells its progress.
    void ClearFixSignals();
    void OnModuleProgress(const ModuleProgress& progress);
    // The parser reads the next line with the board of the system record, as the link does.
    void TellParserTheBoard();
    // Records the request and opens `connectPortNumber` for `frameWindow`; 0 when it will not open.
    int ConnectReceiver(int method, int choice, int typedPort, int baudRate,
                        PortOpenFailure* failure) override;
    const CoordSysParams& JobCoordParams() const override { return jobParams; }
    const CCoordTransform& PositionTransform() const override { return firstTransform; }
    const CCoordTransform& DialogTransform() const override { return secondTransform; }
    ReceiverVersionInfo VersionInfo() const override { return versionInfo; }
    void SetRadioLink(int flag) override { radioLink = flag; }
    HWND FrameWindow() const override { return frameWindow; }
    ICoordLibraryHost& CoordLibrary() override { return library; }

    CSerialPort port;
    CCoordTransform firstTransform;
    CCoordTransform secondTransform;
    CoordSysParams jobParams;
    CGpsState state;
    GeneralSettingsBlock settings;
    LastFilesRecord system;
    CDeviceIo device;
    GgaRecord gga;
    int receiverModel = 0;
    HWND positionWindow;
    std::vector<HWND> earlierPositionWindows;
    CModuleCommandQueue moduleQueue{port, [this](const ModuleProgress& p) { OnModuleProgress(p); }};
    CGpsParser parser;
    HWND auxWindow;
    int verificationFlag = 0;
    int moduleNetworkType = 0;
    HWND frameWindow;  // the owner of the port that ConnectReceiver opens; the exit command goes to it
    int connectPortNumber = 0;
    struct ConnectRequest {
        int method, choice, typedPort, baudRate;
    };
    std::vector<ConnectRequest> connectRequests;
    ReceiverVersionInfo versionInfo;
    std::vector<GeneralSettingsBlock> jobFileWrites;  // the settings each write was given
    bool jobFileWritable = true;
    int radioLink = 0;
    CoordLibraryHostDouble library;
};

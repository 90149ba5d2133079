#pragma once
// The receiver screens' view of the frame (IReceiverHost), built from the parts that serve it: the
// job's settings and parameters, the receiver link, the position converter, the listening windows and
// the frame's window for the port's data and the exit command.
#include "receiver/ReceiverHost.h"

class CWnd;
class JobSession;
class PositionConverter;
class PositionListeners;
class ReceiverLink;

class ReceiverHostImpl final : public IReceiverHost {
public:
    ReceiverHostImpl(JobSession& job, ReceiverLink& receiver, const PositionConverter& position,
                     PositionListeners& listeners, ICoordLibraryHost& library, const CWnd& window)
        : job_(job),
          receiver_(receiver),
          position_(position),
          listeners_(listeners),
          library_(library),
          window_(window) {}

    IReceiverPort& Port() override;
    const CGpsState& LatestFix() const override;
    const GeneralSettingsBlock& Settings() const override;
    int BoardType() const override;
    int ReceiverModelNumber() const override;
    HWND PositionWindow() const override;
    void Wgs84BlhToXyz(double latDeg, double lonDeg, double height, double* x, double* y, double* z) override;
    const CoordSysParams& JobCoordParams() const override;
    const CCoordTransform& PositionTransform() const override;
    const CCoordTransform& DialogTransform() const override;

    bool SaveSettings(const GeneralSettingsBlock& changed) override;

    void RunRadioRequest(HWND dialog, RadioRequest request, int channel) override;
    void CancelModuleCommands() override;
    void ListenForPositions(HWND window) override;
    void StopListening(HWND window) override;
    void SetAuxNotifyWnd(HWND window) override;
    int VerificationFlag() const override;
    void SetVerificationFlag(int flag) override;
    int ModuleNetworkType() const override;
    int ConnectReceiver(int method, int choice, int typedPort, int baudRate,
                        PortOpenFailure* failure = nullptr) override;

    ReceiverVersionInfo VersionInfo() const override;
    void SetRadioLink(int flag) override;
    HWND FrameWindow() const override;
    ICoordLibraryHost& CoordLibrary() override { return library_; }

private:
    JobSession& job_;
    ReceiverLink& receiver_;
    const PositionConverter& position_;
    PositionListeners& listeners_;
    ICoordLibraryHost& library_;
    const CWnd& window_;
};

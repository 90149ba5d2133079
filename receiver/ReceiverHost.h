#pragma once
// What the receiver screens need of the main frame: const reads of its state and the operations that
// change it. The shell implements it over the frame's parts (ReceiverHostImpl); tests use a small double.
#include "foundation/CGpsState.h"
#include "foundation/GeneralSettingsBlock.h"
#include "foundation/LastFilesRecord.h"
#include "platform/base/WinTypes.h"
#include "platform/text/CString.h"
#include "receiver/RadioRequest.h"
#include "receiver/ReceiverVersionInfo.h"

class ICoordLibraryHost;
class IReceiverPort;
enum class PortOpenFailure;
struct CoordSysParams;
class CCoordTransform;

class IReceiverHost {
public:
    virtual ~IReceiverHost() = default;

    // ---- Reads of the frame's state.
    // The receiver's port: a device the screens send to and borrow while they talk to a module.
    virtual IReceiverPort& Port() = 0;
    virtual const CGpsState& LatestFix() const = 0;
    virtual const GeneralSettingsBlock& Settings() const = 0;
    // The connected board type, or the system file's nGPSOEMType before a version reply (0 to 5).
    virtual int BoardType() const = 0;
    // 1 selects the "C1" port switch; 2, 3 and 4 select "C2" and the alternative module-open payload.
    virtual int ReceiverModelNumber() const = 0;
    // The window of message 1912 (the main view or the open measuring screen).
    virtual HWND PositionWindow() const = 0;
    // Earth-centred coordinates of a WGS-84 position (geodesy/Wgs84.h).
    virtual void Wgs84BlhToXyz(double latDeg, double lonDeg, double height, double* x, double* y,
                               double* z) = 0;
    // The job's coordinate-system parameters.
    virtual const CoordSysParams& JobCoordParams() const = 0;
    // The first converter converts positions; the second serves the dialogs' conversions.
    virtual const CCoordTransform& PositionTransform() const = 0;
    virtual const CCoordTransform& DialogTransform() const = 0;

    // ---- Changes.
    // Writes the job file with `changed`, and only then takes it into memory (the next line the
    // receiver sends is read with its time zone and fix level). False when the file could not be
    // written: nothing changed.
    virtual bool SaveSettings(const GeneralSettingsBlock& changed) = 0;

    // ---- The data-link, information, settings and verification dialogs.
    // The radio dialog's request, run through the module queue between opening and closing the radio;
    // `dialog` hears the outcome as WM_MODULE_REPLY.
    virtual void RunRadioRequest(HWND dialog, RadioRequest request, int channel) = 0;
    virtual void CancelModuleCommands() = 0;
    // `window` gets message 1912 until it stops listening; then the window before it gets it again.
    virtual void ListenForPositions(HWND window) = 0;
    virtual void StopListening(HWND window) = 0;
    // A non-null window gets message 1750 after each 1912 and sets the verification flag; null clears both.
    virtual void SetAuxNotifyWnd(HWND window) = 0;
    // Set by the verification command while its dialog runs.
    virtual int VerificationFlag() const = 0;
    virtual void SetVerificationFlag(int flag) = 0;
    // The network module's type: 0 CDMA, 1 GPRS.
    virtual int ModuleNetworkType() const = 0;
    // Opens the receiver port (connection method, choice, typed port, baud rate) and starts the board;
    // 1, or 0 when the port cannot be opened, with the reason in `failure` when given.
    virtual int ConnectReceiver(int method, int choice, int typedPort, int baudRate,
                                PortOpenFailure* failure = nullptr) = 0;

    // ---- Instrument settings, base station and static set-up.
    // What the receiver's identification reply reported: its work mode and antenna constants.
    virtual ReceiverVersionInfo VersionInfo() const = 0;
    // The radio-link flag: 1 when the data link "电台" is chosen.
    virtual void SetRadioLink(int flag) = 0;
    // The main frame's own window (the application-exit command goes to it).
    virtual HWND FrameWindow() const = 0;
    // The job's coordinate library, for the screens that pick from it.
    virtual ICoordLibraryHost& CoordLibrary() = 0;
};

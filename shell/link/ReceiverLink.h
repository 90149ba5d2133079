#pragma once
// The receiver side of the frame: the port, the parser and the live state it fills, the data-link
// module queue, the LED and tone device, the network report record and the receiver's
// identification from its version reply. It routes the receiver's bytes (module replies while a
// module sequence runs, otherwise lines), answers the version reply, keeps the board logging what
// the program needs, connects and switches the receiver off. What it needs of the frame's other
// parts (conversion, the base watch, the listening windows) it asks of its owner.
#include <cstdint>
#include <optional>
#include <string_view>

#include "foundation/AntennaRecord.h"
#include "foundation/CGpsState.h"
#include "foundation/FixAge.h"
#include "receiver/CDeviceIo.h"
#include "receiver/CGpsParser.h"
#include "receiver/CModuleCommandQueue.h"
#include "receiver/CSerialPort.h"
#include "receiver/GgaRecord.h"
#include "receiver/ReceiverProtocol.h"
#include "receiver/ReceiverVersionInfo.h"
#include "shell/link/ReceiverLines.h"

class JobSession;
struct DataLinkReport;

// What the link asks of the frame's other parts for each fix.
class IReceiverLinkOwner {
public:
    virtual ~IReceiverLinkOwner() = default;
    // The fix in the job's grid.
    virtual void ConvertFix(CGpsState& state) = 0;
    // A base position was heard.
    virtual void WatchBase(CGpsState& state) = 0;
    // The converted fix to the windows that listen.
    virtual void ForwardFix(CGpsState& state, ForwardedFix kind) = 0;
    // The window of message 1912 (the main view or the open measuring screen).
    virtual HWND PositionWindow() const = 0;
    // The frame's own window: the radio channel read after a version reply reports to it.
    virtual HWND FrameWindow() const = 0;
};

class ReceiverLink {
public:
    ReceiverLink(JobSession& job, IReceiverLinkOwner& owner);

    // ---- Routing (ReceiverRouting.cpp): the handler of WM_SERIAL_DATA.
    void OnBytes(const uint8_t* bytes, size_t count);
    // A PDOP above 100 is shown as 99.9.
    static void ClampQuality(CGpsState& state);

    // ---- Connecting and closing (ReceiverConnection.cpp).
    // Opens the port (connection method, choice, typed port, baud rate), its data going to `owner`,
    // and starts the board; false when the port cannot be opened (why, in `failure` when given).
    bool Connect(HWND owner, int port, int linkKind, int inputPort, int baud,
                 PortOpenFailure* failure = nullptr);
    // Sends the receiver the power-off packets.
    void SwitchOff();
    void ClosePort() { port_.Close(); }
    bool PortOpen() const { return port_.IsOpen(); }
    // Masks every satellite for two seconds so the board acquires afresh; the cleared mask goes to the
    // job file. False when the job file could not be written.
    bool ReacquireAndSave();
    // Sends the configured board's start-up set again.
    void RestartBoard();
    // The fixed packet of the binary board family.
    void SendAppFile() { modules_.SendBinaryAppFile(); }

    // ---- The frame's two-second tick.
    // The module sequencer and, while the link is detected, its fall-backs.
    void RunModuleSequencer();
    // The "$J" board family is polled every ten ticks.
    void PollBoard();
    int SilentTicks() const { return silentTicks_; }
    void SetSilentTicks(int ticks) { silentTicks_ = ticks; }
    // The module sequence stops and the board's port goes back to the receiver.
    void ReleaseModule();

    // ---- The live state.
    // Resets the live state, shows `text` as its solution and tells the position window; no fix is
    // counted as forwarded until the next one.
    void ResetAndNotify(const CString& text);
    void LedsOff() { device_.AllLedsOff(); }
    void PlayTone(int hz, int ms, int volume) { device_.PlayTone(hz, ms, volume); }
    // The parser reads the lines after it with the job's time zone and fix level.
    void UseConnectionSettings(const ConnectionSettings& connection);
    // Choosing the radio link has the next version reply re-read the radio's channel.
    void SetRereadRadio(int flag) { rereadRadio_ = flag; }

    // ---- The data-link module requests of the receiver screens.
    void RunRadioRequest(HWND dialog, RadioRequest request, int channel) {
        modules_.RunRadioRequest(dialog, request, channel);
    }
    void CancelModuleCommands() { modules_.CancelCommands(); }
    ModuleMode ModuleState() const { return modules_.Mode(); }

    // ---- Reads.
    const CGpsState& State() const { return state_; }
    const ReceiverVersionInfo& Identity() const { return ident_; }
    const AntennaRecord& Antenna() const { return antenna_; }
    bool IsBase() const { return baseFlag_ == 1; }
    // The connected receiver's board, or the one the system file recorded before any reply.
    int BoardType() const;
    int BaseFlag() const { return baseFlag_; }
    // The network module: 0 CDMA, 1 GPRS.
    int ModuleNetworkType() const { return moduleNetworkType_; }
    // A module reply was understood or an external link reported.
    int ModuleConfigured() const { return moduleConfigured_; }
    // A fix was forwarded since the last reset of the state.
    int HasData() const { return hasData_; }
    IReceiverPort& Port() { return port_; }

private:
    // Tests set up the live state through it.
    friend struct ReceiverLinkProbe;

    void HandleLine(std::string_view line);
    // The board and the work mode as they stand now go to the parser: the job's system record may
    // have named another board since the last line, or a version reply the connected one.
    void TellParserTheBoard();
    void HandleVersionLine(const CString& line);
    void OnPositionLog();
    void OnGgaLine(std::string_view line);
    // The solution text to show; no solution leaves the grid at 0.
    void TakeSolutionText();
    void OnModuleReply(const uint8_t* bytes, size_t count);
    // A step of the radio dialog's module sequence: the job takes the channel told, the state shows
    // the text.
    void OnModuleProgress(const ModuleProgress& progress);
    // The module queue's progress, as ResetAndNotify without forgetting the last fix.
    void ShowStatus(const CString& text);
    // A restarted board has no fix yet: the LEDs go off and the network report forgets its position.
    void ClearFixSignals();
    // The job's data link takes what the detection read of the module; only once it is stored does
    // the detection say `success` and the link count as configured (a failed write was told by the
    // job file, and the link tag would show the old channel as read).
    void TakeDetectedLink(const DataLinkReport& report, const CString& success);
    void CheckAntennaSection();
    // The network position report through the receiver's second port.
    void UploadGga(CGpsState state);
    // After a position log: the talker once, the version query until the receiver is known, the
    // base log and, while no differential fix comes (a rover only), the input format again, each
    // every thirty logs.
    void KeepPositionLogBoard(int radioFormat);
    // After a GGA line of the binary board family: true every thirty lines until a base solution
    // was seen, when the application file is due again.
    bool AppFileDue();
    // The state holds a position about to go to the listeners: it carries the time it was last current
    // (by the program's clock and by the receiver's own times) and the receiver's output interval, so
    // that no store takes it once it is stale.
    void StampFix();
    // A fix went to the listeners: the silent watch restarts and the state waits for the next fix.
    void FixForwarded();

    JobSession& job_;
    IReceiverLinkOwner& owner_;
    CSerialPort port_;
    CGpsState state_;
    CGpsParser parser_;
    CModuleCommandQueue modules_;
    CDeviceIo device_;
    GgaRecord gga_;
    ReceiverLines lines_;

    // Until a version reply tells them, the first two antenna constants of the common antenna.
    ReceiverVersionInfo ident_{0, 0, 0.014, 0.106};
    std::optional<int> connectedBoard_;  // from the last version reply
    int baseFlag_ = 0;                   // 1 while the receiver works as a base
    int moduleNetworkType_ = 0;          // never told by the receiver: CDMA
    int moduleConfigured_ = 0;
    int rereadRadio_ = 0;
    int silentTicks_ = 0;
    int tickCount_ = 0;
    int hasData_ = 0;
    AntennaRecord antenna_;
    int antennaKnown_ = 0;
    int antennaReadFailed_ = 0;  // the antenna table could not be read on this connection

    // Counters and flags of the housekeeping; each starts at 0 with the link.
    int talkerSent_ = 0;
    int noFix_ = 0;
    int baseLog_ = 0;
    int baseLogStop_ = 0;
    int baseSolutionSeen_ = 0;
    int appFile_ = 0;
    FixStamper stamper_;
};

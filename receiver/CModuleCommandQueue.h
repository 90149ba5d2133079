#pragma once
// The receiver link's queue of requests to the data-link modules (radio, network modem): builders of
// the module commands, sending and re-sending on the two-second tick, time-outs, and the matching of
// replies while the radio settings dialog waits. The waiting dialog hears the outcome as
// WM_MODULE_REPLY; the queue's owner hears its progress.
#include <deque>
#include <functional>
#include <optional>
#include <string_view>

#include "foundation/CByteBuffer.h"
#include "foundation/GeneralSettingsBlock.h"
#include "platform/base/WinTypes.h"
#include "receiver/CommandItem.h"
#include "receiver/RadioRequest.h"

class IReceiverPort;

// What the queue is waiting for replies for.
enum class ModuleMode {
    kIdle,         // no module sequence runs: the receiver's bytes are its lines
    kLinkDetect,   // after a version reply, the module is opened and read to learn the data link
    kRadioDialog,  // the radio settings dialog waits for its request's outcome
};

// What a reply taught while the data link is detected; the link applies it to the job.
struct LinkDetectStep {
    enum Kind { kNothing, kOpened, kClosed, kRadioChannel, kNetworkSettings } kind = kNothing;
    int channel = 0;        // kRadioChannel
    NetModuleSettings net;  // kNetworkSettings: the job's network settings with the module's reply read in
};

// A step of the radio dialog's sequence, for the queue's owner: the text to show as the solution, and
// the channel the radio reported or was turned to, which becomes the job's.
struct ModuleProgress {
    CString text;
    std::optional<int> radioChannel;
};

class CModuleCommandQueue {
public:
    // Garbage that never matches is dropped past this length.
    static constexpr uint32_t kMaxReceiveBytes = 1000;
    // The radio dialog keeps the newest text replies up to this length; the link detection drops text
    // that grew past its own length without a match.
    static constexpr int kMaxReplyTextChars = 2000;
    static constexpr int kMaxLinkDetectTextChars = 1000;

    // The requests go to `port`; `progress` hears each step of the radio dialog's sequence.
    CModuleCommandQueue(IReceiverPort& port, std::function<void(const ModuleProgress&)> progress);

    // 0 when the queue is empty; else makes the first item current, sends it and answers 1.
    int SendNextCommand();
    void ClearLastCommand();
    // Writes the current request again; the bytes written.
    DWORD ResendLastCommand();
    void CancelCommands();

    // A network link on a receiver with a network module opens that module, any other the radio.
    void QueueOpenRadio(bool sendNow, int linkKind);
    void QueueReadRadio(bool sendNow);
    void QueueReadGprs(bool sendNow);
    void QueueCloseRadio(bool sendNow);
    void QueueAutoSearch(bool sendNow);
    void QueueStopSearch(bool sendNow);
    void QueueTurnChannel(int channel, bool sendNow);
    // The frame's fixed packet for the binary board family, then two version queries.
    void SendBinaryAppFile();

    // The module's bytes while a mode other than kIdle runs, matched against the current request's
    // reply; `link` is the job's data link. The dialog's outcome goes to its window.
    LinkDetectStep OnReply(const uint8_t* bytes, uint32_t count, const DataLinkSettings& link);
    // The two-second duties: re-send the current request, or report its time-out and go on; nothing
    // while the job's data link is external.
    void OnTick(const DataLinkSettings& link);
    // While the link is detected: a read of the module that has under 10 s left gives way to the
    // next one (network module: settings, then channel, then close; radio: channel, then
    // settings, then close).
    void QueueFallBack(int linkKind);

    // The radio settings dialog's request: whatever was queued is dropped, the radio is opened, asked
    // and closed, and `dialog` waits for the reply (mode 2).
    void RunRadioRequest(HWND dialog, RadioRequest request, int channel);

    // The receiver's kind, as its version reply told it.
    void UseReceiverKind(int kind) { receiverKind_ = kind; }
    ModuleMode Mode() const { return mode_; }
    void SetMode(ModuleMode mode) { mode_ = mode; }
    void SetRadioDlg(HWND window) { statusWindow = window; }
    // The text replies gathered while the current request waits.
    const CString& ReplyText() const { return replyText_; }
    // A request is current or queued.
    bool Busy() const;

    CommandItem current;
    std::deque<CommandItem> queue;
    CByteBuffer receiveBuffer;
    HWND statusWindow;

private:
    // Appends received module bytes, dropping the oldest beyond the cap in any mode.
    void AppendReceived(const uint8_t* bytes, uint32_t count);
    // Where the current request's reply starts, or -1.
    int MatchLinkDetect(std::string_view chunk);
    int MatchRadioDialog();
    LinkDetectStep OnLinkDetectReply(int match, const DataLinkSettings& link);
    void OnRadioDialogReply(int match, const DataLinkSettings& link);
    void Append(CommandItem item, bool sendNow);
    void Report(bool ok, int value, const CString& text);

    IReceiverPort& port_;
    std::function<void(const ModuleProgress&)> progress_;
    ModuleMode mode_ = ModuleMode::kIdle;
    int receiverKind_ = 0;
    CString replyText_;
};

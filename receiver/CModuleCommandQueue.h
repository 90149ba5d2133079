#pragma once
// The main frame's queue of requests to the data-link modules (radio, network modem): builders of the
// module commands, sending and re-sending on the frame's two-second tick, time-outs, and the matching
// of replies while the radio settings dialog waits. The waiting dialog hears the outcome as
// WM_MODULE_REPLY.
#include <deque>

#include "foundation/CByteBuffer.h"
#include "platform/base/WinTypes.h"
#include "receiver/CommandItem.h"
#include "receiver/RadioRequest.h"

class IFrameServices;

class CModuleCommandQueue {
public:
    // Garbage that never matches is dropped past this length.
    static constexpr uint32_t kMaxReceiveBytes = 1000;
    static constexpr int kMaxReplyTextChars = 2000;

    explicit CModuleCommandQueue(IFrameServices& frame);

    // 0 when the queue is empty; else makes the first item current, sends it and answers 1.
    int SendNextCommand();
    void ClearLastCommand();
    // Writes the current request again; the bytes written.
    DWORD ResendLastCommand();
    void CancelCommands();

    void QueueOpenRadio(bool sendNow, int linkKind);
    void QueueReadRadio(bool sendNow);
    void QueueReadGprs(bool sendNow);
    void QueueCloseRadio(bool sendNow);
    void QueueAutoSearch(bool sendNow);
    void QueueStopSearch(bool sendNow);
    void QueueTurnChannel(int channel, bool sendNow);
    // The frame's fixed packet for the binary board family, then two version queries.
    void SendBinaryAppFile();

    // Appends received module bytes, dropping the oldest beyond the cap in any mode.
    void AppendReceived(const uint8_t* bytes, uint32_t count);
    // Reply handling of mode 2 (the radio settings dialog waits); call after AppendReceived.
    void OnRadioSearchReply();
    // The two-second duties: re-send the current request, or report its time-out and go on.
    void OnTick();
    // While the link is detected: a read of the module that has under 10 s left gives way to the
    // next one (network module: settings, then channel, then close; radio: channel, then
    // settings, then close).
    void QueueFallBack(int linkKind);

    // The radio settings dialog's request: whatever was queued is dropped, the radio is opened, asked
    // and closed, and `dialog` waits for the reply (mode 2).
    void RunRadioRequest(HWND dialog, RadioRequest request, int channel);

    void SetRadioWait(int mode);
    void SetRadioDlg(HWND window) { statusWindow = window; }
    // A request is current or queued.
    bool Busy() const;

    // The frame's fields (its link-detection handler of mode 1 works on them too).
    CommandItem current;
    std::deque<CommandItem> queue;
    CByteBuffer receiveBuffer;
    CString replyText;
    int modeFlag = 0;
    int modeValue = 0;
    HWND statusWindow;

private:
    void Append(CommandItem item, bool sendNow);
    void Report(bool ok, int value, const CString& text);

    IFrameServices& frame_;
};

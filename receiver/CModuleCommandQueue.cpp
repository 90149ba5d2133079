#include "receiver/CModuleCommandQueue.h"

#include "platform/messages/Messages.h"
#include "platform/text/CodePage.h"
#include "receiver/ModuleReadAll.h"
#include "receiver/ReceiverMessages.h"
#include "receiver/ReceiverPort.h"
#include "receiver/ReceiverProtocol.h"
#include "receiver/ReceiverStartup.h"

namespace {

CommandItem BytesItem(ModuleCommand kind, const wchar_t* name, std::vector<uint8_t> request, int timeout,
                      const wchar_t* success, const wchar_t* timedOut) {
    CommandItem item;
    item.requestIsBytes = 1;
    item.requestBytes = std::move(request);
    item.kind = kind;
    item.name = name;
    item.timeout = timeout;
    item.successText = success;
    item.timeoutText = timedOut;
    return item;
}

void AwaitBytes(CommandItem& item, std::vector<uint8_t> reply) {
    item.replyIsBytes = 1;
    item.replyBytes = std::move(reply);
}

}  // namespace

CModuleCommandQueue::CModuleCommandQueue(IReceiverPort& port,
                                         std::function<void(const ModuleProgress&)> progress)
    : port_(port), progress_(std::move(progress)) {
    current.timeout = -1;
}

int CModuleCommandQueue::SendNextCommand() {
    if (queue.empty()) return 0;
    ClearLastCommand();
    current = queue.front();
    queue.pop_front();
    ResendLastCommand();
    return 1;
}

void CModuleCommandQueue::ClearLastCommand() {
    current.Reset();
    current.timeout = -1;
}

DWORD CModuleCommandQueue::ResendLastCommand() {
    if (current.requestIsBytes)
        return port_.Write(current.requestBytes.data(), static_cast<DWORD>(current.requestBytes.size()));
    if (!current.commandText.IsEmpty()) return port_.SendLine(current.commandText);
    return 0;
}

void CModuleCommandQueue::CancelCommands() {
    queue.clear();
    ClearLastCommand();
    mode_ = ModuleMode::kIdle;
    receiveBuffer.Reset();
    statusWindow = nullptr;
    replyText_.Empty();
}

void CModuleCommandQueue::Append(CommandItem item, bool sendNow) {
    if (sendNow) queue.clear();
    queue.push_back(std::move(item));
    if (sendNow) SendNextCommand();
}

void CModuleCommandQueue::QueueOpenRadio(bool sendNow, int linkKind) {
    receiveBuffer.Reset();
    const bool alternative = linkKind != kLinkRadio && HasNetworkModule(receiverKind_);
    CommandItem item = BytesItem(ModuleCommand::kOpenRadio, L"OPENRADIO",
                                 alternative ? std::vector<uint8_t>{0x24, 0x35, 0xCA, 0x01, 0x00, 0x02, 0xD8}
                                             : std::vector<uint8_t>{0x24, 0x35, 0xCA, 0x01, 0x00, 0x01, 0xDB},
                                 10, L"直通通讯模块成功!", L"直通通讯模块超时!");
    AwaitBytes(item, {0x24, 0x35, 0xCA, 0x01, 0x00, 0x00, 0x00, 0x01, 0xDB});
    Append(std::move(item), sendNow);
}

void CModuleCommandQueue::QueueReadRadio(bool sendNow) {
    ClearLastCommand();
    CommandItem item =
        BytesItem(ModuleCommand::kReadRadio, L"READRADIO", {0x55, 0xAA, 0x03, 0x24, 0x00, 0x00, 0x27}, 16,
                  L"读取通道成功!", L"读取通道超时!");
    AwaitBytes(item, {0x55, 0xAB, 0x03, 0x24});
    Append(std::move(item), sendNow);
}

void CModuleCommandQueue::QueueReadGprs(bool sendNow) {
    ClearLastCommand();
    CommandItem item;
    item.commandText = L"TOVAK,READALL\r\n";
    item.replyText = L"TOVAK,ALL";
    item.timeout = 16;
    item.kind = ModuleCommand::kReadGprs;
    item.name = L"READGPRS";
    item.successText = L"读取GPRS配置成功!";
    item.timeoutText = L"读取GPRS配置超时!";
    Append(std::move(item), sendNow);
}

void CModuleCommandQueue::QueueCloseRadio(bool sendNow) {
    CommandItem item =
        BytesItem(ModuleCommand::kCloseRadio, L"CLOSERADIO", {0x24, 0x35, 0xCA, 0x01, 0x00, 0x00, 0xDA}, 10,
                  L"关闭通讯模块成功!", L"关闭通讯模块超时!");
    AwaitBytes(item, {0x24, 0x35, 0xCA, 0x01, 0x00, 0x00, 0x00, 0x00, 0xDA});
    Append(std::move(item), sendNow);
}

void CModuleCommandQueue::QueueAutoSearch(bool sendNow) {
    CommandItem item =
        BytesItem(ModuleCommand::kAutoSearch, L"AUTOSEARCHRADIO", {0x24, 0x36, 0xC9, 0x01, 0x00, 0x01, 0xDB},
                  10, L"电台自动搜索成功!", L"电台自动搜索超时!");
    item.replyText = L"GPOK";
    Append(std::move(item), sendNow);
}

void CModuleCommandQueue::QueueStopSearch(bool sendNow) {
    CommandItem item =
        BytesItem(ModuleCommand::kStopSearch, L"STOPSEARCHRADIO", {0x24, 0x36, 0xC9, 0x01, 0x00, 0x00, 0xDA},
                  10, L"停止自动搜索成功!", L"停止自动搜索超时!");
    item.replyText = L"GPOK";
    Append(std::move(item), sendNow);
}

void CModuleCommandQueue::QueueTurnChannel(int channel, bool sendNow) {
    const auto ch = static_cast<uint8_t>(channel);
    CommandItem item =
        BytesItem(ModuleCommand::kTurnRadio, L"TURNRADIO",
                  {0x55, 0xAA, 0x06, 0x07, ch, 0x00, 0x00, 0x00, 0x00, static_cast<uint8_t>(ch + 13)}, 10,
                  L"电台通道切换成功!", L"电台通道切换超时!");
    AwaitBytes(item, {0x55, 0xAB, 0x02, 0x20, 0x00, 0x22});
    Append(std::move(item), sendNow);
}

void CModuleCommandQueue::SendBinaryAppFile() {
    CommandItem item;
    item.requestIsBytes = 1;
    item.requestBytes = {0x02, 0x00, 0x64, 0x11, 0x00, 0x00, 0x00, 0x03, 0x00, 0x01, 0x00, 0x07,
                         0x08, 0x29, 0x00, 0x06, 0x00, 0x00, 0x00, 0x00, 0x00, 0xB7, 0x03};
    item.timeout = 5;
    queue.clear();
    current = item;
    queue.push_back(item);
    SendNextCommand();
    port_.SendBinaryCommand(BinaryCommand::kVersionQuery, L"");
    port_.SendBinaryCommand(BinaryCommand::kVersionQuery, L"");
}

void CModuleCommandQueue::AppendReceived(const uint8_t* bytes, uint32_t count) {
    receiveBuffer.Append(bytes, count);
    // The link-detection mode never empties the buffer itself: keep only the newest bytes.
    if (receiveBuffer.GetLength() > 4 * kMaxReceiveBytes)
        receiveBuffer.Consume(receiveBuffer.GetLength() - kMaxReceiveBytes);
}

void CModuleCommandQueue::Report(bool ok, int value, const CString& text) {
    ModuleReply reply{static_cast<uint8_t>(ok ? 1 : 0), value, text};
    SendMessage(statusWindow, WM_MODULE_REPLY, reinterpret_cast<WPARAM>(&reply), 0);
}

LinkDetectStep CModuleCommandQueue::OnReply(const uint8_t* bytes, uint32_t count,
                                            const DataLinkSettings& link) {
    LinkDetectStep step;
    if (mode_ == ModuleMode::kLinkDetect) {
        // A text reply is looked for in the text alone: the bytes before it are not kept.
        if (!current.replyIsBytes && !current.replyText.IsEmpty()) receiveBuffer.Reset();
        AppendReceived(bytes, count);
        const int match = MatchLinkDetect(std::string_view(reinterpret_cast<const char*>(bytes), count));
        step = OnLinkDetectReply(match, link);
    } else if (mode_ == ModuleMode::kRadioDialog) {
        AppendReceived(bytes, count);
        OnRadioDialogReply(MatchRadioDialog(), link);
    }
    if (receiveBuffer.GetLength() > kMaxReceiveBytes) receiveBuffer.Reset();
    return step;
}

int CModuleCommandQueue::MatchLinkDetect(std::string_view chunk) {
    if (current.replyIsBytes)
        return receiveBuffer.Find(current.replyBytes.data(), static_cast<int>(current.replyBytes.size()));
    if (current.replyText.IsEmpty()) return -1;
    replyText_ += FromGbk(chunk);
    const int match = replyText_.Find(current.replyText);
    if (replyText_.GetLength() > kMaxLinkDetectTextChars && match < 0) replyText_.Empty();
    return match;
}

int CModuleCommandQueue::MatchRadioDialog() {
    if (current.replyIsBytes)
        return receiveBuffer.Find(current.replyBytes.data(), static_cast<int>(current.replyBytes.size()));
    const uint32_t length = receiveBuffer.GetLength();
    replyText_ += FromGbk(std::string_view(reinterpret_cast<const char*>(receiveBuffer.GetPtr(0)), length));
    if (replyText_.GetLength() > kMaxReplyTextChars) replyText_ = replyText_.Right(kMaxReplyTextChars);
    if (current.replyText.IsEmpty()) return -1;
    // Matched on the bytes too: converted text can pair a binary byte before the reply with the
    // reply's first letter and hide it.
    const std::string awaited = ToGbk(current.replyText);
    return replyText_.Find(current.replyText) >= 0
               ? 0
               : receiveBuffer.Find(awaited.data(), static_cast<int>(awaited.size()));
}

LinkDetectStep CModuleCommandQueue::OnLinkDetectReply(int match, const DataLinkSettings& link) {
    LinkDetectStep step;
    const int linkKind = link.nModuleType;
    if (match < 0) {
        QueueFallBack(linkKind);
        return step;
    }
    switch (current.kind) {
        case ModuleCommand::kOpenRadio:
            if (linkKind == kLinkRadio) QueueReadRadio(true);
            if (linkKind == kLinkNetwork) QueueReadGprs(true);
            step.kind = LinkDetectStep::kOpened;
            break;
        case ModuleCommand::kCloseRadio:
            CancelCommands();
            step.kind = LinkDetectStep::kClosed;
            break;
        case ModuleCommand::kReadRadio:
            receiveBuffer.Consume(static_cast<uint32_t>(match));
            if (receiveBuffer.GetLength() >= 5 && receiveBuffer.GetAt(4) < 9) {
                step = {LinkDetectStep::kRadioChannel, receiveBuffer.GetAt(4), {}};
                QueueCloseRadio(true);
            }
            break;
        case ModuleCommand::kReadGprs: {
            const CString reply = replyText_;
            replyText_.Empty();
            step.net = link.net;
            if (ParseModuleReadAll(reply, step.net)) {
                step.kind = LinkDetectStep::kNetworkSettings;
                QueueCloseRadio(true);
            }
            break;
        }
        default:
            break;
    }
    return step;
}

void CModuleCommandQueue::OnRadioDialogReply(int match, const DataLinkSettings& link) {
    if (match < 0) return;
    switch (current.kind) {
        case ModuleCommand::kOpenRadio:
            SendNextCommand();
            progress_({L"打开电台", std::nullopt});
            break;
        case ModuleCommand::kCloseRadio:
            CancelCommands();
            progress_({L"关闭电台", std::nullopt});
            break;
        case ModuleCommand::kReadRadio: {
            receiveBuffer.Consume(static_cast<uint32_t>(match));
            const uint8_t channel = receiveBuffer.GetAt(4);
            if (receiveBuffer.GetLength() >= 5 && channel < 9) {
                // The job takes the channel before the dialog hears it.
                progress_({L"读取通道成功", channel});
                Report(true, channel, current.successText);
                QueueCloseRadio(true);
            }
            break;
        }
        case ModuleCommand::kTurnRadio:
            if (current.requestIsBytes && current.requestBytes.size() >= 6) {
                const int channel = current.requestBytes[4];
                progress_({L"切换通道成功", channel});
                Report(true, channel, current.successText);
                QueueCloseRadio(true);
            }
            break;
        case ModuleCommand::kAutoSearch:
        case ModuleCommand::kStopSearch: {
            const bool autoSearch = current.kind == ModuleCommand::kAutoSearch;
            Report(true, link.radioChannel, current.successText);
            QueueCloseRadio(true);
            progress_({autoSearch ? L"自动搜索成功" : L"停止搜索成功", std::nullopt});
            break;
        }
        default:
            break;
    }
}

bool CModuleCommandQueue::Busy() const {
    return current.replyIsBytes || !current.requestBytes.empty() || !current.commandText.IsEmpty() ||
           !queue.empty();
}

void CModuleCommandQueue::OnTick(const DataLinkSettings& link) {
    if (!Busy() || link.nModuleType == kLinkExternal) return;
    if (current.timeout >= 0) {
        current.timeout -= 2;
        ResendLastCommand();
        return;
    }
    const ModuleCommand kind = current.kind;
    const CString timeoutText = current.timeoutText;
    if (kind == ModuleCommand::kOpenRadio) {
        Report(false, 0, timeoutText);
        CancelCommands();
    } else if (kind == ModuleCommand::kReadRadio || kind == ModuleCommand::kTurnRadio) {
        Report(false, 0, timeoutText);
    } else if (kind == ModuleCommand::kCloseRadio) {
        CancelCommands();
    }
    if (!SendNextCommand()) CancelCommands();
}

void CModuleCommandQueue::QueueFallBack(int linkKind) {
    if (linkKind != kLinkRadio && linkKind != kLinkNetwork) return;
    const auto pending = [this](ModuleCommand kind) { return current.kind == kind && current.timeout < 10; };
    const ModuleCommand own = linkKind == kLinkNetwork ? ModuleCommand::kReadGprs : ModuleCommand::kReadRadio;
    const ModuleCommand other =
        linkKind == kLinkNetwork ? ModuleCommand::kReadRadio : ModuleCommand::kReadGprs;
    if (pending(own)) {
        if (linkKind == kLinkNetwork)
            QueueReadRadio(true);
        else
            QueueReadGprs(true);
    } else if (pending(other)) {
        QueueCloseRadio(true);
    }
}

void CModuleCommandQueue::RunRadioRequest(HWND dialog, RadioRequest request, int channel) {
    CancelCommands();
    SetMode(ModuleMode::kRadioDialog);
    SetRadioDlg(dialog);
    QueueOpenRadio(false, kLinkRadio);
    switch (request) {
        case RadioRequest::ReadChannel:
            QueueReadRadio(false);
            break;
        case RadioRequest::TurnChannel:
            QueueTurnChannel(channel, false);
            break;
        case RadioRequest::AutoSearch:
            QueueAutoSearch(false);
            break;
        case RadioRequest::StopSearch:
            QueueStopSearch(false);
            break;
    }
    QueueCloseRadio(false);
    SendNextCommand();
}

// The network position report sent through the receiver's second port, and the replies of the
// data-link module while a module sequence runs.
#include "platform/text/CodePage.h"
#include "platform/text/Format.h"
#include "receiver/ModuleReadAll.h"
#include "receiver/ReceiverProtocol.h"
#include "shell/CMainFrame.h"
#include "shell/NetworkReport.h"

namespace {
constexpr int kMaxReplyChars = 1000;
}

void CMainFrame::UploadGga(CGpsState state) {
    const DataLinkSettings& link = job_.settings.dataLink;
    if (link.nModuleType != kLinkNetwork) return;
    GgaRecord& report = receiver_.gga;
    if (report.counter != link.nGSMSendTimeInterval) {
        report.counter =
            (report.counter < 0 || report.counter >= link.nGSMSendTimeInterval) ? 0 : report.counter + 1;
        return;
    }
    GgaRecord fresh;
    ParseGga(report.sourceLine, fresh, report);
    if (!fresh.valid) BuildGgaSentence(state, job_.settings.connection.nTimeZone, fresh);
    report.valid = 0;
    // The record is replaced whole; the receiver's last line stays the frame's.
    const CString sourceLine = report.sourceLine;
    RefreshGgaRecord(fresh, report, link.dGSMSendDisInterval);
    report.sourceLine = sourceLine;
    if (report.valid && !report.sentence.IsEmpty()) {
        CString sentence = report.sentence.SpanExcluding(L"\r");
        sentence = sentence.SpanExcluding(L"\n");
        CSerialPort& serial = receiver_.port;
        serial.SendLine(Format(L"send com2 \"%s\r\n\"\r\n", sentence.c_str()));
        serial.SendLine(Format(L"send com2 \"%s\"\r\n", sentence.c_str()));
        serial.SendLine(L"sendhex com2 2 0D0A\r\n");
    }
    report.counter = 0;
}

void CMainFrame::OnModuleReply(std::string_view chunk) {
    CModuleCommandQueue& modules = receiver_.modules;
    const CommandItem& current = modules.current;
    int& linkType = job_.settings.dataLink.nModuleType;
    int found = -1;
    if (current.replyIsBytes) {
        found = modules.receiveBuffer.Find(current.replyBytes.data(),
                                           static_cast<int>(current.replyBytes.size()));
    } else if (!current.replyText.IsEmpty()) {
        receiver_.moduleReplyText += FromGbk(chunk);
        found = receiver_.moduleReplyText.Find(current.replyText);
        if (receiver_.moduleReplyText.GetLength() > kMaxReplyChars && found < 0)
            receiver_.moduleReplyText.Empty();
    }
    if (found < 0) {
        modules.QueueFallBack(linkType);
    } else if (current.name == L"OPENRADIO") {
        if (linkType == kLinkRadio) modules.QueueReadRadio(true);
        if (linkType == kLinkNetwork) modules.QueueReadGprs(true);
        ResetAndNotify(L"搜索电台...");
    } else if (current.name == L"CLOSERADIO") {
        modules.CancelCommands();
        ResetAndNotify(L"搜索完毕");
    } else if (current.name == L"READRADIO") {
        CByteBuffer& buffer = modules.receiveBuffer;
        buffer.Consume(static_cast<uint32_t>(found));
        if (buffer.GetLength() >= 5 && buffer.GetAt(4) < 9) {
            job_.settings.dataLink.radioChannel = buffer.GetAt(4);
            linkType = kLinkRadio;
            job_.jobs.WriteJobParams(job_.settings);
            modules.QueueCloseRadio(true);
            ResetAndNotify(L"读取通道成功");
            receiver_.moduleConfigured = 1;
        }
    } else if (current.name == L"READGPRS") {
        const CString reply = receiver_.moduleReplyText;
        receiver_.moduleReplyText.Empty();
        if (ParseModuleReadAll(reply, job_.settings.dataLink.net)) {
            linkType = kLinkNetwork;
            job_.jobs.WriteJobParams(job_.settings);
            modules.QueueCloseRadio(true);
            ResetAndNotify(L"读取GPRS配置成功");
            receiver_.moduleConfigured = 1;
        }
    }
    if (modules.receiveBuffer.GetLength() > CModuleCommandQueue::kMaxReceiveBytes)
        modules.receiveBuffer.Reset();
}

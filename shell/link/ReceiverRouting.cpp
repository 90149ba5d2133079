// The receiver link's handling of the receiver's data: module replies while a module sequence runs,
// otherwise line cutting, parsing, conversion and forwarding of every fix; the version reply; the
// network position report sent through the receiver's second port.
#include <optional>
#include <string_view>

#include "foundation/CIniFile.h"
#include "platform/messages/MessageBox.h"
#include "platform/text/CodePage.h"
#include "platform/time/Clock.h"
#include "platform/ui/StringTable.h"
#include "receiver/BoardLines.h"
#include "receiver/NetworkReport.h"
#include "receiver/SentenceFields.h"
#include "resources/StringIds.h"
#include "shell/frame/JobSession.h"
#include "shell/link/ReceiverLink.h"

void ReceiverLink::OnBytes(const uint8_t* bytes, size_t count) {
    if (modules_.Mode() != ModuleMode::kIdle) {
        OnModuleReply(bytes, count);
        return;
    }
    lines_.Append(std::string_view(reinterpret_cast<const char*>(bytes), count),
                  [this](std::string_view line) { HandleLine(line); });
    if (job_.Settings().dataLink.nModuleType == kLinkExternal) moduleConfigured_ = 1;
    CheckAntennaSection();
}

void ReceiverLink::ClampQuality(CGpsState& state) {
    if (state.pdop > 100.0) state.pdop = 99.9;
}

void ReceiverLink::HandleLine(std::string_view line) {
    if (const std::optional<CString> reply = VersionReplyText(line)) {
        HandleVersionLine(*reply);
        return;
    }
    TellParserTheBoard();
    int type = kLineNone;
    if (!parser_.Parse(line, state_, type)) return;
    switch (type) {
        case kLineBestPos:
            OnPositionLog();
            break;
        case kLineGga:
            OnGgaLine(line);
            break;
        case kLineRefStation:
            owner_.WatchBase(state_);
            if (BoardType() == kBoardOemV) baseLogStop_ = 1;
            break;
        case kLineJrtk:
        case kLineBpq:
            ClampQuality(state_);
            owner_.ConvertFix(state_);
            owner_.WatchBase(state_);
            if (type == kLineBpq && BoardType() == kBoardOemT) baseSolutionSeen_ = 1;
            break;
        default:
            break;
    }
}

namespace {
// The radio channel of a version reply; a short reply, or a channel that is no number, names none.
std::optional<int> ChannelNamedIn(const CString& line) {
    const std::vector<CString> fields = SplitFieldsUpTo(line, L',', 12);
    const std::optional<int> channel = fields.size() >= 12 ? CheckedInt(fields[11].str()) : std::nullopt;
    return channel && *channel >= 0 ? channel : std::nullopt;
}
}  // namespace

void ReceiverLink::HandleVersionLine(const CString& line) {
    // Once the receiver is known, a reply tells only the data link and the radio channel; the
    // receiver repeats it, and the job file is written only when it tells something new.
    if (!state_.ident.text[0].IsEmpty()) {
        job_.StoreDataLink({DataLinkNamedIn(line), ChannelNamedIn(line), std::nullopt});
        if (DataLinkNamedIn(line) == kLinkRadio && rereadRadio_) {
            rereadRadio_ = 0;
            modules_.CancelCommands();
            modules_.SetRadioDlg(owner_.FrameWindow());
            modules_.SetMode(ModuleMode::kRadioDialog);
            modules_.QueueOpenRadio(false, 0);
            modules_.QueueReadRadio(false);
            modules_.QueueCloseRadio(false);
            modules_.SendNextCommand();
        }
        return;
    }
    ResetAndNotify(L"读取串号...");
    const std::optional<VersionReport> report = parser_.ParseVersion(line, state_);
    if (!report) {
        // The receiver stays unknown: say so rather than leave the reading shown.
        ResetAndNotify(LoadStringResource(strings::kReceiverInfoFailed));
        return;
    }
    // The link follows the board it talks to; the system file records it for the next start.
    connectedBoard_ = report->board;
    LastFilesRecord changed = job_.SystemRecord();
    changed.nGPSOEMType = report->board;
    job_.StoreSystem(changed);
    if (report->baseFlag) baseFlag_ = *report->baseFlag;
    ident_ = report->info;
    modules_.UseReceiverKind(ident_.receiverKind);
    if (ident_.receiverKind < 0 || ident_.receiverKind > 4) return;
    job_.StoreDataLink({DataLinkNamedIn(line), std::nullopt, std::nullopt});
    // An external link, named or kept, needs no module: positions flow at once.
    if (job_.Settings().dataLink.nModuleType == kLinkExternal) {
        modules_.SetMode(ModuleMode::kIdle);
        return;
    }
    modules_.SetMode(ModuleMode::kLinkDetect);
    modules_.QueueOpenRadio(true, job_.Settings().dataLink.nModuleType);
}

void ReceiverLink::TakeSolutionText() {
    state_.solutionText = parser_.SolutionStateText(state_.solutionText);
    if (state_.solutionText == L"无效解") state_.gridX = state_.gridY = state_.gridH = 0.0;
}

void ReceiverLink::OnPositionLog() {
    state_.fixFlag = 1;
    ClampQuality(state_);
    owner_.ConvertFix(state_);
    TakeSolutionText();
    KeepPositionLogBoard(job_.Settings().connection.nRadioFormat);
    device_.ShowLinkLed(state_.diffAge);
    StampFix();
    owner_.ForwardFix(state_, kFixPositionLog);
    UploadGga(state_);
    FixForwarded();
}

void ReceiverLink::OnGgaLine(std::string_view line) {
    if (job_.Settings().dataLink.nModuleType == kLinkNetwork) gga_.sourceLine = FromGbk(line);
    const bool positionLogBoard = BoardType() == kBoardOemV;
    if (!positionLogBoard) {
        state_.fixFlag = 1;
        ClampQuality(state_);
        owner_.ConvertFix(state_);
        TakeSolutionText();
        if (IsBase()) state_.solutionText = L"基站状态";
    }
    if (BoardType() == kBoardOemT && AppFileDue()) SendAppFile();
    UploadGga(state_);
    if (positionLogBoard) return;
    StampFix();
    owner_.ForwardFix(state_, kFixGga);
    FixForwarded();
}

void ReceiverLink::OnModuleReply(const uint8_t* bytes, size_t count) {
    const LinkDetectStep step =
        modules_.OnReply(bytes, static_cast<uint32_t>(count), job_.Settings().dataLink);
    switch (step.kind) {
        case LinkDetectStep::kOpened:
            ResetAndNotify(L"搜索电台...");
            break;
        case LinkDetectStep::kClosed:
            ResetAndNotify(L"搜索完毕");
            break;
        case LinkDetectStep::kRadioChannel:
            TakeDetectedLink({kLinkRadio, step.channel, std::nullopt}, L"读取通道成功");
            break;
        case LinkDetectStep::kNetworkSettings:
            TakeDetectedLink({kLinkNetwork, std::nullopt, step.net}, L"读取GPRS配置成功");
            break;
        case LinkDetectStep::kNothing:
            break;
    }
}

void ReceiverLink::TakeDetectedLink(const DataLinkReport& report, const CString& success) {
    if (!job_.StoreDataLink(report)) return;
    ResetAndNotify(success);
    moduleConfigured_ = 1;
}

void ReceiverLink::CheckAntennaSection() {
    if (!IsBase() || antennaKnown_ || antennaReadFailed_) return;
    const CString& serial = state_.ident.text[0];
    CIniFile table;
    if (!table.ReadAntennaSection(job_.Paths().setupFolder, JobSession::kAntennaFile, serial, antenna_)) {
        antennaReadFailed_ = 1;
        AfxMessageBox(kAntennaTableUnread, MB_OK);
        return;
    }
    antennaKnown_ = 1;
    if (!antenna_.AntennaType.IsEmpty()) return;
    // A receiver the table does not know yet gets its section from the version reply's values.
    antenna_.receiverType = serial;
    antenna_.AntennaType = state_.antennaType;
    antenna_.AntHgtFactor = ident_.antennaHeightFactor;
    antenna_.GPSInstrumentHgt = ident_.instrumentHeight;
    antenna_.GpsInstrumentRadius = ident_.instrumentRadius;
    CIniFile writer;
    writer.WriteAntennaSection(job_.Paths().setupFolder, JobSession::kAntennaFile, antenna_);
}

void ReceiverLink::UploadGga(CGpsState state) {
    const DataLinkSettings& link = job_.Settings().dataLink;
    if (link.nModuleType != kLinkNetwork) return;
    GgaRecord& report = gga_;
    if (report.counter != link.nGSMSendTimeInterval) {
        report.counter =
            (report.counter < 0 || report.counter >= link.nGSMSendTimeInterval) ? 0 : report.counter + 1;
        return;
    }
    GgaRecord fresh;
    ParseGga(report.sourceLine, fresh, report);
    if (!fresh.valid) BuildGgaSentence(state, job_.Settings().connection.nTimeZone, fresh);
    report.valid = 0;
    // The record is replaced whole; the receiver's last line stays the link's.
    const CString sourceLine = report.sourceLine;
    RefreshGgaRecord(fresh, report, link.dGSMSendDisInterval);
    report.sourceLine = sourceLine;
    if (report.valid && !report.sentence.IsEmpty()) {
        CString sentence = report.sentence.SpanExcluding(L"\r");
        sentence = sentence.SpanExcluding(L"\n");
        SendThroughSecondPort(port_, sentence);
    }
    report.counter = 0;
}

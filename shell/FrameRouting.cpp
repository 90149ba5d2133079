// The frame's handling of the receiver's data: module replies while a module sequence runs,
// otherwise line cutting, parsing, conversion and forwarding of every fix.
#include <optional>
#include <string_view>

#include "foundation/CIniFile.h"
#include "platform/messages/MessageBox.h"
#include "receiver/ReceiverProtocol.h"
#include "receiver/SentenceFields.h"
#include "shell/CMainFrame.h"

LRESULT CMainFrame::OnReceiverData(WPARAM bytes, LPARAM count) {
    OnReceiverBytes(reinterpret_cast<const uint8_t*>(bytes), static_cast<size_t>(count));
    return 0;
}

void CMainFrame::OnReceiverBytes(const uint8_t* bytes, size_t count) {
    CModuleCommandQueue& modules = receiver_.modules;
    if (modules.modeFlag) {
        if (modules.modeValue == 1) {
            if (!modules.current.replyIsBytes && !modules.current.replyText.IsEmpty())
                modules.receiveBuffer.Reset();
            modules.AppendReceived(bytes, static_cast<uint32_t>(count));
            OnModuleReply(std::string_view(reinterpret_cast<const char*>(bytes), count));
        } else if (modules.modeValue == 2) {
            modules.AppendReceived(bytes, static_cast<uint32_t>(count));
            modules.OnRadioSearchReply();
        }
        return;
    }
    receiver_.lines.Append(std::string_view(reinterpret_cast<const char*>(bytes), count),
                           [this](const CString& line) { HandleLine(line); });
    if (job_.settings.dataLink.nModuleType == kLinkExternal) receiver_.moduleConfigured = 1;
    CheckAntennaSection();
}

void CMainFrame::HandleLine(const CString& line) {
    if (line.Find(kVersionLineMark) >= 0) {
        HandleVersionLine(line);
        return;
    }
    CGpsState& state = receiver_.state;
    int type = kLineNone;
    if (!receiver_.parser.Parse(line, state, type)) return;
    switch (type) {
        case kLineBestPos:
            OnPositionLog();
            break;
        case kLineGga:
            OnGgaLine(line);
            break;
        case kLineRefStation:
            UpdateBaseStation(state);
            if (BoardType() == kBoardOemV) receiver_.StopBaseLogRequests();
            break;
        case kLineJrtk:
        case kLineBpq:
            ClampQuality(state);
            ConvertPosition(state);
            UpdateBaseStation(state);
            if (type == kLineBpq && BoardType() == kBoardOemT) receiver_.NoteBaseSolution();
            break;
        default:
            break;
    }
}

void CMainFrame::TakeLinkType(const CString& line) {
    if (const std::optional<DataLinkKind> kind = DataLinkNamedIn(line))
        job_.settings.dataLink.nModuleType = *kind;
}

void CMainFrame::HandleVersionLine(const CString& line) {
    CGpsState& state = receiver_.state;
    CModuleCommandQueue& modules = receiver_.modules;
    if (!state.ident.text[0].IsEmpty()) {
        TakeLinkType(line);
        if (DataLinkNamedIn(line) == kLinkRadio && receiver_.rereadRadio) {
            receiver_.rereadRadio = 0;
            modules.CancelCommands();
            modules.SetRadioDlg(m_hWnd);
            modules.SetRadioWait(2);
            modules.QueueOpenRadio(false, 0);
            modules.QueueReadRadio(false);
            modules.QueueCloseRadio(false);
            modules.SendNextCommand();
        }
        // A short reply, or a channel that is no number, leaves the channel as it was.
        const std::vector<CString> fields = SplitFieldsUpTo(line, L',', 12);
        const std::optional<int> channel = fields.size() >= 12 ? CheckedInt(fields[11].str()) : std::nullopt;
        if (channel && *channel >= 0) job_.settings.dataLink.radioChannel = *channel;
        return;
    }
    ResetAndNotify(L"读取串号...");
    const std::optional<VersionReport> report = receiver_.parser.ParseVersion(line, state);
    if (!report) return;
    job_.system.nGPSOEMType = report->board;
    WriteSystemFile(job_.paths.programFolder + L"\\qzsys.sys");
    if (report->baseFlag) receiver_.baseFlag = *report->baseFlag;
    ReceiverIdentity& id = receiver_.ident;
    const ReceiverVersionInfo& told = report->info;
    id = {told.l1Option, told.workMode,   told.antennaHeightFactor, told.instrumentHeight, told.receiverKind,
          told.linkKind, told.serialForm, told.instrumentRadius,    told.language};
    if (id.receiverKind < 0 || id.receiverKind > 4) return;
    TakeLinkType(line);
    // An external link, named or kept, needs no module: positions flow at once.
    if (job_.settings.dataLink.nModuleType == kLinkExternal) {
        modules.SetRadioWait(0);
        return;
    }
    modules.SetRadioWait(1);
    modules.QueueOpenRadio(true, job_.settings.dataLink.nModuleType);
}

void CMainFrame::TakeSolutionText() {
    CGpsState& state = receiver_.state;
    state.solutionText = receiver_.parser.SolutionStateText(state.solutionText);
    if (state.solutionText == L"无效解") state.gridX = state.gridY = state.gridH = 0.0;
}

void CMainFrame::OnPositionLog() {
    CGpsState& state = receiver_.state;
    state.fixFlag = 1;
    ClampQuality(state);
    ConvertPosition(state);
    TakeSolutionText();
    receiver_.KeepPositionLogBoard(job_.settings.connection.nRadioFormat);
    receiver_.device.ShowLinkLed(state.diffAge);
    listeners_.Forward(state, kFixPositionLog);
    UploadGga(state);
    receiver_.FixForwarded();
}

void CMainFrame::OnGgaLine(const CString& line) {
    CGpsState& state = receiver_.state;
    if (job_.settings.dataLink.nModuleType == kLinkNetwork) receiver_.gga.sourceLine = line;
    const bool positionLogBoard = BoardType() == kBoardOemV;
    if (!positionLogBoard) {
        state.fixFlag = 1;
        ClampQuality(state);
        ConvertPosition(state);
        TakeSolutionText();
        if (IsBase()) state.solutionText = L"基站状态";
    }
    if (BoardType() == kBoardOemT && receiver_.AppFileDue()) SendBinaryAppFile();
    UploadGga(state);
    if (positionLogBoard) return;
    listeners_.Forward(state, kFixGga);
    receiver_.FixForwarded();
}

void CMainFrame::CheckAntennaSection() {
    ReceiverLink& link = receiver_;
    if (!IsBase() || link.antennaKnown || link.antennaReadFailed) return;
    const CString& serial = link.state.ident.text[0];
    CIniFile table;
    if (!table.ReadAntennaSection(job_.paths.setupFolder, JobSession::kAntennaFile, serial, link.antenna)) {
        link.antennaReadFailed = 1;
        AfxMessageBox(kAntennaTableUnread, MB_OK);
        AfxMessageBox(L"创建天线类型文件失败!", MB_ICONINFORMATION | MB_OK);
        return;
    }
    link.antennaKnown = 1;
    if (!link.antenna.AntennaType.IsEmpty()) return;
    // A receiver the table does not know yet gets its section from the version reply's values.
    link.antenna.receiverType = serial;
    link.antenna.AntennaType = link.state.antennaType;
    link.antenna.AntHgtFactor = link.ident.antennaFactor;
    link.antenna.GPSInstrumentHgt = link.ident.instrumentHeight;
    link.antenna.GpsInstrumentRadius = link.ident.instrumentRadius;
    CIniFile writer;
    writer.WriteAntennaSection(job_.paths.setupFolder, JobSession::kAntennaFile, link.antenna);
}

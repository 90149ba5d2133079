#include "receiver/screens/CGprsModuleDlg.h"

#include "platform/gdi/TextTypes.h"
#include "platform/time/Clock.h"
#include "platform/ui/CommonControls.h"
#include "platform/ui/WindowDC.h"
#include "receiver/ModemSteps.h"
#include "receiver/ReceiverHost.h"
#include "receiver/ReceiverMessages.h"
#include "receiver/ReceiverPort.h"
#include "receiver/ReceiverProtocol.h"

using namespace gprsmodule;

namespace {
constexpr UINT kButtons[] = {kRead, kSet, kList, kConnect, kDisconnect};
// The edits in the order RefusedModemField counts them.
constexpr UINT kFieldIds[] = {kAddress, kPort, kMountPoint, kUser, kPassword, kBaseId, kBasePhone};
}  // namespace

CGprsModuleDlg::CGprsModuleDlg(IReceiverHost& frame, CWnd* parent)
    : CDialog(IDD, parent), frame_(frame), session_(*this) {
    session_.kept.port = L"6060";
    BindCommand(kRead, &CGprsModuleDlg::OnRead);
    BindCommand(kSet, &CGprsModuleDlg::OnSet);
    BindCommand(kList, &CGprsModuleDlg::OnList);
    BindCommand(kConnect, &CGprsModuleDlg::OnConnect);
    BindCommand(kDisconnect, &CGprsModuleDlg::OnDisconnect);
    BindControl(kConnection, CBN_SELCHANGE, &CGprsModuleDlg::OnComboChanged);
    BindControl(kWorkMode, CBN_SELCHANGE, &CGprsModuleDlg::OnComboChanged);
    BindMessage(WM_SERIAL_DATA, &CGprsModuleDlg::OnSerialData);
}

BOOL CGprsModuleDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    CenterWindow();
    for (const wchar_t* item : {L"GSM", L"GPRS", L"CDMA"})
        SendDlgItemMessage(kConnection, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    for (const wchar_t* item : {L"TOVAK", L"VRS", L"VRS_NTRIP"})
        SendDlgItemMessage(kWorkMode, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    mountPoints_.SubclassDlgItem(kMountPoint, this);
    session_.Reset();
    ShowKept();
    SetButtons(true);
    SetTimer(kStepTimer, 1000);
    return TRUE;
}

void CGprsModuleDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_Text(pDX, kStatus, status_);
    DDX_CBIndex(pDX, kConnection, shown_.connectionType);
    DDX_CBIndex(pDX, kWorkMode, shown_.workMode);
    DDX_Text(pDX, kAddress, shown_.server);
    DDX_Text(pDX, kPort, shown_.port);
    DDX_CBString(pDX, kMountPoint, shown_.domain);
    DDX_Text(pDX, kUser, shown_.user);
    DDX_Text(pDX, kPassword, shown_.password);
    DDX_Text(pDX, kBaseId, shown_.baseId);
    DDX_Text(pDX, kBasePhone, shown_.basePhone);
    DDX_Check(pDX, kSetAsBase, setAsBase_);
}

void CGprsModuleDlg::ShowKept() {
    shown_ = session_.kept;
    UpdateData(FALSE);
}

void CGprsModuleDlg::SetButtons(bool enable) {
    for (UINT id : kButtons) GetDlgItem(static_cast<int>(id))->EnableWindow(enable);
    const bool ownServer = SendDlgItemMessage(kWorkMode, CB_GETCURSEL) == modem::kOwnServer;
    GetDlgItem(kList)->EnableWindow(enable && !ownServer);
}

// Either combo opens every field for editing; between runs the buttons follow the work mode.
void CGprsModuleDlg::OnComboChanged() {
    for (UINT id : kFieldIds) GetDlgItem(static_cast<int>(id))->EnableWindow(TRUE);
    GetDlgItem(kSetAsBase)->EnableWindow(TRUE);
    if (GetDlgItem(kRead)->IsWindowEnabled()) SetButtons(true);
}

void CGprsModuleDlg::SendLine(const CString& command) {
    frame_.Port().SendLine(command);
}

void CGprsModuleDlg::ShowStatus(const CString& text) {
    status_ = text;
    SetDlgItemText(kStatus, text);
}

// Laid out as the static draws it: wrapped at its width, in the dialog's font.
bool CGprsModuleDlg::StatusFits(const CString& text) {
    CWnd* status = GetDlgItem(kStatus);
    CRect client;
    status->GetClientRect(&client);
    CRect laidOut(0, 0, client.Width(), 0);
    CClientDC dc(status);
    CFont* old = dc.SelectObject(GetFont());
    dc.DrawText(text, &laidOut, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    dc.SelectObject(old);
    return laidOut.Width() <= client.Width() && laidOut.Height() <= client.Height();
}

void CGprsModuleDlg::ChooseFirstMountPoint() {
    if (mountPoints_.GetCount() == 0) return;
    CString first;
    mountPoints_.GetLBText(0, first);
    mountPoints_.SetWindowText(first);
}

void CGprsModuleDlg::SwitchPort() {
    const int model = frame_.ReceiverModelNumber();
    const int link = frame_.Settings().dataLink.nModuleType;
    const wchar_t* token = nullptr;
    if (HasNetworkModule(model))
        token = link == kLinkRadio ? L"C1" : link == kLinkNetwork ? L"C2" : nullptr;
    else if (model == kReceiverKindRadio)
        token = L"C1";
    if (token && frame_.Port().SendBinaryCommand(BinaryCommand::kPortSwitch, token) == 0)
        MessageBox(L"发送打开电台命令失败！", L"提示", MB_OK | MB_ICONINFORMATION);
    Sleep(100);
}

bool CGprsModuleDlg::BeginRun() {
    IReceiverPort& port = frame_.Port();
    port.SetSecondOwner(GetSafeHwnd(), WM_SERIAL_DATA);
    if (!port.IsOpen()) {
        const ConnectionSettings& c = frame_.Settings().connection;
        if (!frame_.ConnectReceiver(c.nPort, c.nComMode, c.nInputCom, c.nComBaud)) {
            MessageBox(L"打开串口失败，不能读取配置!", L"提示", MB_OK | MB_ICONINFORMATION);
            return false;
        }
        port.SetSecondOwner(GetSafeHwnd(), WM_SERIAL_DATA);
    }
    SetButtons(false);
    ShowStatus(L"");
    SwitchPort();
    SwitchPort();
    session_.Reset();
    return true;
}

void CGprsModuleDlg::OnRead() {
    if (BeginRun()) session_.Start(ModemReadSteps(), L"读取所有参数完毕!");
}

void CGprsModuleDlg::OnSet() {
    if (!UpdateData(TRUE)) return;
    NetModuleSettings& p = session_.pending;
    const NetModuleSettings& kept = session_.kept;
    p = shown_;
    p.domain = DomainToSend(shown_.workMode, shown_.domain, kept.domain);
    // The modem's fields the screen does not show stay as the modem confirmed them.
    p.text8 = kept.text8;
    p.text9 = kept.text9;
    const int refused = RefusedModemField(p);
    if (refused >= 0) {
        MessageBox(kModemFieldRefusal, L"提示", MB_OK | MB_ICONINFORMATION);
        GotoDlgCtrl(GetDlgItem(static_cast<int>(kFieldIds[refused])));
        return;
    }
    if (p.connectionType != modem::kGsm && p.server.IsEmpty()) {
        MessageBox(L"请输入服务器IP地址!", L"提示", MB_OK | MB_ICONINFORMATION);
        GotoDlgCtrl(GetDlgItem(kAddress));
        return;
    }
    if (BeginRun())
        session_.Start(ModemSetSteps(p, setAsBase_ != 0, frame_.LatestFix().ident.text[0]),
                       L"设置所有参数完毕!");
}

void CGprsModuleDlg::OnList() {
    if (MessageBox(L"确定执行\"列表\"操作吗?", L"提示", MB_YESNO | MB_ICONQUESTION) != IDYES) return;
    UpdateData(TRUE);
    if (!BeginRun()) return;
    // The list's empty server fields only open the source table: its confirmation keeps the kept ones.
    session_.pending = session_.kept;
    session_.StartList(ModemListSteps(), L"接收列表数据...");
}

void CGprsModuleDlg::OnConnect() {
    if (BeginRun()) session_.Start(ModemConnectSteps(shown_.connectionType), L"");
}

void CGprsModuleDlg::OnDisconnect() {
    if (BeginRun()) session_.Start(ModemDisconnectSteps(), L"");
}

void CGprsModuleDlg::OnTimer(UINT_PTR id) {
    if (id == kStepTimer) session_.OnTick();
}

LRESULT CGprsModuleDlg::OnSerialData(WPARAM wParam, LPARAM lParam) {
    session_.OnReceivedBytes(
        std::string_view(reinterpret_cast<const char*>(wParam), static_cast<size_t>(lParam)));
    return 0;
}

void CGprsModuleDlg::EndExchange() {
    IReceiverPort& port = frame_.Port();
    port.ClearSecondOwner();
    KillTimer(kStepTimer);
    if (port.IsOpen()) port.SendBinaryCommand(BinaryCommand::kPortSwitch, L"C0");
}

void CGprsModuleDlg::OnOK() {
    EndExchange();
    EndDialog(IDOK);
}

void CGprsModuleDlg::OnCancel() {
    EndExchange();
    CDialog::OnCancel();
}

void CGprsModuleDlg::OnDestroy() {
    frame_.Port().ClearSecondOwner();
    CDialog::OnDestroy();
}

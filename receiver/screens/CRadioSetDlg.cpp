#include "receiver/screens/CRadioSetDlg.h"

#include "platform/time/Clock.h"
#include "platform/ui/CommonControls.h"
#include "receiver/CommandItem.h"
#include "receiver/ReceiverHost.h"
#include "receiver/ReceiverMessages.h"
#include "receiver/ReceiverPort.h"

using namespace radioset;

namespace {
constexpr UINT kControls[] = {kChannel, kRead, kSwitch, kAutoSearch, kStopSearch};
}  // namespace

CRadioSetDlg::CRadioSetDlg(IReceiverHost& frame, CWnd* parent) : CDialog(IDD, parent), frame_(frame) {
    BindCommand(kRead, &CRadioSetDlg::OnRead);
    BindCommand(kSwitch, &CRadioSetDlg::OnSwitch);
    BindCommand(kAutoSearch, &CRadioSetDlg::OnAutoSearch);
    BindCommand(kStopSearch, &CRadioSetDlg::OnStopSearch);
    BindMessage(WM_MODULE_REPLY, &CRadioSetDlg::OnModuleReply);
}

BOOL CRadioSetDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    for (const wchar_t* item : {L" ", L"1", L"2", L"3", L"4", L"5", L"6", L"7", L"8"})
        SendDlgItemMessage(kChannel, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    UpdateData(FALSE);
    return TRUE;
}

void CRadioSetDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_CBIndex(pDX, kChannel, values.channel);
    DDX_Text(pDX, kStatus, values.status);
}

void CRadioSetDlg::Run(RadioRequest request, int channel, const wchar_t* waiting) {
    frame_.RunRadioRequest(GetSafeHwnd(), request, channel);
    SetDlgItemText(kStatus, waiting);
    EnableControls(FALSE);
}

void CRadioSetDlg::OnRead() {
    Run(RadioRequest::ReadChannel, 0, L"正在读取当前通道，请稍候...");
}

void CRadioSetDlg::OnSwitch() {
    UpdateData(TRUE);
    if (values.channel <= 0) {
        MessageBox(L"没有选择通道号，请选择正确的通道号！", L"提示", MB_OK | MB_ICONINFORMATION);
        return;
    }
    Run(RadioRequest::TurnChannel, values.channel, L"正在切换当前通道，请稍候...");
}

void CRadioSetDlg::OnAutoSearch() {
    Run(RadioRequest::AutoSearch, 0, L"正在自动搜索，请稍候...");
}

void CRadioSetDlg::OnStopSearch() {
    Run(RadioRequest::StopSearch, 0, L"正在停止自动搜索，请稍候...");
}

LRESULT CRadioSetDlg::OnModuleReply(WPARAM wParam, LPARAM) {
    const ModuleReply reply = *reinterpret_cast<const ModuleReply*>(wParam);
    UpdateData(TRUE);
    values.status = reply.text;
    if (reply.ok) values.channel = reply.value;
    EnableControls(TRUE);
    UpdateData(FALSE);
    return 0;
}

void CRadioSetDlg::EnableControls(BOOL enable) {
    for (UINT id : kControls)
        if (CWnd* control = GetDlgItem(static_cast<int>(id))) control->EnableWindow(enable);
}

void CRadioSetDlg::OnOK() {
    frame_.CancelModuleCommands();
    EndDialog(IDOK);
}

void CRadioSetDlg::OnCancel() {
    frame_.CancelModuleCommands();
    CDialog::OnCancel();
}

CGprsCdmaSwitchDlg::CGprsCdmaSwitchDlg(IReceiverHost& frame, CWnd* parent)
    : CDialog(IDD, parent), frame_(frame) {
    BindCommand(gprscdmaswitch::kToCdma, &CGprsCdmaSwitchDlg::OnToCdma);
    BindCommand(gprscdmaswitch::kToGprs, &CGprsCdmaSwitchDlg::OnToGprs);
}

BOOL CGprsCdmaSwitchDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    const int type = frame_.ModuleNetworkType();
    values.mode = type == 0 ? L"CDMA" : type == 1 ? L"GPRS" : L"";
    UpdateData(FALSE);
    return TRUE;
}

void CGprsCdmaSwitchDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_Text(pDX, gprscdmaswitch::kText, values.text);
    DDX_Text(pDX, gprscdmaswitch::kMode, values.mode);
}

void CGprsCdmaSwitchDlg::SwitchTo(const wchar_t* token, const wchar_t* mode) {
    IReceiverPort& port = frame_.Port();
    port.SendBinaryCommand(BinaryCommand::kDataLink, token);
    port.SendBinaryCommand(BinaryCommand::kDataLink, token);
    Sleep(500);
    port.SendBinaryCommand(BinaryCommand::kVersionQuery, L"");
    values.mode = mode;
    UpdateData(FALSE);
}

#include "TestDialogs.h"

#include "platform/ui/Edit.h"
#include "platform/ui/Static.h"

namespace {
const DialogControlTemplate kControls[] = {
    {L"STATIC", IDC_STATIC, 4, 4, 30, 10, L"点名:", SS_LEFT},
    {L"EDIT", kNameEdit, 40, 4, 80, 12, L"", ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP},
    {L"STATIC", IDC_STATIC, 4, 20, 30, 10, L"截止角:", SS_LEFT},
    {L"EDIT", kAngleEdit, 40, 20, 80, 12, L"", ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP},
    {L"EDIT", kHeightEdit, 40, 36, 80, 12, L"", ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP},
    {L"EDIT", kDisabledEdit, 40, 52, 80, 12, L"", WS_BORDER | WS_TABSTOP | WS_DISABLED},
    {L"BUTTON", IDC_STATIC, 2, 66, 130, 30, L"高程类型", BS_GROUPBOX},
    {L"BUTTON", kFirstRadio, 6, 78, 40, 12, L"直高", BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP},
    {L"BUTTON", kSecondRadio, 48, 78, 40, 12, L"斜高", BS_AUTORADIOBUTTON},
    {L"BUTTON", kThirdRadio, 90, 78, 40, 12, L"杆高", BS_AUTORADIOBUTTON},
    {L"BUTTON", kCheck, 6, 100, 80, 12, L"计算三参数", BS_AUTOCHECKBOX | WS_GROUP | WS_TABSTOP},
    {L"BUTTON", kStartButton, 6, 120, 40, 14, L"开始", BS_PUSHBUTTON | WS_TABSTOP},
    {L"BUTTON", IDOK, 50, 148, 40, 14, L"确定", BS_DEFPUSHBUTTON | WS_TABSTOP},
    {L"BUTTON", IDCANCEL, 92, 148, 40, 14, L"取消", BS_PUSHBUTTON | WS_TABSTOP},
};
const DialogTemplate kTemplate{kTestDialogId, 135, 166, L"测试", kDialogStyle, kControls};
const DialogTemplateRegistration kRegister(kTemplate);
}  // namespace

CTestDlg::CTestDlg(CWnd* parent) : CDialog(kTestDialogId, parent) {
    BindCommand(kStartButton, &CTestDlg::OnStart);
}

void CTestDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_Text(pDX, kNameEdit, m_strName);
    DDX_Text(pDX, kAngleEdit, m_nAngle);
    DDV_MinMaxInt(pDX, m_nAngle, 0, 89);
    DDX_Text(pDX, kHeightEdit, m_dHeight);
    DDX_Radio(pDX, kFirstRadio, m_nRadio);
    DDX_Check(pDX, kCheck, m_nCheck);
}

BOOL CTestDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    ShowWindow(SW_MAXIMIZE);
    if (timerPeriod) SetTimer(7, static_cast<UINT>(timerPeriod));
    return TRUE;
}

void CTestDlg::OnTimer(UINT_PTR id) {
    if (id != 7) return;
    ++timerTicks;
    if (closeAfterTicks && timerTicks == closeAfterTicks) EndDialog(IDOK);
}

void CTestDlg::OnStart() {
    ++starts;
    if (AfxMessageBox(L"开始存储吗?", MB_YESNO | MB_ICONQUESTION) == IDYES) ++starts;
}

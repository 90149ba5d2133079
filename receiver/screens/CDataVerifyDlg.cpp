#include "receiver/screens/CDataVerifyDlg.h"

#include "platform/time/Clock.h"
#include "receiver/ReceiverHost.h"
#include "receiver/ReceiverMessages.h"
#include "receiver/ReceiverPort.h"

using namespace dataverify;

CDataVerifyDlg::CDataVerifyDlg(IReceiverHost& frame, CWnd* parent) : CDialog(IDD, parent), frame_(frame) {
    BindMessage(WM_GPS_POSITION_VERIFY, &CDataVerifyDlg::OnPositionUpdate);
    BindCommand(kTakeFirst, &CDataVerifyDlg::OnTakeFirst);
    BindCommand(kTakeSecond, &CDataVerifyDlg::OnTakeSecond);
    BindCommand(kVerify, &CDataVerifyDlg::OnVerify);
}

BOOL CDataVerifyDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    ShowWindow(SW_MAXIMIZE);
    if (frame_.VerificationFlag()) frame_.SetAuxNotifyWnd(GetSafeHwnd());
    return TRUE;
}

void CDataVerifyDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_Text(pDX, kLiveX, live_.x);
    DDX_Text(pDX, kLiveY, live_.y);
    DDX_Text(pDX, kLiveH, live_.h);
    DDX_Text(pDX, kLiveTime, live_.time);
    DDX_Text(pDX, kLiveStatus, live_.status);
    DDX_Text(pDX, kLivePdop, live_.pdop);
    DDX_Text(pDX, kLiveRmsH, live_.rmsH);
    DDX_Text(pDX, kLiveRmsV, live_.rmsV);
    const UINT coordinates[3][3] = {
        {kFirstX, kFirstY, kFirstH}, {kSecondX, kSecondY, kSecondH}, {kDx, kDy, kDh}};
    std::array<CString, 3>* texts[3] = {&first_, &second_, &differences_};
    for (size_t row = 0; row < 3; ++row)
        for (size_t i = 0; i < 3; ++i) DDX_Text(pDX, static_cast<int>(coordinates[row][i]), (*texts[row])[i]);
}

LRESULT CDataVerifyDlg::OnPositionUpdate(WPARAM wParam, LPARAM) {
    m_gps = *reinterpret_cast<const CGpsState*>(wParam);
    ShowRealtime(m_gps);
    return 0;
}

void CDataVerifyDlg::ShowRealtime(const CGpsState& state) {
    live_ = FormatVerifyLiveTexts(state);
    UpdateData(FALSE);
}

bool CDataVerifyDlg::Fixed(const wchar_t* refusal) {
    if (m_gps.solutionCode == kSolFixed) return true;
    MessageBox(refusal, L"提示", MB_OK | MB_ICONINFORMATION);
    return false;
}

void CDataVerifyDlg::OnTakeFirst() {
    if (!Fixed(L"请在状态为固定解后再获取!")) return;
    first_ = TakenCoordinates(m_gps);
    UpdateData(FALSE);
}

void CDataVerifyDlg::OnTakeSecond() {
    if (!Fixed(L"请在状态为固定解后再获取!")) return;
    second_ = TakenCoordinates(m_gps);
    differences_ = CoordinateDifferences(first_, second_);
    UpdateData(FALSE);
}

void CDataVerifyDlg::OnVerify() {
    if (!Fixed(L"请在状态为固定解后再验证!")) return;
    second_ = {};
    IReceiverPort& port = frame_.Port();
    for (int i = 0; i < 2; ++i) {
        port.SendLine(L"rtkcommand reset\r\n");
        Sleep(500);
    }
}

void RunDataVerifyCommand(IReceiverHost& frame, CWnd* parent) {
    frame.SetVerificationFlag(1);
    CDataVerifyDlg dlg(frame, parent);
    dlg.DoModal();
    frame.SetVerificationFlag(0);
}

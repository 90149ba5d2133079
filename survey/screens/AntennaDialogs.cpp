#include "survey/screens/AntennaDialogs.h"

#include "platform/text/Format.h"
#include "survey/SurveyHost.h"
#include "survey/screens/StoreInput.h"

CRoverAntennaDlg::CRoverAntennaDlg(const ISurveyHost& host, CWnd* parent)
    : CDialog(IDD, parent), host_(host) {}

BOOL CRoverAntennaDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    ShowWindow(SW_MAXIMIZE);
    UpdateData(FALSE);
    return TRUE;
}

void CRoverAntennaDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_Text(pDX, roverantenna::kHeight, values.height);
    DDX_Radio(pDX, roverantenna::kVertical, values.type);
    DDX_Check(pDX, roverantenna::kShowGround, values.showGround);
}

void CRoverAntennaDlg::OnOK() {
    if (!UpdateData(TRUE)) return;
    if (!CheckAntennaHeight(*this, roverantenna::kHeight, values.type, values.height, host_.Antenna()))
        return;
    EndDialog(IDOK);
}

CAntennaHeightDlg::CAntennaHeightDlg(const ISurveyHost& host, CWnd* parent)
    : CDialog(IDD, parent), host_(host) {
    BindCommand(antennatool::kCalculate, &CAntennaHeightDlg::OnCalculate);
}

BOOL CAntennaHeightDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    ShowWindow(SW_MAXIMIZE);
    const CGpsState& fix = host_.LatestFix();
    antennaType_ = fix.antennaType;
    receiverType_ = fix.modelText;
    UpdateData(FALSE);
    return TRUE;
}

void CAntennaHeightDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_Radio(pDX, antennatool::kSlant, type_);
    DDX_Text(pDX, antennatool::kInput, input_);
    DDX_Text(pDX, antennatool::kVertical, vertical_);
    DDX_Text(pDX, antennatool::kAntennaType, antennaType_);
    DDX_Text(pDX, antennatool::kReceiverType, receiverType_);
}

void CAntennaHeightDlg::OnCalculate() {
    if (!UpdateData(TRUE)) return;
    // The radios are slant and pole only.
    const int type = type_ == 0 ? kSlantHeight : kPoleHeight;
    if (!CheckAntennaHeight(*this, antennatool::kInput, type, input_, host_.Antenna())) return;
    vertical_ = VerticalAntennaHeight(input_, type, host_.Antenna()).value_or(0.0);
    UpdateData(FALSE);
    SetDlgItemText(antennatool::kVertical, Format(L"%.3f", vertical_));
}

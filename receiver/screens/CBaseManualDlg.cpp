#include "receiver/screens/CBaseManualDlg.h"

#include "foundation/GeneralSettingsBlock.h"
#include "geodesy/CoordTransform.h"
#include "geodesy/GeodesyConstants.h"
#include "platform/text/Format.h"
#include "platform/text/Numbers.h"
#include "receiver/ReceiverHost.h"
#include "receiver/screens/BaseParamDlgs.h"
#include "receiver/screens/ReceiverSettingsCommands.h"

namespace {
using namespace basemanual;
constexpr double kRadiansPerDegree = 0.01745329251994278;
constexpr int kGeodeticType = 0;
constexpr int kPlaneType = 1;
}  // namespace

CBaseManualDlg::CBaseManualDlg(IReceiverHost& frame) : CDialog(IDD), frame_(frame) {
    BindCommand(kSinglePoint, &CBaseManualDlg::OnSinglePoint);
    BindCommand(kGeodetic, &CBaseManualDlg::OnGeodetic);
    BindCommand(kPlane, &CBaseManualDlg::OnPlane);
    BindCommand(kRepeat, &CBaseManualDlg::OnRepeat);
}

BOOL CBaseManualDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    CenterWindow();
    FillFormatList(*this);
    TakeSinglePoint();
    values.nSendInterval = 1;
    values.nDiffFormat = frame_.Settings().connection.nRadioFormat;
    shownCoordType_ = values.nCoordType;
    UpdateData(FALSE);
    return TRUE;
}

void CBaseManualDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_Text(pDX, kH, values.szH);
    DDX_Text(pDX, kB, values.szB);
    DDX_Text(pDX, kL, values.szL);
    DDX_Radio(pDX, kGeodetic, values.nCoordType);
    ExchangeTransmitParams(pDX, values);
    DDX_Check(pDX, kRepeat, values.bRepeatSetup);
    DDX_Text(pDX, kAntHeight, values.dAntHeight);
    DDX_Radio(pDX, kVertical, values.nAntHeightType);
}

// The live fix as packed degrees-minutes-seconds (ten decimals) and the ellipsoidal height.
void CBaseManualDlg::TakeSinglePoint() {
    const CGpsState& state = frame_.LatestFix();
    const CCoordTransform& angles = frame_.DialogTransform();
    values.szB = Format(L"%.10f", angles.ConvertDmsAngle(state.latitude * kRadiansPerDegree, 0));
    values.szL = Format(L"%.10f", angles.ConvertDmsAngle(state.longitude * kRadiansPerDegree, 0));
    values.szH = Format(L"%.3f", state.height);
}

void CBaseManualDlg::OnSinglePoint() {
    UpdateData(TRUE);
    if (values.nCoordType == kPlaneType) return;
    TakeSinglePoint();
    UpdateData(FALSE);
}

void CBaseManualDlg::SetLabels(const wchar_t* b, const wchar_t* l, const wchar_t* h) {
    SetDlgItemText(kLabelB, b);
    SetDlgItemText(kLabelL, l);
    SetDlgItemText(kLabelH, h);
}

void CBaseManualDlg::OnGeodetic() {
    if (shownCoordType_ == kGeodeticType) return;
    shownCoordType_ = kGeodeticType;
    SetLabels(L"B:", L"L:", L"H:");
    UpdateData(TRUE);
    double b = 0, l = 0, h = 0;
    frame_.PositionTransform().LocalPlaneToWgs84(ToDouble(values.szB), ToDouble(values.szL),
                                                 ToDouble(values.szH), b, l, h);
    const CCoordTransform& angles = frame_.DialogTransform();
    values.szB = Format(L"%.8f", angles.ConvertDmsAngle(b, 0));
    values.szL = Format(L"%.8f", angles.ConvertDmsAngle(l, 0));
    values.szH = Format(L"%.3f", h);
    UpdateData(FALSE);
}

void CBaseManualDlg::OnPlane() {
    if (shownCoordType_ == kPlaneType) return;
    shownCoordType_ = kPlaneType;
    SetLabels(L"X:", L"Y:", L"h:");
    UpdateData(TRUE);
    const CCoordTransform& angles = frame_.DialogTransform();
    const double b = angles.ConvertDmsAngle(ToDouble(values.szB), 1) * kRadToDeg;
    const double l = angles.ConvertDmsAngle(ToDouble(values.szL), 1) * kRadToDeg;
    const double typedHeight = ToDouble(values.szH);
    double x = 0, y = 0, h = 0;
    frame_.PositionTransform().Wgs84ToLocalPlane(b, l, typedHeight, x, y, h);
    values.szB = Format(L"%.3f", x);
    values.szL = Format(L"%.3f", y);
    // The height stays as typed: the plane height is not what the base transmits.
    values.szH = Format(L"%.3f", typedHeight);
    UpdateData(FALSE);
}

void CBaseManualDlg::OnRepeat() {
    UpdateData(TRUE);
    if (values.bRepeatSetup &&
        MessageBox(
            L"该功能选中后，下次重新开机后，将使用这次设置基准站的所有参数启动基准站,若要再次修改为使用"
            L"单点定位坐标自动启动基准站，需要用手簿设置，确定打开该功能吗?",
            L"信息提示", MB_OKCANCEL | MB_ICONQUESTION) == IDCANCEL)
        values.bRepeatSetup = 0;
    UpdateData(FALSE);
}

void CBaseManualDlg::OnOK() {
    // Every field is checked before the question, and nothing is stored before the answer.
    if (!UpdateData(TRUE)) return;
    const ReceiverVersionInfo& receiver = frame_.VersionInfo();
    if (values.nAntHeightType == 1 && IsSlantHeightTooShort(values.dAntHeight, receiver)) {
        MessageBox(L"斜高必须大于仪器半径!", L"提示", MB_OK | MB_ICONINFORMATION);
        GotoDlgCtrl(GetDlgItem(kAntHeight));
        return;
    }
    if (MessageBox(L"确定启动基准站吗?", L"提示", MB_YESNO | MB_ICONQUESTION) != IDYES) return;
    GeneralSettingsBlock settings = frame_.Settings();
    settings.nAntHgtType = values.nAntHeightType;
    settings.szdSourceAntHgt = values.dAntHeight;
    values.dVertAntHeight = VerticalAntennaHeight(values.dAntHeight, values.nAntHeightType, receiver);
    settings.szdRoverAntH = values.dVertAntHeight;
    settings.connection.nRadioFormat = values.nDiffFormat;
    SaveJobSettings(frame_, settings, this);
    EndDialog(IDOK);
}

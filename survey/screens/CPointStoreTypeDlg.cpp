#include "survey/screens/CPointStoreTypeDlg.h"

#include <cwctype>

#include "platform/text/Numbers.h"
#include "platform/ui/CommonControls.h"
#include "platform/ui/StringTable.h"
#include "resources/SurveyStrings.h"

namespace {
using namespace storetype;
enum Mode { kModeNormal, kModeOffset, kModeSmooth, kModeAuto };
constexpr int kLongest = 86400;  // seconds, one day
constexpr int kAllPoints = -1;

bool OutOfRange(int seconds) {
    return seconds < 1 || seconds > kLongest;
}

bool IsWholeNumber(const CString& text) {
    if (text.IsEmpty()) return false;
    for (int i = 0; i < text.GetLength(); ++i)
        if (!std::iswdigit(text[i])) return false;
    return true;
}
}  // namespace

StoreTypeValues StoreTypeValuesOf(const GeneralSettingsBlock& s) {
    StoreTypeValues v;
    v.mode = s.nSaveType;
    v.smoothSeconds = s.nSmoothSecond;
    v.condition = s.nAsCondition;
    v.byDistance = s.nAsMode;
    v.interval = s.nAutoSaveTime;
    v.distance = s.szdAutoSaveDis;
    v.label = s.nDisplayType;
    v.pointCount = s.nShowSurveyPoint == kAllPoints ? LoadStringResource(surveystr::kAllPoints)
                                                    : CString(std::to_wstring(s.nShowSurveyPoint));
    v.codeType = s.nCodeSaveType;
    return v;
}

void ApplyStoreTypeValues(const StoreTypeValues& v, GeneralSettingsBlock& s) {
    s.nSaveType = v.mode;
    s.nSmoothSecond = v.smoothSeconds;
    s.nAutoSaveTime = v.interval;
    s.szdAutoSaveDis = v.distance;
    s.nAsCondition = v.condition;
    s.nAsMode = v.byDistance;
    s.nDisplayType = v.label;
    s.nShowSurveyPoint =
        v.pointCount == LoadStringResource(surveystr::kAllPoints) ? kAllPoints : ToInt(v.pointCount);
    s.nCodeSaveType = v.codeType;
}

CPointStoreTypeDlg::CPointStoreTypeDlg(CWnd* parent) : CDialog(IDD, parent) {
    BindCommand(kNormal, &CPointStoreTypeDlg::OnModeNormal);
    BindCommand(kOffset, &CPointStoreTypeDlg::OnModeOffset);
    BindCommand(kSmooth, &CPointStoreTypeDlg::OnModeSmooth);
    BindCommand(kAuto, &CPointStoreTypeDlg::OnModeAuto);
    BindCommand(kByTime, &CPointStoreTypeDlg::OnByTime);
    BindCommand(kByDistance, &CPointStoreTypeDlg::OnByDistance);
}

BOOL CPointStoreTypeDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    ShowWindow(SW_MAXIMIZE);
    for (const wchar_t* item : {L"单点解", L"差分解", L"浮点解", L"固定解"})
        SendDlgItemMessage(kCondition, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    const CString all = LoadStringResource(surveystr::kAllPoints);
    SendDlgItemMessage(kPointCount, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(all.c_str()));
    ShowMode(values.mode, values.byDistance);
    UpdateData(FALSE);
    return TRUE;
}

void CPointStoreTypeDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_Radio(pDX, kNormal, values.mode);
    DDX_Text(pDX, kSmoothSeconds, values.smoothSeconds);
    DDX_CBIndex(pDX, kCondition, values.condition);
    DDX_Radio(pDX, kByTime, values.byDistance);
    DDX_Text(pDX, kInterval, values.interval);
    DDX_Text(pDX, kDistance, values.distance);
    DDX_Radio(pDX, kLabelName, values.label);
    DDX_CBString(pDX, kPointCount, values.pointCount);
    DDX_Radio(pDX, kCodeKeep, values.codeType);
}

void CPointStoreTypeDlg::ShowMode(int mode, int byDistance) {
    const bool automatic = mode == kModeAuto;
    GetDlgItem(kSmoothSeconds)->EnableWindow(mode == kModeSmooth);
    for (UINT id : {kCondition, kByTime, kByDistance}) GetDlgItem(id)->EnableWindow(automatic);
    GetDlgItem(kInterval)->EnableWindow(automatic && byDistance == 0);
    GetDlgItem(kDistance)->EnableWindow(automatic && byDistance != 0);
}

void CPointStoreTypeDlg::OnModeNormal() {
    ShowMode(kModeNormal, IsDlgButtonChecked(kByDistance));
}
void CPointStoreTypeDlg::OnModeOffset() {
    ShowMode(kModeOffset, IsDlgButtonChecked(kByDistance));
}
void CPointStoreTypeDlg::OnModeSmooth() {
    ShowMode(kModeSmooth, IsDlgButtonChecked(kByDistance));
}
void CPointStoreTypeDlg::OnModeAuto() {
    ShowMode(kModeAuto, IsDlgButtonChecked(kByDistance));
}
void CPointStoreTypeDlg::OnByTime() {
    ShowMode(kModeAuto, 0);
}
void CPointStoreTypeDlg::OnByDistance() {
    ShowMode(kModeAuto, 1);
}

bool CPointStoreTypeDlg::Refuse(UINT id, const wchar_t* text) {
    MessageBox(text, L"提示", MB_OK | MB_ICONINFORMATION);
    GotoDlgCtrl(GetDlgItem(id));
    return false;
}

void CPointStoreTypeDlg::OnOK() {
    if (!UpdateData(TRUE)) return;
    const bool automatic = values.mode == kModeAuto;
    if (values.mode == kModeSmooth && OutOfRange(values.smoothSeconds))
        return void(Refuse(kSmoothSeconds, L"平滑时间应在1到86400秒之间!"));
    if (automatic && values.byDistance == 0 && OutOfRange(values.interval))
        return void(Refuse(kInterval, L"存储间隔应在1到86400秒之间!"));
    if (automatic && values.byDistance != 0 && !(values.distance > 0.0))
        return void(Refuse(kDistance, L"存储间距必须大于0!"));
    if (values.pointCount != LoadStringResource(surveystr::kAllPoints) && !IsWholeNumber(values.pointCount))
        return void(Refuse(kPointCount, kRefuseInteger));
    EndDialog(IDOK);
}

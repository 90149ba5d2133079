#include "powerline/screens/CDaohengStoreDlg.h"

#include <algorithm>

#include "platform/ui/CommonControls.h"
#include "platform/ui/DataExchange.h"
#include "resources/PowerlineStoreDlgs.h"
#include "survey/FeatureCodes.h"

namespace {
using namespace daohengstore;
enum SubType { kCrossingType = 3, kTwoPointObject = 5, kHouse = 6, kAuxiliaryType = 2 };
constexpr int32_t kPlainAuxiliary = 94;

// The auxiliary kinds in key order: a row's code is its key.
std::vector<int32_t> AuxiliaryKeys() {
    std::vector<int32_t> keys;
    for (const auto& [key, text] : FeatureCodes().auxiliary) keys.push_back(key);
    return keys;
}

std::vector<CString> Texts(const std::vector<IdText>& rows) {
    std::vector<CString> texts;
    for (const IdText& row : rows) texts.push_back(row.text);
    return texts;
}

const CString& SeriesOf(const TextTriple& series, int subType) {
    return subType == 0 ? series.first : subType == 1 ? series.second : series.third;
}
}  // namespace

CDaohengStoreDlg::CDaohengStoreDlg(ISurveyHost& host, bool smoothing, CWnd* parent)
    : CPowerlineStoreDlg(IDD, host, smoothing, true, parent) {
    BindControl(kSubType, CBN_SELCHANGE, &CDaohengStoreDlg::OnSubTypeChange);
}

BOOL CDaohengStoreDlg::OnInitDialog() {
    const FeatureCodeTables& codes = FeatureCodes();
    answers.name = SeriesOf(series, answers.surveyType);
    crossingRow_ = std::max(0, RowOfId(codes.crossing, answers.crossedObject));
    featureRow_ = std::max(0, RowOfId(codes.terrain, answers.featureCode));
    const std::vector<int32_t> keys = AuxiliaryKeys();
    // A point that was no auxiliary one offers the plain "辅助点".
    auto kept = std::find(keys.begin(), keys.end(), answers.auxiliaryCode);
    if (kept == keys.end()) kept = std::find(keys.begin(), keys.end(), kPlainAuxiliary);
    auxiliaryRow_ = static_cast<int>(kept - keys.begin());
    CPowerlineStoreDlg::OnInitDialog();
    SetDlgItemText(kSeriesJ, series.first);
    SetDlgItemText(kSeriesZ, series.second);
    SetDlgItemText(kSeriesN, series.third);
    ShowFor(answers.surveyType);
    return TRUE;
}

void CDaohengStoreDlg::FillLists() {
    const FeatureCodeTables& codes = FeatureCodes();
    std::vector<CString> subTypes;
    for (int i = 0; i < kSubTypeCount; ++i) subTypes.push_back(SubTypeText(i));
    FillCombo(*this, kSubType, subTypes);
    FillCombo(*this, kPoleType, Texts(codes.poleType));
    FillCombo(*this, kCrossing, Texts(codes.crossing));
    FillCombo(*this, kFeature, Texts(codes.terrain));
    std::vector<CString> auxiliary;
    for (const auto& [key, text] : codes.auxiliary) auxiliary.push_back(text);
    FillCombo(*this, kAuxiliary, auxiliary);
}

void CDaohengStoreDlg::ExchangeOwn(CDataExchange* pDX) {
    DDX_CBIndex(pDX, kSubType, answers.surveyType);
    DDX_CBIndex(pDX, kPoleType, answers.poleIndex);
    DDX_CBIndex(pDX, kCrossing, crossingRow_);
    DDX_CBIndex(pDX, kFeature, featureRow_);
    DDX_CBIndex(pDX, kAuxiliary, auxiliaryRow_);
    DDX_Radio(pDX, kFirstPoint, answers.pointIndex);
    DDX_Text(pDX, kLength, answers.value21);
    DDX_Text(pDX, kWidth, answers.value23);
    DDX_Text(pDX, kHeight, answers.value26);
    DDX_Text(pDX, plstore::kRemark, answers.remark);
    if (!pDX->m_bSaveAndValidate) return;
    const FeatureCodeTables& codes = FeatureCodes();
    answers.crossedObject = codes.crossing[crossingRow_].id;
    answers.featureCode = codes.terrain[featureRow_].id;
    answers.auxiliaryCode = AuxiliaryKeys()[auxiliaryRow_];
}

std::vector<std::pair<UINT, const CString*>> CDaohengStoreDlg::OwnTexts() const {
    return {{plstore::kRemark, &answers.remark}};
}

void CDaohengStoreDlg::OnSubTypeChange() {
    const int subType = static_cast<int>(SendDlgItemMessage(kSubType, CB_GETCURSEL));
    SetDlgItemText(plstore::kName, SeriesOf(series, subType));
    ShowFor(subType);
}

void CDaohengStoreDlg::ShowFor(int subType) {
    const bool crossing = subType == kCrossingType;
    const bool feature = subType > kCrossingType;
    for (UINT id : {kPoleLabel, kPoleType, kCrossingLabel, kCrossing})
        GetDlgItem(id)->ShowWindow(crossing ? SW_SHOW : SW_HIDE);
    // The terrain feature and the auxiliary kind share one place and its label.
    SetDlgItemText(kFeatureLabel, subType == kAuxiliaryType ? L"类别:" : L"地物:");
    GetDlgItem(kFeatureLabel)->ShowWindow(feature || subType == kAuxiliaryType ? SW_SHOW : SW_HIDE);
    GetDlgItem(kFeature)->ShowWindow(feature ? SW_SHOW : SW_HIDE);
    GetDlgItem(kAuxiliary)->ShowWindow(subType == kAuxiliaryType ? SW_SHOW : SW_HIDE);
    const bool object = subType == kTwoPointObject || subType == kHouse;
    for (UINT id : {kFirstPoint, kSecondPoint, kThirdPoint}) GetDlgItem(id)->EnableWindow(object);
}

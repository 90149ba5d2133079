#include "powerline/screens/PowerlineFormatDlgs.h"

#include <algorithm>

#include "platform/text/Format.h"
#include "platform/ui/CommonControls.h"
#include "platform/ui/DataExchange.h"
#include "resources/PowerlineStoreDlgs.h"
#include "survey/DataEditRules.h"
#include "survey/FeatureCodes.h"

namespace {
using plstore::kCode;
using plstore::kRemark;
using Texts = std::vector<std::pair<UINT, const CString*>>;
}  // namespace

CSiweiStoreDlg::CSiweiStoreDlg(ISurveyHost& host, bool smoothing, CWnd* parent)
    : CPowerlineStoreDlg(siweistore::IDD, host, smoothing, true, parent) {}

void CSiweiStoreDlg::FillLists() {
    std::vector<CString> types;
    for (int t = 0; t < kSiweiCodeTypes; ++t) types.push_back(Format(L"%d %s", t, SiweiPrefix(t)));
    FillCombo(*this, siweistore::kCodeType, types);
}

void CSiweiStoreDlg::ExchangeOwn(CDataExchange* pDX) {
    using namespace siweistore;
    DDX_CBIndex(pDX, kCodeType, answers.surveyType);
    DDX_Text(pDX, kCode, answers.code);
    DDX_Text(pDX, kText31, answers.text31);
    DDX_Text(pDX, kText32, answers.text32);
    DDX_Text(pDX, kLength, answers.value21);
    DDX_Text(pDX, kWidth, answers.value23);
    DDX_Text(pDX, kHeight, answers.value26);
    DDX_Text(pDX, kRemark, answers.remark);
}

Texts CSiweiStoreDlg::OwnTexts() const {
    return {{kCode, &answers.code},
            {siweistore::kText31, &answers.text31},
            {siweistore::kText32, &answers.text32},
            {kRemark, &answers.remark}};
}

CHaizhiStoreDlg::CHaizhiStoreDlg(ISurveyHost& host, bool smoothing, CWnd* parent)
    : CPowerlineStoreDlg(haizhistore::IDD, host, smoothing, true, parent) {}

void CHaizhiStoreDlg::FillLists() {
    std::vector<CString> poles;
    for (const IdText& row : FeatureCodes().haizhiPoles) poles.push_back(row.text);
    FillCombo(*this, haizhistore::kPoleKind, poles);
    const auto& rows = FeatureCodes().haizhiPoles;
    const auto kept =
        std::find_if(rows.begin(), rows.end(), [&](const IdText& r) { return r.text == answers.remark; });
    pole_ = kept == rows.end() ? 0 : static_cast<int>(kept - rows.begin());
}

void CHaizhiStoreDlg::ExchangeOwn(CDataExchange* pDX) {
    DDX_Text(pDX, kCode, answers.code);
    DDX_CBIndex(pDX, haizhistore::kPoleKind, pole_);
    if (pDX->m_bSaveAndValidate) answers.remark = FeatureCodes().haizhiPoles[pole_].text;
}

Texts CHaizhiStoreDlg::OwnTexts() const {
    return {{kCode, &answers.code}};
}

CXlcadStoreDlg::CXlcadStoreDlg(ISurveyHost& host, bool smoothing, CWnd* parent)
    : CPowerlineStoreDlg(xlcadstore::IDD, host, smoothing, true, parent) {
    BindControl(xlcadstore::kType, CBN_SELCHANGE, &CXlcadStoreDlg::OnTypeChange);
}

namespace {
constexpr int kXlcadTypes = 3;  // J桩, Z桩, any other point
const CString& XlcadSeries(const TextTriple& series, int type) {
    return type == 0 ? series.first : type == 1 ? series.second : series.third;
}
}  // namespace

BOOL CXlcadStoreDlg::OnInitDialog() {
    answers.surveyType = std::clamp(answers.surveyType, 0, kXlcadTypes - 1);
    answers.name = XlcadSeries(series, answers.surveyType);
    CPowerlineStoreDlg::OnInitDialog();
    SetDlgItemText(xlcadstore::kSeriesJ, series.first);
    SetDlgItemText(xlcadstore::kSeriesZ, series.second);
    SetDlgItemText(xlcadstore::kSeriesN, series.third);
    return TRUE;
}

void CXlcadStoreDlg::FillLists() {
    FillCombo(*this, xlcadstore::kType, {L"J桩", L"Z桩", L"其他点"});
}

void CXlcadStoreDlg::ExchangeOwn(CDataExchange* pDX) {
    using namespace xlcadstore;
    DDX_CBIndex(pDX, kType, answers.surveyType);
    DDX_Text(pDX, kCode, answers.code);
    DDX_Text(pDX, kNumber31, answers.number31);
    DDX_Text(pDX, kNumber32, answers.number32);
    DDX_Text(pDX, kHeight, answers.value26);
    DDX_Text(pDX, kRemark, answers.remark);
}

Texts CXlcadStoreDlg::OwnTexts() const {
    return {{kCode, &answers.code}, {kRemark, &answers.remark}};
}

void CXlcadStoreDlg::OnTypeChange() {
    const int type = static_cast<int>(SendDlgItemMessage(xlcadstore::kType, CB_GETCURSEL));
    SetDlgItemText(plstore::kName, XlcadSeries(series, type));
}

CGeneralStoreDlg::CGeneralStoreDlg(ISurveyHost& host, bool smoothing, CWnd* parent)
    : CPowerlineStoreDlg(generalstore::IDD, host, smoothing, true, parent) {}

void CGeneralStoreDlg::ExchangeOwn(CDataExchange* pDX) {
    DDX_Text(pDX, kCode, answers.code);
    DDX_Text(pDX, kRemark, answers.remark);
}

Texts CGeneralStoreDlg::OwnTexts() const {
    return {{kCode, &answers.code}, {kRemark, &answers.remark}};
}

CSibeidaStoreDlg::CSibeidaStoreDlg(ISurveyHost& host, bool smoothing, CWnd* parent)
    : CPowerlineStoreDlg(sibeidastore::IDD, host, smoothing, true, parent) {}

void CSibeidaStoreDlg::ExchangeOwn(CDataExchange* pDX) {
    DDX_Text(pDX, sibeidastore::kType, answers.surveyType);
    DDX_Text(pDX, sibeidastore::kAngle, answers.value21);
    DDX_Text(pDX, kCode, answers.code);
    DDX_Text(pDX, kRemark, answers.remark);
}

Texts CSibeidaStoreDlg::OwnTexts() const {
    return {{kCode, &answers.code}, {kRemark, &answers.remark}};
}

CBaiheStoreDlg::CBaiheStoreDlg(ISurveyHost& host, bool smoothing, CWnd* parent)
    : CPowerlineStoreDlg(baihestore::IDD, host, smoothing, true, parent) {}

void CBaiheStoreDlg::FillLists() {
    FillCombo(*this, baihestore::kCategory, {L"0", L"1", L"2", L"3", L"4"});
    FillCombo(*this, baihestore::kPointIndex, {L"1", L"2", L"3"});
}

void CBaiheStoreDlg::ExchangeOwn(CDataExchange* pDX) {
    using namespace baihestore;
    int pole = answers.poleIndex + 1;
    DDX_Text(pDX, kRemark, answers.remark);
    DDX_Text(pDX, kType, answers.surveyType);
    DDX_CBIndex(pDX, kCategory, answers.category);
    DDX_CBIndex(pDX, kPointIndex, answers.pointIndex);
    DDX_Text(pDX, kJNumber, answers.jText);
    DDX_Text(pDX, kZNumber, answers.zText);
    DDX_Text(pDX, kCode, answers.code);
    DDX_Text(pDX, kPoleCode, pole);
    DDX_Text(pDX, kCrossingCode, answers.crossedObject);
    DDX_Text(pDX, kFeatureCode, answers.featureCode);
    DDX_Text(pDX, kLength, answers.value21);
    DDX_Text(pDX, kWidth, answers.value23);
    DDX_Text(pDX, kHeight, answers.value26);
    DDX_Text(pDX, kTrailing1, answers.trailing1);
    DDX_Text(pDX, kTrailing2, answers.trailing2);
    answers.poleIndex = pole - 1;
    answers.nSeries = answers.name;
}

Texts CBaiheStoreDlg::OwnTexts() const {
    using namespace baihestore;
    return {{kRemark, &answers.remark}, {kJNumber, &answers.jText},       {kZNumber, &answers.zText},
            {kCode, &answers.code},     {kTrailing1, &answers.trailing1}, {kTrailing2, &answers.trailing2}};
}

CSectionStoreDlg::CSectionStoreDlg(ISurveyHost& host, bool smoothing, CWnd* parent)
    : CPowerlineStoreDlg(sectionstore::IDD, host, smoothing, false, parent) {}

BOOL CSectionStoreDlg::OnInitDialog() {
    CPowerlineStoreDlg::OnInitDialog();
    SetDlgItemText(sectionstore::kLabel, sectionLabel);
    return TRUE;
}

void CSectionStoreDlg::ExchangeOwn(CDataExchange* pDX) {
    DDX_Text(pDX, kCode, answers.code);
    DDX_Text(pDX, sectionstore::kOffset, answers.value29);
    DDX_Text(pDX, sectionstore::kHeightDiff, answers.value30);
}

Texts CSectionStoreDlg::OwnTexts() const {
    return {{kCode, &answers.code}};
}

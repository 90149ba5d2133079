#include "survey/screens/CDataEditDlg.h"

#include "platform/text/Format.h"
#include "survey/DataEditRules.h"
#include "survey/FeatureCodes.h"

namespace {
using namespace dataedit;
enum SurveyFormat { kDaoheng = 0, kSiwei = 1, kHaizhi = 2 };
constexpr int kCrossingSubType = 3;
constexpr int kLastSubType = 6;
constexpr int kChoosableSubTypes = 2;  // J桩 and Z桩

CString Metres(double value) {
    return Format(L"%.3f", value);
}

// A stored code's text in its table, or the code itself when the table has no row for it.
CString CodeText(const std::vector<IdText>& table, int32_t code) {
    const CString text = TextOfId(table, code);
    return text.IsEmpty() ? Format(L"%d", code) : text;
}

bool HasComma(const CString& text) {
    return text.Find(L',') >= 0;
}
}  // namespace

CDataEditDlg::CDataEditDlg(const SurveyPointRec& point, CWnd* parent) : CDialog(IDD, parent), point_(point) {
    subType_.id = kSubType;
    crossing_.id = kCrossing;
    terrain_.id = kTerrain;
    pole_.id = kPoleType;
    BindControl(kSubType, CBN_SELCHANGE, &CDataEditDlg::OnPointTypeChange);
}

BOOL CDataEditDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    ShowWindow(SW_MAXIMIZE);
    valid_ = point_.pointKind == 0;
    format_ = point_.storeFormat;
    name_ = point_.name;
    firstValue_ = point_.code;
    antennaHeight_ = point_.antennaHeight;
    ShowControls();
    if (!valid_) {
        dataType_ = PointKindText(point_.pointKind);
    } else if (format_ == kDaoheng) {
        FillDaoheng();
    } else if (format_ == kSiwei) {
        dataType_ = L"有效点--思维";
        measuredHeight_ = Metres(point_.value26);
        width_ = Metres(point_.value23);
        length_ = Metres(point_.value21);
        numbers_ = {{kMeasuredHeight, 0.0}, {kWidth, 0.0}, {kLength, 0.0}};
    } else if (format_ == kHaizhi) {
        dataType_ = L"有效点--海智";
        std::vector<int32_t> codes;
        for (const IdText& row : FeatureCodes().haizhiPoles) {
            haizhiTexts_.push_back(row.text);
            codes.push_back(row.id);
        }
        int32_t stored = -1;
        for (size_t i = 0; i < haizhiTexts_.size(); ++i)
            if (haizhiTexts_[i] == point_.text33) stored = static_cast<int32_t>(i);
        FillChoice(pole_, haizhiTexts_, codes, stored, point_.text33);
    } else {
        dataType_ = L"有效点--通用";
        remark_ = point_.text33;
    }
    UpdateData(FALSE);
    return TRUE;
}

void CDataEditDlg::FillDaoheng() {
    const FeatureCodeTables& tables = FeatureCodes();
    const int subType = point_.surveyType;
    dataType_ = L"有效点--道亨";
    firstValue_ = Metres(point_.value26);
    length_ = Metres(point_.value21);
    remark_ = point_.text33;
    numbers_ = {{kFirstValue, 0.0}, {kLength, 0.0}};
    std::vector<CString> texts;
    std::vector<int32_t> codes;
    for (int i = 0; i <= kLastSubType; ++i) {
        texts.push_back(SubTypeText(i));
        codes.push_back(i);
    }
    FillChoice(subType_, texts, codes, subType, Format(L"%d", subType));
    texts.clear();
    codes.clear();
    for (int i = 0; i < kCrossingItemCount; ++i) {
        texts.push_back(kCrossingItems[i]);
        codes.push_back(CrossingItemCode(i));
    }
    FillChoice(crossing_, texts, codes, point_.int20, CodeText(tables.crossing, point_.int20));
    FillFromTable(pole_, tables.poleType, kPoleTypeItemCount, point_.int19);
    FillFromTable(terrain_, tables.terrain, kTerrainItemCount, point_.int22);

    // Only J桩 and Z桩 points can change their sub-type or name.
    Enable({kName, kSubType}, subType < kChoosableSubTypes);
    const bool crossingPoint = subType == kCrossingSubType;
    const bool featurePoint = subType > kCrossingSubType && subType <= kLastSubType;
    Show({kCrossing, kPoleType}, !featurePoint);
    Show({kTerrain, kWidth}, featurePoint);
    Enable({kCrossing, kTerrain, kPoleType, kLength, kFirstValue}, crossingPoint || featurePoint);
    if (featurePoint) {
        width_ = Metres(point_.value23);
        numbers_.push_back({kWidth, 0.0});
    }
}

void CDataEditDlg::FillChoice(Choice& choice, const std::vector<CString>& texts,
                              const std::vector<int32_t>& codes, int32_t stored, const CString& extraText) {
    auto* combo = static_cast<CComboBox*>(GetDlgItem(static_cast<int>(choice.id)));
    combo->ResetContent();
    choice.codes = codes;
    for (const CString& text : texts) combo->AddString(text);
    choice.index = 0;
    for (size_t i = 0; i < codes.size(); ++i)
        if (codes[i] == stored) {
            choice.index = static_cast<int>(i);
            return;
        }
    combo->AddString(extraText);
    choice.codes.push_back(stored);
    choice.index = static_cast<int>(codes.size());
}

void CDataEditDlg::FillFromTable(Choice& choice, const std::vector<IdText>& table, int count,
                                 int32_t stored) {
    std::vector<CString> texts;
    std::vector<int32_t> codes;
    for (size_t i = 0; i < static_cast<size_t>(count); ++i) {
        texts.push_back(table[i].text);
        codes.push_back(table[i].id);
    }
    FillChoice(choice, texts, codes, stored, CodeText(table, stored));
}

int32_t CDataEditDlg::ChosenCode(const Choice& choice) const {
    return choice.index >= 0 && choice.index < static_cast<int>(choice.codes.size())
               ? choice.codes[static_cast<size_t>(choice.index)]
               : -1;
}

void CDataEditDlg::Show(std::initializer_list<UINT> ids, bool show) {
    for (UINT id : ids) GetDlgItem(static_cast<int>(id))->ShowWindow(show ? SW_SHOW : SW_HIDE);
}

void CDataEditDlg::Enable(std::initializer_list<UINT> ids, bool enable) {
    for (UINT id : ids) GetDlgItem(static_cast<int>(id))->EnableWindow(enable);
}

void CDataEditDlg::ShowControls() {
    const std::initializer_list<UINT> pointFields = {
        kCrossing, kTerrain,      kPoleType,  kSubType,     kMeasuredHeight, kWidth,
        kLength,   kFeatureLabel, kPoleLabel, kLengthLabel, kSubTypeLabel};
    Show(pointFields, valid_);
    if (!valid_ || format_ != kDaoheng) SetDlgItemText(kFirstLabel, L"编  码:");
    if (!valid_) {
        Show({kRemarkLabel, kRemark}, false);
        return;
    }
    if (format_ == kDaoheng) {
        Show({kMeasuredHeight}, false);
        return;
    }
    Show({kSubTypeLabel, kSubType, kRemarkLabel, kRemark}, false);
    if (format_ == kSiwei) {
        SetDlgItemText(kFeatureLabel, L"量  高:");
        Show({kCrossing, kTerrain, kPoleType}, false);
    } else if (format_ == kHaizhi) {
        Show({kFeatureLabel, kCrossing, kTerrain, kMeasuredHeight, kWidth, kLengthLabel, kLength}, false);
    } else {
        Show({kRemarkLabel, kRemark}, true);
        Show({kFeatureLabel, kPoleLabel, kLengthLabel, kCrossing, kTerrain, kPoleType, kMeasuredHeight,
              kWidth, kLength},
             false);
    }
}

void CDataEditDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_Text(pDX, kDataType, dataType_);
    DDX_Text(pDX, kName, name_);
    DDX_Text(pDX, kFirstValue, firstValue_);
    DDX_Text(pDX, kMeasuredHeight, measuredHeight_);
    DDX_Text(pDX, kWidth, width_);
    DDX_Text(pDX, kLength, length_);
    DDX_Text(pDX, kRemark, remark_);
    for (Choice* choice : {&subType_, &crossing_, &terrain_, &pole_})
        if (!choice->codes.empty()) DDX_CBIndex(pDX, static_cast<int>(choice->id), choice->index);
    if (!pDX->m_bSaveAndValidate) {
        DDX_Text(pDX, kAntennaHeight, antennaHeight_);
        return;
    }
    for (auto& [id, value] : numbers_) DDX_Text(pDX, static_cast<int>(id), value);
    DDX_Text(pDX, kAntennaHeight, antennaHeight_);
    if (antennaHeight_ < 0) {
        MessageBox(L"天线高不能小于0!", L"提示", MB_OK | MB_ICONINFORMATION);
        pDX->Fail();
    }
    if (!TextsStorable()) {
        MessageBox(L"点名和属性中不能有逗号,请重新输入!", L"提示", MB_OK | MB_ICONINFORMATION);
        pDX->Fail();
    }
}

bool CDataEditDlg::TextsStorable() const {
    // A 道亨 point's first value is its measured height, a number.
    const bool firstIsCode = !valid_ || format_ != kDaoheng;
    return !HasComma(name_) && !(firstIsCode && HasComma(firstValue_)) && !HasComma(remark_);
}

void CDataEditDlg::OnPointTypeChange() {
    auto* combo = static_cast<CComboBox*>(GetDlgItem(kSubType));
    const int chosen = combo->GetCurSel();
    if (chosen >= 0 && chosen < kChoosableSubTypes) {
        subType_.index = chosen;
    } else {
        combo->SetCurSel(subType_.index);
    }
}

void CDataEditDlg::OnOK() {
    if (!UpdateData(TRUE)) return;
    if (MessageBox(L"确定编辑吗?", L"提示", MB_YESNO | MB_ICONQUESTION) != IDYES) return;
    ApplyEdits();
    CDialog::OnOK();
}

void CDataEditDlg::ApplyEdits() {
    const auto number = [this](UINT id) {
        for (const auto& [numberId, value] : numbers_)
            if (numberId == id) return value;
        return 0.0;
    };
    point_.name = name_;
    if (!valid_) {
        point_.code = firstValue_;
    } else if (format_ == kDaoheng) {
        if (point_.surveyType < kChoosableSubTypes) point_.surveyType = ChosenCode(subType_);
        if (point_.surveyType == kCrossingSubType) {
            point_.int20 = ChosenCode(crossing_);
            point_.int19 = ChosenCode(pole_);
        } else if (point_.surveyType > kCrossingSubType && point_.surveyType <= kLastSubType) {
            point_.int22 = ChosenCode(terrain_);
            point_.value23 = number(kWidth);
        }
        point_.value21 = number(kLength);
        point_.value26 = number(kFirstValue);
        point_.text33 = remark_;
    } else if (format_ == kSiwei) {
        point_.value26 = number(kMeasuredHeight);
        point_.value23 = number(kWidth);
        point_.value21 = number(kLength);
        point_.code = SiweiCode(point_);
    } else if (format_ == kHaizhi) {
        point_.code = firstValue_;
        if (pole_.index >= 0 && pole_.index < static_cast<int>(haizhiTexts_.size()))
            point_.text33 = haizhiTexts_[static_cast<size_t>(pole_.index)];
    } else {
        point_.code = firstValue_;
        point_.text33 = remark_;
    }
    ChangeAntennaHeight(point_, antennaHeight_);
}

#include "geodesy/screens/ParamFields.h"

#include <iterator>

#include "platform/ui/ComboBox.h"
#include "resources/FourParamDlg.h"
#include "resources/HeightFitParamDlg.h"
#include "resources/ProjectionParamDlg.h"
#include "resources/SevenParamDlg.h"

namespace {
constexpr const wchar_t* kProjectionNames[] = {L"高斯投影", L"UTM投影", L"横轴墨卡托投影", L"倾斜赤平投影",
                                               L"双赤平投影"};
constexpr UINT kFourEdits[] = {fourparam::kShiftX, fourparam::kShiftY, fourparam::kRotation,
                               fourparam::kScale};
constexpr UINT kSevenEdits[] = {sevenparam::kDx, sevenparam::kDy, sevenparam::kDz, sevenparam::kRx,
                                sevenparam::kRy, sevenparam::kRz, sevenparam::kPpm};
constexpr UINT kFitEdits[] = {heightfit::kA0, heightfit::kA1, heightfit::kA2, heightfit::kA3,
                              heightfit::kA4, heightfit::kA5, heightfit::kX0, heightfit::kY0};
constexpr size_t kCoefficientCount = 6;

void EnableControls(CDialog& dlg, std::span<const UINT> ids, bool enable) {
    for (UINT id : ids)
        if (CWnd* control = dlg.GetDlgItem(static_cast<int>(id))) control->EnableWindow(enable);
}

CComboBox* Combo(CDialog& dlg, UINT id) {
    return dynamic_cast<CComboBox*>(dlg.GetDlgItem(static_cast<int>(id)));
}
}  // namespace

const wchar_t* ProjectionName(int32_t type) {
    return type >= 0 && type < static_cast<int32_t>(std::size(kProjectionNames)) ? kProjectionNames[type]
                                                                                 : kProjectionNames[0];
}

void EllipsoidFields::Init(CDialog& dlg, const EllipsoidParams& job) {
    FillEllipsoidList(rows);
    if (CComboBox* combo = Combo(dlg, projparam::kEllipsoid))
        for (const EllipsoidParams& r : rows) combo->AddString(r.szDatum);
    row = FindEllipsoidRow(rows, job.szDatum);
    if (row < 0) row = kUserDefinedEllipsoid;
    semiMajor = job.szdDa;
    invFlattening = job.szdDf;
    EnableTyping(dlg);
}

void EllipsoidFields::Exchange(CDataExchange* pDX) {
    DDX_CBIndex(pDX, projparam::kEllipsoid, row);
    DDX_Text(pDX, projparam::kSemiMajor, semiMajor);
    DDX_Text(pDX, projparam::kInvFlattening, invFlattening);
}

void EllipsoidFields::OnChosen(CDialog& dlg) {
    if (!dlg.UpdateData(TRUE)) return;
    if (row >= 0 && row < static_cast<int>(rows.size())) {
        semiMajor = rows[static_cast<size_t>(row)].szdDa;
        invFlattening = rows[static_cast<size_t>(row)].szdDf;
    }
    EnableTyping(dlg);
    dlg.UpdateData(FALSE);
}

EllipsoidParams EllipsoidFields::Values() const {
    const bool chosen = row >= 0 && row < static_cast<int>(rows.size());
    return {chosen ? rows[static_cast<size_t>(row)].szDatum : CString(), semiMajor, invFlattening};
}

void EllipsoidFields::EnableTyping(CDialog& dlg) const {
    const UINT ids[] = {projparam::kSemiMajor, projparam::kInvFlattening};
    EnableControls(dlg, ids, row == kUserDefinedEllipsoid);
}

void ProjectionFields::Init(CDialog& dlg, const ProjectionBlock& job) {
    if (CComboBox* combo = Combo(dlg, projparam::kProjection))
        for (const wchar_t* name : kProjectionNames) combo->AddString(name);
    values = ProjectionValuesOf(job);
    const UINT ids[] = {projparam::kBaseLatitude};
    EnableControls(dlg, ids, UsesBaseLatitude(values.type));
}

void ProjectionFields::Exchange(CDataExchange* pDX) {
    DDX_CBIndex(pDX, projparam::kProjection, values.type);
    DDX_Text(pDX, projparam::kCentralMeridian, values.centralMeridian);
    DDX_Text(pDX, projparam::kFalseNorthing, values.falseNorthing);
    DDX_Text(pDX, projparam::kFalseEasting, values.falseEasting);
    DDX_Text(pDX, projparam::kScale, values.scale);
    DDX_Text(pDX, projparam::kHeight, values.height);
    DDX_Text(pDX, projparam::kBaseLatitude, values.baseLatitude);
}

void ProjectionFields::OnTypeChosen(CDialog& dlg) {
    if (!dlg.UpdateData(TRUE)) return;
    const UINT ids[] = {projparam::kBaseLatitude};
    EnableControls(dlg, ids, UsesBaseLatitude(values.type));
    values.scale = ProposedScale(values.type);
    dlg.UpdateData(FALSE);
}

void FourParamFields::Init(CDialog& dlg, const FourParamBlock& job) {
    values = FourParamValuesOf(job);
    EnableControls(dlg, kFourEdits, values.enabled != 0);
}

void FourParamFields::Exchange(CDataExchange* pDX) {
    DDX_Check(pDX, fourparam::kEnable, values.enabled);
    DDX_Text(pDX, fourparam::kShiftX, values.shiftX);
    DDX_Text(pDX, fourparam::kShiftY, values.shiftY);
    DDX_Text(pDX, fourparam::kRotation, values.rotation);
    DDX_Text(pDX, fourparam::kScale, values.scale);
}

void FourParamFields::OnEnableClicked(CDialog& dlg) {
    if (!dlg.UpdateData(TRUE)) return;
    EnableControls(dlg, kFourEdits, values.enabled != 0);
}

void SevenParamFields::Init(CDialog& dlg, const SevenParamBlock& job) {
    values = SevenParamValuesOf(job);
    EnableControls(dlg, kSevenEdits, values.enabled != 0);
}

void SevenParamFields::Exchange(CDataExchange* pDX) {
    DDX_Check(pDX, static_cast<int>(checkId_), values.enabled);
    DDX_Text(pDX, sevenparam::kDx, values.dx);
    DDX_Text(pDX, sevenparam::kDy, values.dy);
    DDX_Text(pDX, sevenparam::kDz, values.dz);
    DDX_Text(pDX, sevenparam::kRx, values.rx);
    DDX_Text(pDX, sevenparam::kRy, values.ry);
    DDX_Text(pDX, sevenparam::kRz, values.rz);
    DDX_Text(pDX, sevenparam::kPpm, values.ppm);
}

void SevenParamFields::OnEnableClicked(CDialog& dlg) {
    if (!dlg.UpdateData(TRUE)) return;
    EnableControls(dlg, kSevenEdits, values.enabled != 0);
}

std::span<const UINT> HeightFitFields::Edits() const {
    return withOrigin_ ? std::span<const UINT>(kFitEdits)
                       : std::span<const UINT>(kFitEdits, kCoefficientCount);
}

void HeightFitFields::Init(CDialog& dlg, const HeightFitParams& job) {
    values = HeightFitValuesOf(job);
    EnableControls(dlg, Edits(), values.enabled != 0);
}

void HeightFitFields::Exchange(CDataExchange* pDX) {
    DDX_Check(pDX, heightfit::kEnable, values.enabled);
    for (size_t i = 0; i < kCoefficientCount; ++i) DDX_Text(pDX, static_cast<int>(kFitEdits[i]), values.a[i]);
    if (!withOrigin_) return;
    DDX_Text(pDX, heightfit::kX0, values.x0);
    DDX_Text(pDX, heightfit::kY0, values.y0);
}

void HeightFitFields::OnEnableClicked(CDialog& dlg) {
    if (!dlg.UpdateData(TRUE)) return;
    EnableControls(dlg, Edits(), values.enabled != 0);
}

void ShowRefusal(CDialog& dlg, const ParamRefusal& refusal, UINT fieldId) {
    dlg.MessageBox(refusal.text, L"提示", MB_OK | MB_ICONINFORMATION);
    if (CWnd* field = dlg.GetDlgItem(static_cast<int>(fieldId))) dlg.GotoDlgCtrl(field);
}

UINT ProjectionFieldId(ParamField field) {
    switch (field) {
        case ParamField::kSemiMajor:
            return projparam::kSemiMajor;
        case ParamField::kInvFlattening:
            return projparam::kInvFlattening;
        case ParamField::kCentralMeridian:
            return projparam::kCentralMeridian;
        case ParamField::kScale:
            return projparam::kScale;
        default:
            return projparam::kBaseLatitude;
    }
}

UINT FourParamFieldId(ParamField field) {
    return field == ParamField::kRotation ? fourparam::kRotation : fourparam::kScale;
}

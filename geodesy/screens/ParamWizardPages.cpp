#include "geodesy/screens/ParamWizardPages.h"

#include "resources/FourParamDlg.h"
#include "resources/HeightFitParamDlg.h"
#include "resources/ParamWizardDlg.h"
#include "resources/ProjectionParamDlg.h"

bool CWizPage::Collect(std::optional<PageRefusal>& refusal) {
    if (!UpdateData(TRUE)) return false;
    refusal = Check();
    return true;
}

BOOL CWizPage::OnInitDialog() {
    CDialog::OnInitDialog();
    InitFrom(start_ ? *start_ : CoordSysParams{});
    UpdateData(FALSE);
    return TRUE;
}

CWizEllipsoidPage::CWizEllipsoidPage() {
    BindControl(projparam::kEllipsoid, CBN_SELCHANGE, &CWizEllipsoidPage::OnSelEllipsoid);
}

void CWizEllipsoidPage::InitFrom(const CoordSysParams& spare) {
    fields_.Init(*this, spare.ellipsoid);
}

std::optional<PageRefusal> CWizEllipsoidPage::Check() const {
    if (const auto refusal = fields_.Check()) return PageRefusal{*refusal, ProjectionFieldId(refusal->field)};
    return std::nullopt;
}

void CWizEllipsoidPage::OnSelEllipsoid() {
    fields_.OnChosen(*this);
}

CWizProjectionPage::CWizProjectionPage() {
    BindControl(projparam::kProjection, CBN_SELCHANGE, &CWizProjectionPage::OnSelProjection);
}

void CWizProjectionPage::InitFrom(const CoordSysParams& spare) {
    fields_.Init(*this, spare.projection);
}

std::optional<PageRefusal> CWizProjectionPage::Check() const {
    if (const auto refusal = CheckProjection(fields_.values))
        return PageRefusal{*refusal, ProjectionFieldId(refusal->field)};
    return std::nullopt;
}

void CWizProjectionPage::OnSelProjection() {
    fields_.OnTypeChosen(*this);
}

CWizFourParamPage::CWizFourParamPage() {
    BindCommand(fourparam::kEnable, &CWizFourParamPage::OnEnable);
}

void CWizFourParamPage::InitFrom(const CoordSysParams& spare) {
    fields_.Init(*this, spare.four);
}

std::optional<PageRefusal> CWizFourParamPage::Check() const {
    if (const auto refusal = CheckFourParams(fields_.values))
        return PageRefusal{*refusal, FourParamFieldId(refusal->field)};
    return std::nullopt;
}

void CWizFourParamPage::OnEnable() {
    fields_.OnEnableClicked(*this);
}

CWizSevenParamPage::CWizSevenParamPage() : fields_(paramwizard::kSevenEnable) {
    BindCommand(paramwizard::kSevenEnable, &CWizSevenParamPage::OnEnable);
}

void CWizSevenParamPage::InitFrom(const CoordSysParams& spare) {
    fields_.Init(*this, spare.seven);
}

void CWizSevenParamPage::OnEnable() {
    fields_.OnEnableClicked(*this);
}

CWizHeightFitPage::CWizHeightFitPage() {
    BindCommand(heightfit::kEnable, &CWizHeightFitPage::OnEnable);
}

void CWizHeightFitPage::InitFrom(const CoordSysParams& spare) {
    fields_.Init(*this, spare.heightFit);
}

void CWizHeightFitPage::OnEnable() {
    fields_.OnEnableClicked(*this);
}

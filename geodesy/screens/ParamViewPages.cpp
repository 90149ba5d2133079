#include "geodesy/screens/ParamViewPages.h"

#include "geodesy/CoordParamGroups.h"
#include "geodesy/screens/CFourParamDlg.h"
#include "geodesy/screens/CHeightFitParamDlg.h"
#include "geodesy/screens/CProjectionParamDlg.h"
#include "geodesy/screens/CSevenParamDlg.h"
#include "platform/text/Format.h"

namespace {
void Save(IGeodesyFrame& frame) {
    frame.JobSettings().WriteCoordParams(frame.JobCoordParams());
}

// After the datum or the projection changed, with the new parameters applied.
void ReprojectBaseAndSave(IGeodesyFrame& frame) {
    RecomputeBaseStation(frame.JobCoordParams(), frame.PositionTransform());
    Save(frame);
}
}  // namespace

CParamViewPage::CParamViewPage() : frame_(GeodesyFrame()) {
    BindCommand(paramview::kSet, &CParamViewPage::OnSet);
}

BOOL CParamViewPage::OnInitDialog() {
    CDialog::OnInitDialog();
    Fill();
    return TRUE;
}

void CParamViewPage::Fill() {
    if (frame_) FillFrom(frame_->JobCoordParams());
}

void CParamViewPage::OnSet() {
    if (!frame_) return;
    Change(*frame_);
    Fill();
}

void CEllipsoidProjPage::FillFrom(const CoordSysParams& job) {
    const ProjectionValues shown = ProjectionValuesOf(job.projection);
    SetDlgItemText(projpage::kDatum, job.ellipsoid.szDatum);
    SetDlgItemText(projpage::kSemiMajor, Format(L"%.6f", job.ellipsoid.szdDa));
    SetDlgItemText(projpage::kInvFlattening, Format(L"%.10f", job.ellipsoid.szdDf));
    SetDlgItemText(projpage::kProjection, ProjectionName(job.projection.nTouYin));
    SetDlgItemText(projpage::kCentralMeridian, Format(L"%.8f", shown.centralMeridian));
    SetDlgItemText(projpage::kFalseNorthing, Format(L"%ld", job.projection.szlTx));
    SetDlgItemText(projpage::kFalseEasting, Format(L"%ld", job.projection.szlTy));
    SetDlgItemText(projpage::kScale, Format(L"%.8f", job.projection.szdTk));
    SetDlgItemText(projpage::kHeight, Format(L"%.3f", job.projection.szdTHigh));
    SetDlgItemText(projpage::kBaseLatitude, Format(L"%.8f", shown.baseLatitude));
}

void CEllipsoidProjPage::Change(IGeodesyFrame& frame) {
    CProjectionParamDlg dlg(this);
    if (dlg.DoModal() != IDOK) return;
    CoordSysParams& job = frame.JobCoordParams();
    StoreProjectionValues(dlg.m_projection, job.projection);
    job.ellipsoid = dlg.m_ellipsoid;
    frame.ApplyCoordParams();
    frame.RearmWarning(ParamWarning::kCentralMeridian);
    ReprojectBaseAndSave(frame);
}

void CCalibFourParamPage::FillFrom(const CoordSysParams& job) {
    const FourParamValues shown = FourParamValuesOf(job.four);
    SetDlgItemText(fourpage::kInUse, shown.enabled ? L"使用四参" : L"未使用四参");
    SetDlgItemText(fourpage::kShiftX, Format(L"%.10f", shown.shiftX));
    SetDlgItemText(fourpage::kShiftY, Format(L"%.10f", shown.shiftY));
    SetDlgItemText(fourpage::kRotation, Format(L"%.10f", shown.rotation));
    SetDlgItemText(fourpage::kScale, Format(L"%.10f", shown.scale));
    SetDlgItemText(fourpage::kAdjustX, Format(L"%.3f", job.adjust.szdAdjustX));
    SetDlgItemText(fourpage::kAdjustY, Format(L"%.3f", job.adjust.szdAdjustY));
    SetDlgItemText(fourpage::kAdjustH, Format(L"%.3f", job.adjust.szdAdjustH));
}

void CCalibFourParamPage::Change(IGeodesyFrame& frame) {
    CFourParamDlg dlg(this);
    if (dlg.DoModal() != IDOK) return;
    CoordSysParams& job = frame.JobCoordParams();
    StoreFourParamValues(dlg.m_four, job.four);
    job.adjust.szdAdjustX = dlg.m_dAdjustX;
    job.adjust.szdAdjustY = dlg.m_dAdjustY;
    job.adjust.szdAdjustH = dlg.m_dAdjustH;
    frame.RearmWarning(ParamWarning::kFourScale);
    Save(frame);
    frame.ApplyCoordParams();
}

void CHeightFitPage::FillFrom(const CoordSysParams& job) {
    const HeightFitParams& fit = job.heightFit;
    SetDlgItemText(fitpage::kInUse, fit.nNiheMode ? L"使用拟合参数" : L"未使用拟合参数");
    for (size_t i = 0; i < fit.szdNiheA.size(); ++i)
        SetDlgItemText(static_cast<int>(fitpage::kA0 + i), Format(L"%.10f", fit.szdNiheA[i]));
}

void CHeightFitPage::Change(IGeodesyFrame& frame) {
    CHeightFitParamDlg dlg(this);
    if (dlg.DoModal() != IDOK) return;
    StoreHeightFitValues(dlg.m_fit, frame.JobCoordParams().heightFit);
    Save(frame);
    frame.ApplyCoordParams();
}

void CSevenParamPage::FillFrom(const CoordSysParams& job) {
    const SevenParamValues shown = SevenParamValuesOf(job.seven);
    SetDlgItemText(sevenpage::kInUse, shown.enabled ? L"使用七参数" : L"未使用七参数");
    const double values[] = {shown.dx, shown.dy, shown.dz, shown.rx, shown.ry, shown.rz, shown.ppm};
    const UINT ids[] = {sevenpage::kDx, sevenpage::kDy, sevenpage::kDz, sevenpage::kRx,
                        sevenpage::kRy, sevenpage::kRz, sevenpage::kPpm};
    for (size_t i = 0; i < std::size(ids); ++i)
        SetDlgItemText(static_cast<int>(ids[i]), Format(L"%.6f", values[i]));
}

void CSevenParamPage::Change(IGeodesyFrame& frame) {
    CSevenParamDlg dlg(this);
    if (dlg.DoModal() != IDOK) return;
    StoreSevenParamValues(dlg.m_seven, frame.JobCoordParams().seven);
    frame.RearmWarning(ParamWarning::kSevenRotation);
    frame.ApplyCoordParams();
    ReprojectBaseAndSave(frame);
}

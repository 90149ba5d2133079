#include "geodesy/screens/ParamViewPages.h"

#include "geodesy/CoordParamGroups.h"
#include "geodesy/screens/CFourParamDlg.h"
#include "geodesy/screens/CHeightFitParamDlg.h"
#include "geodesy/screens/CProjectionParamDlg.h"
#include "geodesy/screens/CSevenParamDlg.h"
#include "platform/text/Format.h"

CParamViewPage::CParamViewPage(IGeodesyHost& host) : host_(host) {
    BindCommand(paramview::kSet, &CParamViewPage::OnSet);
}

BOOL CParamViewPage::OnInitDialog() {
    CDialog::OnInitDialog();
    Fill();
    return TRUE;
}

void CParamViewPage::Fill() {
    FillFrom(host_.CoordParams());
}

void CParamViewPage::OnSet() {
    Change(host_);
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

void CEllipsoidProjPage::Change(IGeodesyHost& host) {
    CProjectionParamDlg dlg(host.CoordParams(), this);
    if (dlg.DoModal() != IDOK) return;
    CoordSysParams job = host.CoordParams();
    StoreProjectionValues(dlg.m_projection, job.projection);
    job.ellipsoid = dlg.m_ellipsoid;
    host.RearmWarning(ParamWarning::kCentralMeridian);
    host.SaveCoordParams(job, BaseStation::kReprojected);
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

void CCalibFourParamPage::Change(IGeodesyHost& host) {
    CFourParamDlg dlg(host.CoordParams(), this);
    if (dlg.DoModal() != IDOK) return;
    CoordSysParams job = host.CoordParams();
    dlg.StoreInto(job);
    host.RearmWarning(ParamWarning::kFourScale);
    host.SaveCoordParams(job, BaseStation::kKept);
}

void CHeightFitPage::FillFrom(const CoordSysParams& job) {
    const HeightFitParams& fit = job.heightFit;
    SetDlgItemText(fitpage::kInUse, fit.nNiheMode ? L"使用拟合参数" : L"未使用拟合参数");
    for (size_t i = 0; i < fit.szdNiheA.size(); ++i)
        SetDlgItemText(static_cast<int>(fitpage::kA0 + i), Format(L"%.10f", fit.szdNiheA[i]));
}

void CHeightFitPage::Change(IGeodesyHost& host) {
    CHeightFitParamDlg dlg(host.CoordParams(), this);
    if (dlg.DoModal() != IDOK) return;
    CoordSysParams job = host.CoordParams();
    StoreHeightFitValues(dlg.m_fit, job.heightFit);
    host.SaveCoordParams(job, BaseStation::kKept);
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

void CSevenParamPage::Change(IGeodesyHost& host) {
    CSevenParamDlg dlg(host.CoordParams(), this);
    if (dlg.DoModal() != IDOK) return;
    CoordSysParams job = host.CoordParams();
    StoreSevenParamValues(dlg.m_seven, job.seven);
    host.RearmWarning(ParamWarning::kSevenRotation);
    host.SaveCoordParams(job, BaseStation::kReprojected);
}

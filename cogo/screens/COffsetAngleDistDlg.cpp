#include "cogo/screens/COffsetAngleDistDlg.h"

#include "cogo/AngleUnits.h"
#include "cogo/screens/PointRows.h"
#include "platform/text/Format.h"

COffsetAngleDistDlg::COffsetAngleDistDlg(ICoordLibraryHost& library, CWnd* parent)
    : CCogoDlg(IDD, library, parent) {}

void COffsetAngleDistDlg::ReadInputs(CDataExchange* pDX) {
    DDX_PlanePoint(pDX, cogo::kRowA, station_);
    DDX_PlanePoint(pDX, cogo::kRowB, reference_);
    DDX_PlanePoint(pDX, cogo::kRowC, target_);
}

void COffsetAngleDistDlg::Compute() {
    AngleDistance r;
    const CogoStatus status = OffsetAngleDistance(station_, reference_, target_, r);
    if (status != CogoStatus::kOk) return Refuse(L"测站与定向点或目标点重合,无法计算!");
    ShowResult(Format(L"偏角: %s\n距离: %.3f", FormatPackedAngle(r.angle), r.distance));
}

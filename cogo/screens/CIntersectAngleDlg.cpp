#include "cogo/screens/CIntersectAngleDlg.h"

#include "cogo/AngleUnits.h"
#include "cogo/screens/PointRows.h"
#include "platform/text/Format.h"

CIntersectAngleDlg::CIntersectAngleDlg(ICoordLibraryHost& library, CWnd* parent)
    : CCogoDlg(IDD, library, parent) {}

void CIntersectAngleDlg::ReadInputs(CDataExchange* pDX) {
    DDX_PlanePoint(pDX, cogo::kRowA, a1_);
    DDX_PlanePoint(pDX, cogo::kRowB, a2_);
    DDX_PlanePoint(pDX, cogo::kRowC, b1_);
    DDX_PlanePoint(pDX, cogo::kRowD, b2_);
}

void CIntersectAngleDlg::Compute() {
    LineIntersection r;
    const CogoStatus status = IntersectLines(a1_, a2_, b1_, b2_, r);
    if (status == CogoStatus::kCoincidentPoints) return Refuse(L"直线的两点重合,无法计算!");
    if (status != CogoStatus::kOk) return Refuse(status);
    ShowResult(
        Format(L"交点X: %.3f\n交点Y: %.3f\n夹角: %s", r.point.x, r.point.y, FormatPackedAngle(r.angle)));
}

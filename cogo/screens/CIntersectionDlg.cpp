#include "cogo/screens/CIntersectionDlg.h"

#include "cogo/screens/PointRows.h"
#include "platform/text/Format.h"

CIntersectionDlg::CIntersectionDlg(ICoordLibraryHost& library, CWnd* parent)
    : CCogoDlg(IDD, library, parent) {}

void CIntersectionDlg::ReadInputs(CDataExchange* pDX) {
    DDX_PlanePoint(pDX, cogo::kRowA, a_);
    DDX_PackedAngle(pDX, intersection::kAzimuthA, azimuthA_);
    DDX_PlanePoint(pDX, cogo::kRowB, b_);
    DDX_PackedAngle(pDX, intersection::kAzimuthB, azimuthB_);
}

void CIntersectionDlg::Compute() {
    PlanePoint p;
    const CogoStatus status = Intersection(a_, azimuthA_, b_, azimuthB_, p);
    if (status == CogoStatus::kParallel) return Refuse(L"两方向平行,没有交点!");
    if (status == CogoStatus::kNoIntersection) return Refuse(L"两方向线在测站后方相交,请检查方位角!");
    ShowResult(Format(L"交点X: %.3f\n交点Y: %.3f", p.x, p.y));
}

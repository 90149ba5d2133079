#include "cogo/screens/CForwardCalcDlg.h"

#include "cogo/screens/PointRows.h"
#include "platform/text/Format.h"

CForwardCalcDlg::CForwardCalcDlg(ICoordLibraryHost& library, CWnd* parent) : CCogoDlg(IDD, library, parent) {}

void CForwardCalcDlg::ReadInputs(CDataExchange* pDX) {
    DDX_PlanePoint(pDX, cogo::kRowA, start_);
    DDX_PackedAngle(pDX, forwardcalc::kAzimuth, azimuth_);
    DDX_Text(pDX, forwardcalc::kDistance, distance_);
}

void CForwardCalcDlg::Compute() {
    const PlanePoint end = ForwardPoint(start_, azimuth_, distance_);
    ShowResult(Format(L"终点X: %.3f\n终点Y: %.3f", end.x, end.y));
}

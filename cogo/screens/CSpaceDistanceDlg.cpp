#include "cogo/screens/CSpaceDistanceDlg.h"

#include "cogo/screens/PointRows.h"
#include "platform/text/Format.h"

CSpaceDistanceDlg::CSpaceDistanceDlg(ICoordLibraryHost& library, CWnd* parent)
    : CCogoDlg(IDD, library, parent) {}

void CSpaceDistanceDlg::ReadInputs(CDataExchange* pDX) {
    DDX_SpacePoint(pDX, cogo::kRowA, a_);
    DDX_SpacePoint(pDX, cogo::kRowB, b_);
}

void CSpaceDistanceDlg::Compute() {
    const SpaceDistance d = MeasureSpaceDistance(a_, b_);
    ShowResult(Format(L"空间距离: %.3f\n平距: %.3f\n高差: %.3f", d.slope, d.horizontal, d.heightDiff));
}

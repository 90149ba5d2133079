#include "cogo/screens/CLineMidpointDlg.h"

#include "cogo/screens/PointRows.h"
#include "platform/text/Format.h"

CLineMidpointDlg::CLineMidpointDlg(CWnd* parent) : CCogoDlg(IDD, parent) {}

void CLineMidpointDlg::ReadInputs(CDataExchange* pDX) {
    PlanePoint a, b;
    DDX_PlanePoint(pDX, cogo::kRowA, a);
    DDX_PlanePoint(pDX, cogo::kRowB, b);
    a_ = {a.x, a.y, 0.0};
    b_ = {b.x, b.y, 0.0};
    const bool heightA = DDX_OptionalHeight(pDX, cogo::kRowA, a_.h);
    const bool heightB = DDX_OptionalHeight(pDX, cogo::kRowB, b_.h);
    heights_ = heightA && heightB;
}

void CLineMidpointDlg::Compute() {
    const SpacePoint m = Midpoint(a_, b_);
    CString text = Format(L"中点X: %.3f\n中点Y: %.3f", m.x, m.y);
    if (heights_) text += Format(L"\n中点H: %.3f", m.h);
    ShowResult(text);
}

#include "cogo/screens/CInverseCalcDlg.h"

#include "cogo/AngleUnits.h"
#include "cogo/screens/PointRows.h"
#include "platform/text/Format.h"

CInverseCalcDlg::CInverseCalcDlg(CWnd* parent) : CCogoDlg(IDD, parent) {}

void CInverseCalcDlg::ReadInputs(CDataExchange* pDX) {
    PlanePoint a, b;
    DDX_PlanePoint(pDX, cogo::kRowA, a);
    DDX_PlanePoint(pDX, cogo::kRowB, b);
    a_ = {a.x, a.y, 0.0};
    b_ = {b.x, b.y, 0.0};
    const bool heightA = DDX_OptionalHeight(pDX, cogo::kRowA, a_.h);
    const bool heightB = DDX_OptionalHeight(pDX, cogo::kRowB, b_.h);
    heights_ = heightA && heightB;
}

void CInverseCalcDlg::Compute() {
    InverseResult r;
    if (const CogoStatus status = Inverse(a_, b_, r); status != CogoStatus::kOk) return Refuse(status);
    CString text = Format(L"方位角: %s\n平距: %.3f", FormatAzimuth(r.azimuth), r.distance);
    if (heights_) text += Format(L"\n高差: %.3f\n斜距: %.3f", r.heightDiff, r.slopeDistance);
    ShowResult(text);
}

#include "cogo/screens/CInverseCalcDlg.h"

#include "cogo/AngleUnits.h"
#include "platform/text/Format.h"

CInverseCalcDlg::CInverseCalcDlg(ICoordLibraryHost& library, CWnd* parent)
    : CPointPairDlg(IDD, library, parent) {}

void CInverseCalcDlg::Compute() {
    InverseResult r;
    if (const CogoStatus status = Inverse(a_, b_, r); status != CogoStatus::kOk) return Refuse(status);
    CString text = Format(L"方位角: %s\n平距: %.3f", FormatAzimuth(r.azimuth), r.distance);
    if (heights_) text += Format(L"\n高差: %.3f\n斜距: %.3f", r.heightDiff, r.slopeDistance);
    ShowResult(text);
}

#include "cogo/screens/CLineMidpointDlg.h"

#include "platform/text/Format.h"

CLineMidpointDlg::CLineMidpointDlg(ICoordLibraryHost& library, CWnd* parent)
    : CPointPairDlg(IDD, library, parent) {}

void CLineMidpointDlg::Compute() {
    const SpacePoint m = Midpoint(a_, b_);
    CString text = Format(L"中点X: %.3f\n中点Y: %.3f", m.x, m.y);
    if (heights_) text += Format(L"\n中点H: %.3f", m.h);
    ShowResult(text);
}

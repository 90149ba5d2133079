#include "cogo/screens/CPointPairDlg.h"

#include "cogo/screens/PointRows.h"
#include "resources/CogoDlgs.h"

namespace {
// False, and h left alone, when the row's height is empty.
bool DDX_OptionalHeight(CDataExchange* pDX, UINT row, double& h) {
    CString text;
    pDX->m_pDlgWnd->GetDlgItemText(static_cast<int>(row + cogo::kHeight), text);
    if (text.Trim().IsEmpty()) return false;
    DDX_Text(pDX, static_cast<int>(row + cogo::kHeight), h);
    return true;
}
}  // namespace

void CPointPairDlg::ReadInputs(CDataExchange* pDX) {
    PlanePoint a, b;
    DDX_PlanePoint(pDX, cogo::kRowA, a);
    DDX_PlanePoint(pDX, cogo::kRowB, b);
    a_ = {a.x, a.y, 0.0};
    b_ = {b.x, b.y, 0.0};
    const bool heightA = DDX_OptionalHeight(pDX, cogo::kRowA, a_.h);
    const bool heightB = DDX_OptionalHeight(pDX, cogo::kRowB, b_.h);
    heights_ = heightA && heightB;
}

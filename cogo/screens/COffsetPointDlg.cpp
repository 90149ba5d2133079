#include "cogo/screens/COffsetPointDlg.h"

#include "cogo/screens/PointRows.h"
#include "platform/text/Format.h"

COffsetPointDlg::COffsetPointDlg(ICoordLibraryHost& library, CWnd* parent) : CCogoDlg(IDD, library, parent) {}

void COffsetPointDlg::ReadInputs(CDataExchange* pDX) {
    DDX_PlanePoint(pDX, cogo::kRowA, a_);
    DDX_PlanePoint(pDX, cogo::kRowB, b_);
    DDX_Text(pDX, offsetpoint::kAlong, along_);
    DDX_Text(pDX, offsetpoint::kOffset, offset_);
}

void COffsetPointDlg::Compute() {
    PlanePoint p;
    if (const CogoStatus status = OffsetPoint(a_, b_, along_, offset_, p); status != CogoStatus::kOk)
        return Refuse(status);
    ShowResult(Format(L"偏点X: %.3f\n偏点Y: %.3f", p.x, p.y));
}

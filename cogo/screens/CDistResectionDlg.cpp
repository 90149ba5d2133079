#include "cogo/screens/CDistResectionDlg.h"

#include "cogo/screens/PointRows.h"
#include "platform/text/Format.h"

CDistResectionDlg::CDistResectionDlg(ICoordLibraryHost& library, CWnd* parent)
    : CCogoDlg(IDD, library, parent) {}

BOOL CDistResectionDlg::OnInitDialog() {
    CCogoDlg::OnInitDialog();
    CheckRadioButton(distresection::kLeft, distresection::kRight, distresection::kLeft);
    return TRUE;
}

void CDistResectionDlg::ReadInputs(CDataExchange* pDX) {
    DDX_PlanePoint(pDX, cogo::kRowA, a_);
    DDX_PlanePoint(pDX, cogo::kRowB, b_);
    DDX_Text(pDX, distresection::kDistanceA, distanceA_);
    DDX_Text(pDX, distresection::kDistanceB, distanceB_);
    DDX_Radio(pDX, distresection::kLeft, side_);
}

void CDistResectionDlg::Compute() {
    PlanePoint p;
    const CogoStatus status =
        DistanceResection(a_, b_, distanceA_, distanceB_, side_ == 1 ? Side::kRight : Side::kLeft, p);
    if (status == CogoStatus::kNoIntersection) return Refuse(L"两距离不能交会,请检查距离!");
    if (status != CogoStatus::kOk) return Refuse(status);
    ShowResult(Format(L"交会点X: %.3f\n交会点Y: %.3f", p.x, p.y));
}

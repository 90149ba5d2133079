#include "cogo/screens/CAngleCalcDlg.h"

#include "cogo/AngleUnits.h"
#include "cogo/screens/PointRows.h"
#include "platform/text/Format.h"

CAngleCalcDlg::CAngleCalcDlg(ICoordLibraryHost& library, CWnd* parent) : CCogoDlg(IDD, library, parent) {}

void CAngleCalcDlg::ReadInputs(CDataExchange* pDX) {
    DDX_SpacePoint(pDX, cogo::kRowA, station_);
    DDX_SpacePoint(pDX, cogo::kRowB, first_);
    DDX_SpacePoint(pDX, cogo::kRowC, second_);
}

void CAngleCalcDlg::Compute() {
    double horizontal = 0.0, vertical1 = 0.0, vertical2 = 0.0;
    // Points apart from the station in plan are apart in space: the vertical angles then exist.
    if (HorizontalAngle({station_.x, station_.y}, {first_.x, first_.y}, {second_.x, second_.y}, horizontal) !=
        CogoStatus::kOk)
        return Refuse(L"测站与点1或点2重合,无法计算!");
    VerticalAngle(station_, first_, vertical1);
    VerticalAngle(station_, second_, vertical2);
    ShowResult(Format(L"水平夹角: %s\n垂直角(点1): %s\n垂直角(点2): %s", FormatPackedAngle(horizontal),
                      FormatPackedAngle(vertical1), FormatPackedAngle(vertical2)));
}

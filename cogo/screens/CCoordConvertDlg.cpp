#include "cogo/screens/CCoordConvertDlg.h"

#include <cmath>

#include "cogo/AngleUnits.h"
#include "cogo/screens/PointRows.h"
#include "platform/text/Format.h"

namespace {
using namespace coordconvert;

void CheckLimit(CDataExchange* pDX, double degrees, double limit, const wchar_t* refusal) {
    if (std::fabs(degrees) <= limit) return;
    pDX->m_pDlgWnd->MessageBox(refusal, L"提示", MB_OK | MB_ICONINFORMATION);
    pDX->Fail();
}
}  // namespace

CCoordConvertDlg::CCoordConvertDlg(const ICogoHost& host, ICoordLibraryHost& library, CWnd* parent)
    : CCogoDlg(IDD, library, parent), host_(host) {
    BindCommand(kToGrid, &CCoordConvertDlg::OnToGrid);
    BindCommand(kToWgs84, &CCoordConvertDlg::OnToWgs84);
}

void CCoordConvertDlg::OnToGrid() {
    Convert(Direction::kToGrid);
}

void CCoordConvertDlg::OnToWgs84() {
    Convert(Direction::kToWgs84);
}

void CCoordConvertDlg::Convert(Direction direction) {
    direction_ = direction;
    if (UpdateData(TRUE)) Compute();
}

void CCoordConvertDlg::ReadInputs(CDataExchange* pDX) {
    if (direction_ == Direction::kToWgs84) return DDX_SpacePoint(pDX, cogo::kRowA, grid_);
    DDX_PackedAngle(pDX, kLatitude, position_.latitude);
    CheckLimit(pDX, position_.latitude, 90.0, L"纬度必须在±90°以内!");
    DDX_PackedAngle(pDX, kLongitude, position_.longitude);
    CheckLimit(pDX, position_.longitude, 180.0, L"经度必须在±180°以内!");
    DDX_Text(pDX, kEllipsoidHeight, position_.height);
}

void CCoordConvertDlg::Compute() {
    if (direction_ == Direction::kToGrid) {
        const SpacePoint grid = host_.GridFromWgs84(position_);
        SetDlgItemText(cogo::kRowA + cogo::kNorth, Format(L"%.3f", grid.x));
        SetDlgItemText(cogo::kRowA + cogo::kEast, Format(L"%.3f", grid.y));
        SetDlgItemText(cogo::kRowA + cogo::kHeight, Format(L"%.3f", grid.h));
        return;
    }
    const GeoPosition p = host_.Wgs84FromGrid(grid_);
    SetDlgItemText(kLatitude, FormatPackedPosition(p.latitude));
    SetDlgItemText(kLongitude, FormatPackedPosition(p.longitude));
    SetDlgItemText(kEllipsoidHeight, Format(L"%.3f", p.height));
}

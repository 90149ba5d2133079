#include "cogo/screens/CMapConvertDlg.h"

#include "cogo/AngleUnits.h"
#include "cogo/screens/PointRows.h"
#include "platform/text/Format.h"

namespace {
using namespace mapconvert;
}

CMapConvertDlg::CMapConvertDlg(const ICogoHost& host, ICoordLibraryHost& library, CWnd* parent)
    : CCogoDlg(IDD, library, parent), host_(host) {}

BOOL CMapConvertDlg::OnInitDialog() {
    CCogoDlg::OnInitDialog();
    const ProjectionBlock projection = host_.JobProjection();
    const CString meridian = FormatPackedAngle(projection.szdCenter);
    const CString easting = Format(L"%d", projection.szlTy);
    SetDlgItemText(kFromMeridian, meridian);
    SetDlgItemText(kFromEasting, easting);
    SetDlgItemText(kToMeridian, meridian);
    SetDlgItemText(kToEasting, easting);
    return TRUE;
}

void CMapConvertDlg::ReadInputs(CDataExchange* pDX) {
    DDX_PlanePoint(pDX, cogo::kRowA, point_);
    DDX_PackedAngle(pDX, kFromMeridian, from_.centralMeridianDeg);
    DDX_Text(pDX, kFromEasting, from_.falseEasting);
    DDX_PackedAngle(pDX, kToMeridian, to_.centralMeridianDeg);
    DDX_Text(pDX, kToEasting, to_.falseEasting);
}

void CMapConvertDlg::Compute() {
    ZoneChangeResult r;
    const CogoStatus status = ChangeZone(host_.JobEllipsoid(), host_.JobProjection(), point_, from_, to_, r);
    if (status != CogoStatus::kOk) return Refuse(status);
    ShowResult(Format(L"新X: %.3f\n新Y: %.3f\nB: %s\nL: %s", r.point.x, r.point.y,
                      FormatPackedPosition(r.latitudeDeg), FormatPackedPosition(r.longitudeDeg)));
}

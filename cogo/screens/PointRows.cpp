#include "cogo/screens/PointRows.h"

#include "cogo/AngleUnits.h"
#include "foundation/screens/CCoordLibDlg.h"
#include "platform/ui/Wnd.h"
#include "resources/CogoDlgs.h"

void DDX_PlanePoint(CDataExchange* pDX, UINT row, PlanePoint& point) {
    DDX_Text(pDX, static_cast<int>(row + cogo::kNorth), point.x);
    DDX_Text(pDX, static_cast<int>(row + cogo::kEast), point.y);
}

void DDX_SpacePoint(CDataExchange* pDX, UINT row, SpacePoint& point) {
    PlanePoint plan;
    DDX_PlanePoint(pDX, row, plan);
    point.x = plan.x;
    point.y = plan.y;
    DDX_Text(pDX, static_cast<int>(row + cogo::kHeight), point.h);
}

void DDX_PackedAngle(CDataExchange* pDX, UINT id, double& degrees) {
    double packed = 0.0;
    DDX_Text(pDX, static_cast<int>(id), packed);
    const std::optional<double> value = PackedToDegrees(packed);
    if (!value) {
        pDX->m_pDlgWnd->MessageBox(L"角度格式错误,分和秒须小于60!", L"提示", MB_OK | MB_ICONINFORMATION);
        pDX->Fail();
    }
    degrees = *value;
}

bool FillRowFromLibrary(ICoordLibraryHost& library, CWnd& dialog, UINT row) {
    PointTexts chosen;
    if (!PickFromCoordLibrary(library, &dialog, chosen)) return false;
    dialog.SetDlgItemText(static_cast<int>(row + cogo::kName), chosen.name);
    dialog.SetDlgItemText(static_cast<int>(row + cogo::kNorth), chosen.north);
    dialog.SetDlgItemText(static_cast<int>(row + cogo::kEast), chosen.east);
    if (dialog.GetDlgItem(static_cast<int>(row + cogo::kHeight)))
        dialog.SetDlgItemText(static_cast<int>(row + cogo::kHeight), chosen.height);
    return true;
}

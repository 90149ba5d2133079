#include "resources/RefPointDlg.h"
#include "platform/ui/Button.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Static.h"
#include "resources/DialogRows.h"

// The information dialog's base page and the reference point dialog.
namespace {
constexpr short RowY(int row) {
    return static_cast<short>(2 + row * 9);
}
constexpr DialogControlTemplate Label(int row, const wchar_t* text) {
    return {L"STATIC", IDC_STATIC, 3, RowY(row), 60, 9, text, SS_LEFT};
}
constexpr DialogControlTemplate Value(int row, UINT id) {
    return {L"STATIC", id, 64, RowY(row), 66, 9, L"", SS_LEFT};
}
const DialogControlTemplate kPageControls[] = {
    Label(0, L"纬度:"),
    Value(0, refpointpage::kLatitude),
    Label(1, L"经度:"),
    Value(1, refpointpage::kLongitude),
    Label(2, L"椭球高:"),
    Value(2, refpointpage::kHeight),
    Label(3, L"北(X):"),
    Value(3, refpointpage::kX),
    Label(4, L"东(Y):"),
    Value(4, refpointpage::kY),
    Label(5, L"高(H):"),
    Value(5, refpointpage::kH),
    Label(6, L"空间距离:"),
    Value(6, refpointpage::kSpatialDistance),
    Label(7, L"平面距离:"),
    Value(7, refpointpage::kPlaneDistance),
    Label(8, L"方位角:"),
    Value(8, refpointpage::kAzimuth),
    Label(9, L"已知北坐标(X):"),
    Value(9, refpointpage::kKnownX),
    Label(10, L"已知东坐标(Y):"),
    Value(10, refpointpage::kKnownY),
    Label(11, L"已知高程(H):"),
    Value(11, refpointpage::kKnownH),
    Label(12, L"差分格式(ID):"),
    Value(12, refpointpage::kFormat),
    {L"BUTTON", refpointpage::kShowRef, 3, RowY(13), 60, 9, L"参考点距离:", BS_AUTOCHECKBOX | WS_TABSTOP},
    Value(13, refpointpage::kRefDistance),
    Label(14, L"参考点方位角:"),
    Value(14, refpointpage::kRefAzimuth),
};
const DialogTemplate kPage{refpointpage::IDD, 131, 150, L"", WS_CHILD, kPageControls};
const DialogTemplateRegistration kPageRegistration(kPage);

constexpr FieldColumns kDlgFields{4, 30, 36, 92};
const BuiltDialogTemplate kDlg(
    refpointdlg::IDD, 132, 120, L"参考点坐标", kDialogStyle | DS_CENTER,
    DialogRows()
        .Control({L"STATIC", IDC_STATIC, 4, 4, 124, 18,
                  L"选择参考点后,系统实时显示当前点\r\n到参考点的距离和方位角。", SS_LEFT})
        .Field({4, 30, 36, 56}, refpointdlg::kName, 26, L"点  名:")
        .Control({L"BUTTON", refpointdlg::kPick, 96, 24, 32, 16, L"", BS_PUSHBUTTON | WS_TABSTOP})
        .Field(kDlgFields, refpointdlg::kNorth, 44, L"北坐标:")
        .Field(kDlgFields, refpointdlg::kEast, 62, L"东坐标:")
        .Field(kDlgFields, refpointdlg::kHeight, 80, L"高  程:")
        .Control({L"BUTTON", 1, 18, 100, 40, 14, L"确定", BS_DEFPUSHBUTTON | WS_TABSTOP})
        .Control({L"BUTTON", 2, 74, 100, 40, 14, L"取消", BS_PUSHBUTTON | WS_TABSTOP})
        .Controls());
}  // namespace

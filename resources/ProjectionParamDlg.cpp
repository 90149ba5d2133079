#include "resources/ProjectionParamDlg.h"

#include "platform/messages/MessageBox.h"
#include "platform/ui/Button.h"
#include "platform/ui/CommonControls.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Static.h"
#include "resources/DialogRows.h"

// 138 "投影参数设置", maximised: one row per value, labels left of their fields.
namespace {
using namespace projparam;
constexpr DWORD kList = CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP;
constexpr FieldColumns kFields{3, 46, 50, 82};
const BuiltDialogTemplate kTemplate(
    IDD, 135, 166, L"投影参数设置", kDialogStyle,
    DialogRows()
        .Control({L"STATIC", IDC_STATIC, 3, 5, 46, 8, L"椭球系名称:", SS_LEFT})
        .Control({WC_COMBOBOX, kEllipsoid, 50, 3, 82, 110, L"", kList})
        .Field(kFields, kSemiMajor, 16, L"椭球系长轴:")
        .Field(kFields, kInvFlattening, 29, L"椭球系扁率:")
        .Control({L"STATIC", IDC_STATIC, 3, 44, 46, 8, L"投影方式:", SS_LEFT})
        .Control({WC_COMBOBOX, kProjection, 50, 42, 82, 80, L"", kList})
        .Field(kFields, kCentralMeridian, 55, L"中央子午线:")
        .Field(kFields, kScale, 68, L"尺度:")
        .Field(kFields, kFalseNorthing, 81, L"X常数:")
        .Field(kFields, kFalseEasting, 94, L"Y常数:")
        .Field(kFields, kHeight, 107, L"投影高:")
        .Field(kFields, kBaseLatitude, 120, L"基准纬度:")
        .Control({L"STATIC", IDC_STATIC, 50, 135, 82, 8, L"格式:dd.mmssssss", SS_LEFT})
        .OkCancel(148)
        .Controls());
}  // namespace

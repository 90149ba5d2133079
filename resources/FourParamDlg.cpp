#include "resources/FourParamDlg.h"

#include "platform/messages/MessageBox.h"
#include "platform/ui/Button.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Static.h"
#include "resources/DialogRows.h"

// 147 "设置四参数", maximised: the four parameters with their switch, then the calibration shifts.
namespace {
using namespace fourparam;
constexpr FieldColumns kFields{8, 42, 52, 76};
const BuiltDialogTemplate kTemplate(
    IDD, 135, 166, L"设置四参数", kDialogStyle,
    DialogRows()
        .Control({L"BUTTON", IDC_STATIC, 2, 0, 131, 78, L"四参数", BS_GROUPBOX})
        .Control({L"BUTTON", kEnable, 8, 10, 80, 10, L"启用四参数", BS_AUTOCHECKBOX | WS_TABSTOP})
        .Field(kFields, kShiftX, 23, L"ΔX(米):")
        .Field(kFields, kShiftY, 36, L"ΔY(米):")
        .Field(kFields, kRotation, 49, L"旋转角:")
        .Field(kFields, kScale, 62, L"比  例:")
        .Control({L"STATIC", IDC_STATIC, 4, 81, 129, 8, L"提示:旋转角输入格式dd.mmssssss", SS_LEFT})
        .Control({L"BUTTON", IDC_STATIC, 2, 91, 131, 52, L"校正参数", BS_GROUPBOX})
        .Field(kFields, kAdjustX, 101, L"校正参数x:")
        .Field(kFields, kAdjustY, 114, L"校正参数y:")
        .Field(kFields, kAdjustH, 127, L"校正参数h:")
        .OkCancel(148)
        .Controls());
}  // namespace

#include "resources/FourParamDlg.h"

#include "platform/messages/MessageBox.h"
#include "platform/ui/Button.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Static.h"

// 147 "设置四参数", maximised: the four parameters with their switch, then the calibration shifts.
namespace {
using namespace fourparam;
constexpr DWORD kEdit = ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP;
const DialogControlTemplate kControls[] = {
    {L"BUTTON", IDC_STATIC, 2, 0, 131, 78, L"四参数", BS_GROUPBOX},
    {L"BUTTON", kEnable, 8, 10, 80, 10, L"启用四参数", BS_AUTOCHECKBOX | WS_TABSTOP},
    {L"STATIC", IDC_STATIC, 8, 25, 42, 8, L"ΔX(米):", SS_LEFT},
    {L"EDIT", kShiftX, 52, 23, 76, 12, L"", kEdit},
    {L"STATIC", IDC_STATIC, 8, 38, 42, 8, L"ΔY(米):", SS_LEFT},
    {L"EDIT", kShiftY, 52, 36, 76, 12, L"", kEdit},
    {L"STATIC", IDC_STATIC, 8, 51, 42, 8, L"旋转角:", SS_LEFT},
    {L"EDIT", kRotation, 52, 49, 76, 12, L"", kEdit},
    {L"STATIC", IDC_STATIC, 8, 64, 42, 8, L"比  例:", SS_LEFT},
    {L"EDIT", kScale, 52, 62, 76, 12, L"", kEdit},
    {L"STATIC", IDC_STATIC, 4, 81, 129, 8, L"提示:旋转角输入格式dd.mmssssss", SS_LEFT},
    {L"BUTTON", IDC_STATIC, 2, 91, 131, 52, L"校正参数", BS_GROUPBOX},
    {L"STATIC", IDC_STATIC, 8, 103, 42, 8, L"校正参数x:", SS_LEFT},
    {L"EDIT", kAdjustX, 52, 101, 76, 12, L"", kEdit},
    {L"STATIC", IDC_STATIC, 8, 116, 42, 8, L"校正参数y:", SS_LEFT},
    {L"EDIT", kAdjustY, 52, 114, 76, 12, L"", kEdit},
    {L"STATIC", IDC_STATIC, 8, 129, 42, 8, L"校正参数h:", SS_LEFT},
    {L"EDIT", kAdjustH, 52, 127, 76, 12, L"", kEdit},
    {L"BUTTON", IDOK, 22, 148, 40, 14, L"确定", BS_DEFPUSHBUTTON | WS_TABSTOP},
    {L"BUTTON", IDCANCEL, 72, 148, 40, 14, L"取消", BS_PUSHBUTTON | WS_TABSTOP},
};
const DialogTemplate kTemplate{IDD, 135, 166, L"设置四参数", kDialogStyle, kControls};
const DialogTemplateRegistration kRegistration(kTemplate);
}  // namespace

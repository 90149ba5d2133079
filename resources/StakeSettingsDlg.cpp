#include "resources/StakeSettingsDlg.h"

#include "platform/ui/Button.h"
#include "platform/ui/CommonControls.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Static.h"

// 151: the prompt group (minimum, maximum, sound) above the display group.
namespace {
using namespace stakesettings;
constexpr DWORD kEdit = ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP;
constexpr DWORD kCheck = BS_AUTOCHECKBOX | WS_TABSTOP;
const DialogControlTemplate kControls[] = {
    {L"BUTTON", IDC_STATIC, 3, 2, 129, 48, L"提示", BS_GROUPBOX},
    {L"STATIC", IDC_STATIC, 8, 15, 40, 8, L"最小值(米)", SS_LEFT},
    {L"EDIT", kMin, 50, 13, 76, 12, L"", kEdit},
    {L"STATIC", IDC_STATIC, 8, 29, 40, 8, L"最大值(米)", SS_LEFT},
    {L"EDIT", kMax, 50, 27, 76, 12, L"", kEdit},
    {L"BUTTON", kSound, 8, 40, 60, 9, L"声音提示", kCheck},
    {L"BUTTON", IDC_STATIC, 3, 53, 129, 78, L"显示", BS_GROUPBOX},
    {L"BUTTON", kShowAll, 8, 64, 110, 10, L"显示所有放样点", kCheck},
    {L"BUTTON", kShowMeasured, 8, 77, 110, 10, L"显示测量点", kCheck},
    {L"STATIC", IDC_STATIC, 8, 92, 62, 8, L"显示测量点个数:", SS_LEFT},
    {WC_COMBOBOX, kCount, 72, 90, 54, 60, L"", CBS_DROPDOWN | WS_VSCROLL | WS_TABSTOP},
    {L"BUTTON", kViewMode, 8, 110, 110, 10, L"查看模式", kCheck},
    {L"BUTTON", IDOK, 18, 140, 40, 14, L"确定", BS_DEFPUSHBUTTON | WS_TABSTOP},
    {L"BUTTON", IDCANCEL, 76, 140, 40, 14, L"取消", BS_PUSHBUTTON | WS_TABSTOP},
};
const DialogTemplate kTemplate{IDD, 135, 160, L"设置", kDialogStyle | DS_CENTER, kControls};
const DialogTemplateRegistration kRegistration(kTemplate);
}  // namespace

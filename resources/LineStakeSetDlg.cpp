#include "resources/LineStakeSetDlg.h"

#include "platform/ui/Button.h"
#include "platform/ui/CommonControls.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Static.h"

// 15149: the prompt group above the display group.
namespace {
using namespace linesettings;
constexpr DWORD kEdit = ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP;
constexpr DWORD kCheck = BS_AUTOCHECKBOX | WS_TABSTOP;
const DialogControlTemplate kControls[] = {
    {L"BUTTON", IDC_STATIC, 3, 2, 129, 60, L"提示", BS_GROUPBOX},
    {L"STATIC", IDC_STATIC, 8, 14, 28, 8, L"最小值:", SS_LEFT},
    {L"EDIT", kMin, 36, 12, 30, 12, L"", kEdit},
    {L"STATIC", IDC_STATIC, 70, 14, 28, 8, L"最大值:", SS_LEFT},
    {L"EDIT", kMax, 98, 12, 30, 12, L"", kEdit},
    {L"BUTTON", kSound, 8, 27, 60, 10, L"声音提示", kCheck},
    {L"BUTTON", kMileagePrompt, 8, 43, 80, 10, L"整里程提示  距离:", kCheck},
    {L"EDIT", kInterval, 90, 41, 38, 12, L"", kEdit},
    {L"BUTTON", IDC_STATIC, 3, 64, 129, 78, L"显示", BS_GROUPBOX},
    {L"BUTTON", kPlumb, 8, 75, 120, 10, L"起点距和终点距用垂距显示", kCheck},
    {L"BUTTON", kShowAllLines, 8, 87, 120, 10, L"显示所有放样线段", kCheck},
    {L"BUTTON", kShowMeasured, 8, 99, 120, 10, L"显示测量点", kCheck},
    {L"STATIC", IDC_STATIC, 8, 113, 62, 8, L"显示测量点个数:", SS_LEFT},
    {WC_COMBOBOX, kCount, 72, 111, 56, 60, L"", CBS_DROPDOWN | WS_VSCROLL | WS_TABSTOP},
    {L"BUTTON", kViewMode, 8, 127, 80, 10, L"查看模式", kCheck},
    {L"BUTTON", IDOK, 18, 146, 40, 14, L"确定", BS_DEFPUSHBUTTON | WS_TABSTOP},
    {L"BUTTON", IDCANCEL, 76, 146, 40, 14, L"取消", BS_PUSHBUTTON | WS_TABSTOP},
};
const DialogTemplate kTemplate{IDD, 135, 164, L"设置", kDialogStyle | DS_CENTER, kControls};
const DialogTemplateRegistration kRegistration(kTemplate);
}  // namespace

#include "platform/ui/Button.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Static.h"

// 15128 "增加点" and 130 "编辑点": one layout; only the add dialog has the "B" button.
namespace {
constexpr DWORD kEdit = ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP;
const DialogControlTemplate kAddControls[] = {
    {L"STATIC", IDC_STATIC, 5, 9, 30, 8, L"点  名:", SS_LEFT},
    {L"EDIT", 1045, 36, 7, 60, 12, L"", kEdit},
    {L"STATIC", IDC_STATIC, 5, 27, 30, 8, L"北坐标:", SS_LEFT},
    {L"EDIT", 1010, 36, 25, 60, 12, L"", kEdit},
    {L"STATIC", IDC_STATIC, 5, 45, 30, 8, L"东坐标:", SS_LEFT},
    {L"EDIT", 1011, 36, 43, 60, 12, L"", kEdit},
    {L"STATIC", IDC_STATIC, 5, 63, 30, 8, L"高   程:", SS_LEFT},
    {L"EDIT", 1012, 36, 61, 60, 12, L"", kEdit},
    {L"STATIC", IDC_STATIC, 5, 81, 30, 8, L"属   性:", SS_LEFT},
    {L"EDIT", 1046, 36, 79, 60, 12, L"", kEdit},
    {L"BUTTON", 1050, 100, 5, 30, 16, L"", BS_PUSHBUTTON | WS_TABSTOP},
    {L"BUTTON", 1052, 100, 25, 30, 14, L"B", BS_PUSHBUTTON | WS_TABSTOP},
    {L"BUTTON", 1, 22, 100, 40, 14, L"确定", BS_DEFPUSHBUTTON | WS_TABSTOP},
    {L"BUTTON", 2, 72, 100, 40, 14, L"取消", BS_PUSHBUTTON | WS_TABSTOP},
};
const DialogTemplate kAddTemplate{15128, 134, 120, L"增加点", kDialogStyle | DS_CENTER, kAddControls};
const DialogTemplateRegistration kAddRegistration(kAddTemplate);

const DialogControlTemplate kEditControls[] = {
    kAddControls[0],  kAddControls[1],  kAddControls[2],  kAddControls[3], kAddControls[4],
    kAddControls[5],  kAddControls[6],  kAddControls[7],  kAddControls[8], kAddControls[9],
    kAddControls[10], kAddControls[12], kAddControls[13],
};
const DialogTemplate kEditTemplate{130, 134, 120, L"编辑点", kDialogStyle | DS_CENTER, kEditControls};
const DialogTemplateRegistration kEditRegistration(kEditTemplate);
}  // namespace

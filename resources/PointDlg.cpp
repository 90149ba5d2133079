#include "resources/PointDlg.h"

#include <vector>

#include "platform/messages/MessageBox.h"
#include "platform/ui/Button.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Static.h"

// 15128 "增加点" and 130 "编辑点": one layout; only the add dialog has the "B" button.
namespace {
using namespace point;
constexpr DWORD kEdit = ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP;
const DialogControlTemplate kAddControls[] = {
    {L"STATIC", IDC_STATIC, 5, 9, 30, 8, L"点  名:", SS_LEFT},
    {L"EDIT", kName, 36, 7, 60, 12, L"", kEdit},
    {L"STATIC", IDC_STATIC, 5, 27, 30, 8, L"北坐标:", SS_LEFT},
    {L"EDIT", kNorth, 36, 25, 60, 12, L"", kEdit},
    {L"STATIC", IDC_STATIC, 5, 45, 30, 8, L"东坐标:", SS_LEFT},
    {L"EDIT", kEast, 36, 43, 60, 12, L"", kEdit},
    {L"STATIC", IDC_STATIC, 5, 63, 30, 8, L"高   程:", SS_LEFT},
    {L"EDIT", kHeight, 36, 61, 60, 12, L"", kEdit},
    {L"STATIC", IDC_STATIC, 5, 81, 30, 8, L"属   性:", SS_LEFT},
    {L"EDIT", kCode, 36, 79, 60, 12, L"", kEdit},
    {L"BUTTON", kPickFromLibrary, 100, 5, 30, 16, L"", BS_PUSHBUTTON | WS_TABSTOP},
    {L"BUTTON", kPickGeodetic, 100, 25, 30, 14, L"B", BS_PUSHBUTTON | WS_TABSTOP},
    {L"BUTTON", IDOK, 22, 100, 40, 14, L"确定", BS_DEFPUSHBUTTON | WS_TABSTOP},
    {L"BUTTON", IDCANCEL, 72, 100, 40, 14, L"取消", BS_PUSHBUTTON | WS_TABSTOP},
};
const DialogTemplate kAddTemplate{IDD_ADD, 134, 120, L"增加点", kDialogStyle | DS_CENTER, kAddControls};
const DialogTemplateRegistration kAddRegistration(kAddTemplate);

const std::vector<DialogControlTemplate> kEditControls = [] {
    std::vector<DialogControlTemplate> controls;
    for (const DialogControlTemplate& control : kAddControls)
        if (control.id != kPickGeodetic) controls.push_back(control);
    return controls;
}();
const DialogTemplate kEditTemplate{IDD_EDIT, 134, 120, L"编辑点", kDialogStyle | DS_CENTER, kEditControls};
const DialogTemplateRegistration kEditRegistration(kEditTemplate);
}  // namespace

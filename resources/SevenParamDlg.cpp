#include "resources/SevenParamDlg.h"

#include "platform/messages/MessageBox.h"
#include "platform/ui/Button.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Static.h"

// 148 "设置七参数", maximised: the switch, three shifts, three rotations and the scale.
namespace {
using namespace sevenparam;
constexpr DWORD kEdit = ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP;
const DialogControlTemplate kControls[] = {
    {L"BUTTON", kEnable, 8, 6, 80, 10, L"启用七参数", BS_AUTOCHECKBOX | WS_TABSTOP},
    {L"STATIC", IDC_STATIC, 8, 24, 42, 8, L"ΔX(米):", SS_LEFT},
    {L"EDIT", kDx, 52, 22, 76, 12, L"", kEdit},
    {L"STATIC", IDC_STATIC, 8, 39, 42, 8, L"ΔY(米):", SS_LEFT},
    {L"EDIT", kDy, 52, 37, 76, 12, L"", kEdit},
    {L"STATIC", IDC_STATIC, 8, 54, 42, 8, L"ΔZ(米):", SS_LEFT},
    {L"EDIT", kDz, 52, 52, 76, 12, L"", kEdit},
    {L"STATIC", IDC_STATIC, 8, 69, 42, 8, L"Δα(″):", SS_LEFT},
    {L"EDIT", kRx, 52, 67, 76, 12, L"", kEdit},
    {L"STATIC", IDC_STATIC, 8, 84, 42, 8, L"Δβ(″):", SS_LEFT},
    {L"EDIT", kRy, 52, 82, 76, 12, L"", kEdit},
    {L"STATIC", IDC_STATIC, 8, 99, 42, 8, L"Δγ(″):", SS_LEFT},
    {L"EDIT", kRz, 52, 97, 76, 12, L"", kEdit},
    {L"STATIC", IDC_STATIC, 8, 114, 42, 8, L"ΔK(ppm):", SS_LEFT},
    {L"EDIT", kPpm, 52, 112, 76, 12, L"", kEdit},
    {L"BUTTON", IDOK, 22, 148, 40, 14, L"确定", BS_DEFPUSHBUTTON | WS_TABSTOP},
    {L"BUTTON", IDCANCEL, 72, 148, 40, 14, L"取消", BS_PUSHBUTTON | WS_TABSTOP},
};
const DialogTemplate kTemplate{IDD, 135, 166, L"设置七参数", kDialogStyle, kControls};
const DialogTemplateRegistration kRegistration(kTemplate);
}  // namespace

#include "resources/HeightFitParamDlg.h"

#include "platform/messages/MessageBox.h"
#include "platform/ui/Button.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Static.h"

// 15121 "设置高程拟合参数", maximised: the switch, the six coefficients and the surface's origin.
namespace {
using namespace heightfit;
constexpr DWORD kEdit = ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP;
const DialogControlTemplate kControls[] = {
    {L"BUTTON", kEnable, 8, 6, 100, 10, L"启用高程拟合参数", BS_AUTOCHECKBOX | WS_TABSTOP},
    {L"STATIC", IDC_STATIC, 8, 23, 20, 8, L"A0:", SS_LEFT},
    {L"EDIT", kA0, 30, 21, 98, 12, L"", kEdit},
    {L"STATIC", IDC_STATIC, 8, 38, 20, 8, L"A1:", SS_LEFT},
    {L"EDIT", kA1, 30, 36, 98, 12, L"", kEdit},
    {L"STATIC", IDC_STATIC, 8, 53, 20, 8, L"A2:", SS_LEFT},
    {L"EDIT", kA2, 30, 51, 98, 12, L"", kEdit},
    {L"STATIC", IDC_STATIC, 8, 68, 20, 8, L"A3:", SS_LEFT},
    {L"EDIT", kA3, 30, 66, 98, 12, L"", kEdit},
    {L"STATIC", IDC_STATIC, 8, 83, 20, 8, L"A4:", SS_LEFT},
    {L"EDIT", kA4, 30, 81, 98, 12, L"", kEdit},
    {L"STATIC", IDC_STATIC, 8, 98, 20, 8, L"A5:", SS_LEFT},
    {L"EDIT", kA5, 30, 96, 98, 12, L"", kEdit},
    {L"STATIC", IDC_STATIC, 8, 113, 20, 8, L"X0:", SS_LEFT},
    {L"EDIT", kX0, 30, 111, 98, 12, L"", kEdit},
    {L"STATIC", IDC_STATIC, 8, 128, 20, 8, L"Y0:", SS_LEFT},
    {L"EDIT", kY0, 30, 126, 98, 12, L"", kEdit},
    {L"BUTTON", IDOK, 22, 148, 40, 14, L"确定", BS_DEFPUSHBUTTON | WS_TABSTOP},
    {L"BUTTON", IDCANCEL, 72, 148, 40, 14, L"取消", BS_PUSHBUTTON | WS_TABSTOP},
};
const DialogTemplate kTemplate{IDD, 135, 166, L"设置高程拟合参数", kDialogStyle, kControls};
const DialogTemplateRegistration kRegistration(kTemplate);
}  // namespace

#include "resources/RadioSetDlg.h"
#include "platform/ui/Button.h"
#include "platform/ui/CommonControls.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Static.h"
#include "resources/GprsCdmaSwitchDlg.h"

// The radio settings dialog and the network module's mode switch.
namespace {
constexpr DWORD kButton = BS_PUSHBUTTON | WS_TABSTOP;

const DialogControlTemplate kRadioControls[] = {
    {L"STATIC", IDC_STATIC, 6, 12, 48, 8, L"当前通道号:", SS_LEFT},
    {WC_COMBOBOX, radioset::kChannel, 56, 10, 40, 100, L"", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP},
    {L"BUTTON", radioset::kRead, 8, 32, 56, 16, L"读取", kButton},
    {L"BUTTON", radioset::kSwitch, 71, 32, 56, 16, L"切换", kButton},
    {L"BUTTON", radioset::kAutoSearch, 8, 54, 56, 16, L"自动搜索", kButton},
    {L"BUTTON", radioset::kStopSearch, 71, 54, 56, 16, L"停止搜索", kButton},
    {L"STATIC", IDC_STATIC, 6, 80, 24, 8, L"状态:", SS_LEFT},
    {L"STATIC", radioset::kStatus, 6, 92, 123, 20, L"", SS_LEFT},
    {L"BUTTON", 1, 40, 120, 56, 16, L"退出", BS_DEFPUSHBUTTON | WS_TABSTOP},
};
const DialogTemplate kRadio{radioset::IDD, 135, 144, L"电台设置", kDialogStyle | DS_CENTER, kRadioControls};
const DialogTemplateRegistration kRadioRegistration(kRadio);

const DialogControlTemplate kSwitchControls[] = {
    {L"STATIC", gprscdmaswitch::kText, 6, 6, 123, 10, L"", SS_LEFT},
    {L"STATIC", IDC_STATIC, 6, 22, 36, 8, L"当前模式:", SS_LEFT},
    {L"EDIT", gprscdmaswitch::kMode, 44, 20, 50, 12, L"", ES_READONLY | WS_BORDER},
    {L"BUTTON", gprscdmaswitch::kToCdma, 6, 42, 58, 16, L"切换为CDMA", kButton},
    {L"BUTTON", gprscdmaswitch::kToGprs, 70, 42, 58, 16, L"切换为GPRS", kButton},
    {L"BUTTON", 1, 40, 66, 54, 16, L"退出", BS_DEFPUSHBUTTON | WS_TABSTOP},
};
const DialogTemplate kSwitch{gprscdmaswitch::IDD, 135, 90, L"GPRS&CDMA模式切换", kDialogStyle | DS_CENTER,
                             kSwitchControls};
const DialogTemplateRegistration kSwitchRegistration(kSwitch);
}  // namespace

#include "resources/AboutDlg.h"

#include "platform/ui/Button.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/Static.h"

namespace {
using namespace about;
const DialogControlTemplate kControls[] = {
    {L"STATIC", IDC_STATIC, 10, 10, 110, 10, L"衡川 Version2.0", SS_LEFT},
    {L"STATIC", IDC_STATIC, 10, 28, 40, 8, L"软件版本:", SS_LEFT},
    {L"STATIC", kSoftwareVersion, 52, 28, 70, 8, L"", SS_LEFT},
    {L"STATIC", IDC_STATIC, 10, 42, 40, 8, L"主机串号:", SS_LEFT},
    {L"STATIC", kReceiverSerial, 52, 42, 78, 8, L"", SS_LEFT},
    {L"STATIC", IDC_STATIC, 10, 56, 40, 8, L"主机日期:", SS_LEFT},
    {L"STATIC", kReceiverDate, 52, 56, 78, 8, L"", SS_LEFT},
    {L"BUTTON", IDOK, 45, 74, 40, 14, L"确定", BS_DEFPUSHBUTTON | WS_TABSTOP},
};
const DialogTemplate kTemplate{IDD, 135, 94, L"关于", kDialogStyle | DS_CENTER, kControls};
const DialogTemplateRegistration kRegistration(kTemplate);
}  // namespace

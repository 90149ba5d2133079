#include "resources/GprsModuleDlg.h"
#include "platform/ui/Button.h"
#include "platform/ui/CommonControls.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Static.h"

namespace {
using namespace gprsmodule;
constexpr DWORD kEdit = ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP;
constexpr DWORD kButton = BS_PUSHBUTTON | WS_TABSTOP;
constexpr DWORD kDropList = CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP;

const DialogControlTemplate kControls[] = {
    {L"STATIC", IDC_STATIC, 3, 5, 34, 8, L"连接方式", SS_LEFT},
    {WC_COMBOBOX, kConnection, 38, 3, 44, 60, L"", kDropList},
    {L"STATIC", IDC_STATIC, 3, 20, 34, 8, L"工作模式", SS_LEFT},
    {WC_COMBOBOX, kWorkMode, 38, 18, 56, 60, L"", kDropList},
    {L"STATIC", IDC_STATIC, 3, 35, 14, 8, L"IP", SS_LEFT},
    {L"EDIT", kAddress, 16, 33, 65, 12, L"", kEdit},
    {L"STATIC", IDC_STATIC, 84, 35, 18, 8, L"端口", SS_LEFT},
    {L"EDIT", kPort, 103, 33, 29, 12, L"", kEdit},
    {L"STATIC", IDC_STATIC, 3, 50, 18, 8, L"域名", SS_LEFT},
    {WC_COMBOBOX, kMountPoint, 22, 48, 110, 80, L"", CBS_DROPDOWN | WS_VSCROLL | WS_TABSTOP},
    {L"STATIC", IDC_STATIC, 3, 65, 18, 8, L"用户", SS_LEFT},
    {L"EDIT", kUser, 22, 63, 44, 12, L"", kEdit},
    {L"STATIC", IDC_STATIC, 69, 65, 18, 8, L"密码", SS_LEFT},
    {L"EDIT", kPassword, 88, 63, 44, 12, L"", kEdit},
    {L"STATIC", IDC_STATIC, 3, 80, 34, 8, L"基站机号", SS_LEFT},
    {L"EDIT", kBaseId, 38, 78, 46, 12, L"", kEdit},
    {L"BUTTON", kSetAsBase, 88, 79, 44, 10, L"设为基站", BS_AUTOCHECKBOX | WS_TABSTOP},
    {L"STATIC", IDC_STATIC, 3, 95, 34, 8, L"基站电话", SS_LEFT},
    {L"EDIT", kBasePhone, 38, 93, 94, 12, L"", kEdit},
    {L"STATIC", IDC_STATIC, 3, 110, 20, 8, L"状态:", SS_LEFT},
    {L"STATIC", kStatus, 24, 110, 108, 18, L"", SS_LEFT},
    {L"BUTTON", kRead, 3, 131, 41, 15, L"读取", kButton},
    {L"BUTTON", kSet, 47, 131, 41, 15, L"设置", kButton},
    {L"BUTTON", kList, 91, 131, 41, 15, L"列表", kButton},
    {L"BUTTON", kConnect, 3, 148, 41, 15, L"连接", kButton},
    {L"BUTTON", kDisconnect, 47, 148, 41, 15, L"断开", kButton},
    {L"BUTTON", 1, 91, 148, 41, 15, L"确定", BS_DEFPUSHBUTTON | WS_TABSTOP},
};
const DialogTemplate kTemplate{IDD, 135, 166, L"拓瓦GPRS模块设置", kDialogStyle, kControls};
const DialogTemplateRegistration kRegistration(kTemplate);
}  // namespace

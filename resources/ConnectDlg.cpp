#include "resources/ConnectDlg.h"
#include "platform/messages/MessageBox.h"
#include "platform/ui/Button.h"
#include "platform/ui/CommonControls.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Static.h"

// 134 "连接仪器": connection method or typed port, baud rate, and the Bluetooth scan with its list.
namespace {
using namespace connectdlg;
constexpr DWORD kList = CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP;
constexpr DWORD kButton = BS_PUSHBUTTON | WS_TABSTOP;

const DialogControlTemplate kControls[] = {
    {L"BUTTON", kByMethod, 4, 6, 46, 11, L"连接方式:", BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP},
    {L"BUTTON", kByPort, 4, 22, 46, 11, L"输入端口:", BS_AUTORADIOBUTTON},
    {WC_COMBOBOX, kMethod, 54, 4, 76, 60, L"", kList | WS_GROUP},
    {L"EDIT", kPort, 54, 20, 76, 12, L"", ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP},
    {L"STATIC", IDC_STATIC, 4, 38, 46, 8, L"波 特 率:", SS_LEFT},
    {WC_COMBOBOX, kBaud, 54, 36, 76, 80, L"", kList},
    {L"STATIC", kStatus, 4, 52, 126, 8, L"", SS_LEFT},
    {PROGRESS_CLASS, kProgress, 4, 62, 126, 7, L"", WS_BORDER},
    {WC_LISTBOX, kDevices, 4, 72, 126, 56, L"", LBS_NOTIFY | WS_VSCROLL | WS_BORDER | WS_TABSTOP},
    {L"BUTTON", kScan, 4, 132, 30, 14, L"扫描", kButton},
    {L"BUTTON", kStop, 36, 132, 30, 14, L"停止", kButton},
    {L"BUTTON", IDOK, 68, 132, 30, 14, L"连接", BS_DEFPUSHBUTTON | WS_TABSTOP},
    {L"BUTTON", IDCANCEL, 100, 132, 30, 14, L"退出", kButton},
};
const DialogTemplate kTemplate{IDD, 135, 152, L"连接仪器", kDialogStyle | DS_CENTER, kControls};
const DialogTemplateRegistration kRegistration(kTemplate);
}  // namespace

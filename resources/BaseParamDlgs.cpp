#include "platform/messages/MessageBox.h"
#include "platform/ui/Button.h"
#include "platform/ui/CommonControls.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Static.h"
#include "resources/BaseAutoStartDlg.h"
#include "resources/StaticModeDlg.h"

// The parameter forms of the base auto-start and of static recording.
namespace {
constexpr DWORD kEdit = ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP;
constexpr DWORD kList = CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP;
constexpr DWORD kOkStyle = BS_DEFPUSHBUTTON | WS_TABSTOP;
constexpr DWORD kButton = BS_PUSHBUTTON | WS_TABSTOP;

const DialogControlTemplate kAutoStartControls[] = {
    {L"STATIC", IDC_STATIC, 6, 10, 56, 8, L"发射间隔(秒):", SS_LEFT},
    {L"EDIT", baseautostart::kInterval, 66, 8, 56, 12, L"", kEdit},
    {L"STATIC", IDC_STATIC, 6, 28, 56, 8, L"差分数据格式:", SS_LEFT},
    {WC_COMBOBOX, baseautostart::kFormat, 66, 26, 56, 60, L"", kList},
    {L"STATIC", IDC_STATIC, 6, 46, 56, 8, L"卫 星 截 止 角:", SS_LEFT},
    {L"EDIT", baseautostart::kMask, 66, 44, 56, 12, L"", kEdit},
    {L"STATIC", IDC_STATIC, 6, 64, 50, 8, L"当PDOP值小于", SS_LEFT},
    {L"EDIT", baseautostart::kPdop, 58, 62, 24, 12, L"", kEdit},
    {L"STATIC", IDC_STATIC, 84, 64, 44, 8, L"自动启动基站", SS_LEFT},
    {L"BUTTON", IDOK, 18, 84, 40, 14, L"确定", kOkStyle},
    {L"BUTTON", IDCANCEL, 72, 84, 40, 14, L"取消", kButton},
};
const DialogTemplate kAutoStart{
    baseautostart::IDD, 130, 106, L"基站自动启动参数设置", kDialogStyle | DS_CENTER, kAutoStartControls};
const DialogTemplateRegistration kAutoStartRegistration(kAutoStart);

const DialogControlTemplate kStaticControls[] = {
    {L"STATIC", IDC_STATIC, 6, 8, 44, 8, L"点    名:", SS_LEFT},
    {L"EDIT", staticmode::kPointName, 54, 6, 68, 12, L"", kEdit},
    {L"STATIC", IDC_STATIC, 6, 24, 44, 8, L"天 线 高:", SS_LEFT},
    {L"EDIT", staticmode::kAntHeight, 54, 22, 68, 12, L"", kEdit},
    {L"STATIC", IDC_STATIC, 6, 40, 44, 8, L"采集间隔:", SS_LEFT},
    {L"EDIT", staticmode::kInterval, 54, 38, 68, 12, L"", kEdit},
    {L"STATIC", IDC_STATIC, 6, 56, 44, 8, L"卫星截止角:", SS_LEFT},
    {L"EDIT", staticmode::kMask, 54, 54, 68, 12, L"", kEdit},
    {L"STATIC", IDC_STATIC, 6, 72, 50, 8, L"当PDOP值小于", SS_LEFT},
    {L"EDIT", staticmode::kPdop, 58, 70, 28, 12, L"", kEdit},
    {L"STATIC", IDC_STATIC, 90, 72, 36, 8, L"开始采集", SS_LEFT},
    {L"STATIC", IDC_STATIC, 6, 88, 118, 26, L"确定后,将退出砚溪软件,主机进入静态模式.\r\n请检查主机指示灯.",
     SS_LEFT},
    {L"BUTTON", IDOK, 18, 118, 40, 14, L"确定", kOkStyle},
    {L"BUTTON", IDCANCEL, 72, 118, 40, 14, L"取消", kButton},
};
const DialogTemplate kStatic{staticmode::IDD, 130, 140, L"静态模式参数设置", kDialogStyle | DS_CENTER,
                             kStaticControls};
const DialogTemplateRegistration kStaticRegistration(kStatic);
}  // namespace

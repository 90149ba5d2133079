#include "platform/messages/MessageBox.h"
#include "platform/ui/Button.h"
#include "platform/ui/CommonControls.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Static.h"
#include "resources/BaseAutoStartDlg.h"
#include "resources/DialogRows.h"
#include "resources/StaticModeDlg.h"

// The parameter forms of the base auto-start and of static recording.
namespace {
constexpr DWORD kList = CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP;
constexpr DWORD kOkStyle = BS_DEFPUSHBUTTON | WS_TABSTOP;
constexpr DWORD kButton = BS_PUSHBUTTON | WS_TABSTOP;

const BuiltDialogTemplate kAutoStart(
    baseautostart::IDD, 130, 106, L"基站自动启动参数设置", kDialogStyle | DS_CENTER,
    DialogRows()
        .Field({6, 56, 66, 56}, baseautostart::kInterval, 8, L"发射间隔(秒):")
        .Control({L"STATIC", IDC_STATIC, 6, 28, 56, 8, L"差分数据格式:", SS_LEFT})
        .Control({WC_COMBOBOX, baseautostart::kFormat, 66, 26, 56, 60, L"", kList})
        .Field({6, 56, 66, 56}, baseautostart::kMask, 44, L"卫 星 截 止 角:")
        .Field({6, 50, 58, 24}, baseautostart::kPdop, 62, L"当PDOP值小于")
        .Control({L"STATIC", IDC_STATIC, 84, 64, 44, 8, L"自动启动基站", SS_LEFT})
        .Control({L"BUTTON", IDOK, 18, 84, 40, 14, L"确定", kOkStyle})
        .Control({L"BUTTON", IDCANCEL, 72, 84, 40, 14, L"取消", kButton})
        .Controls());

constexpr FieldColumns kStaticFields{6, 44, 54, 68};
const BuiltDialogTemplate kStatic(
    staticmode::IDD, 130, 140, L"静态模式参数设置", kDialogStyle | DS_CENTER,
    DialogRows()
        .Field(kStaticFields, staticmode::kPointName, 6, L"点    名:")
        .Field(kStaticFields, staticmode::kAntHeight, 22, L"天 线 高:")
        .Field(kStaticFields, staticmode::kInterval, 38, L"采集间隔:")
        .Field(kStaticFields, staticmode::kMask, 54, L"卫星截止角:")
        .Field({6, 50, 58, 28}, staticmode::kPdop, 70, L"当PDOP值小于")
        .Control({L"STATIC", IDC_STATIC, 90, 72, 36, 8, L"开始采集", SS_LEFT})
        .Control({L"STATIC", IDC_STATIC, 6, 88, 118, 26,
                  L"确定后,将退出砚溪软件,主机进入静态模式.\r\n请检查主机指示灯.", SS_LEFT})
        .Control({L"BUTTON", IDOK, 18, 118, 40, 14, L"确定", kOkStyle})
        .Control({L"BUTTON", IDCANCEL, 72, 118, 40, 14, L"取消", kButton})
        .Controls());
}  // namespace

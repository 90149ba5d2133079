#include "resources/GprsModuleDlg.h"
#include "platform/ui/Button.h"
#include "platform/ui/CommonControls.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Static.h"
#include "resources/DialogRows.h"

namespace {
using namespace gprsmodule;
constexpr DWORD kButton = BS_PUSHBUTTON | WS_TABSTOP;
constexpr DWORD kDropList = CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP;

const BuiltDialogTemplate kTemplate(
    IDD, 135, 166, L"拓瓦GPRS模块设置", kDialogStyle,
    DialogRows()
        .Control({L"STATIC", IDC_STATIC, 3, 5, 34, 8, L"连接方式", SS_LEFT})
        .Control({WC_COMBOBOX, kConnection, 38, 3, 44, 60, L"", kDropList})
        .Control({L"STATIC", IDC_STATIC, 3, 20, 34, 8, L"工作模式", SS_LEFT})
        .Control({WC_COMBOBOX, kWorkMode, 38, 18, 56, 60, L"", kDropList})
        .Field({3, 14, 16, 65}, kAddress, 33, L"IP")
        .Field({84, 18, 103, 29}, kPort, 33, L"端口")
        .Control({L"STATIC", IDC_STATIC, 3, 50, 18, 8, L"域名", SS_LEFT})
        .Control({WC_COMBOBOX, kMountPoint, 22, 48, 110, 80, L"", CBS_DROPDOWN | WS_VSCROLL | WS_TABSTOP})
        .Field({3, 18, 22, 44}, kUser, 63, L"用户")
        .Field({69, 18, 88, 44}, kPassword, 63, L"密码")
        .Field({3, 34, 38, 46}, kBaseId, 78, L"基站机号")
        .Control({L"BUTTON", kSetAsBase, 88, 79, 44, 10, L"设为基站", BS_AUTOCHECKBOX | WS_TABSTOP})
        .Field({3, 34, 38, 94}, kBasePhone, 93, L"基站电话")
        .Control({L"STATIC", IDC_STATIC, 3, 110, 20, 8, L"状态:", SS_LEFT})
        .Control({L"STATIC", kStatus, 24, 110, 108, 18, L"", SS_LEFT})
        .Control({L"BUTTON", kRead, 3, 131, 41, 15, L"读取", kButton})
        .Control({L"BUTTON", kSet, 47, 131, 41, 15, L"设置", kButton})
        .Control({L"BUTTON", kList, 91, 131, 41, 15, L"列表", kButton})
        .Control({L"BUTTON", kConnect, 3, 148, 41, 15, L"连接", kButton})
        .Control({L"BUTTON", kDisconnect, 47, 148, 41, 15, L"断开", kButton})
        .Control({L"BUTTON", 1, 91, 148, 41, 15, L"确定", BS_DEFPUSHBUTTON | WS_TABSTOP})
        .Controls());
}  // namespace

#include "resources/StakePointLibDlg.h"

#include "platform/ui/Button.h"
#include "platform/ui/CommonControls.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/Edit.h"

// 149: the list over the top, the library path, two rows of commands.
namespace {
using namespace stakelib;
constexpr DWORD kButton = BS_PUSHBUTTON | WS_TABSTOP;
const DialogControlTemplate kControls[] = {
    {WC_LISTVIEW, kList, 0, 0, 135, 112, L"", LVS_REPORT | LVS_SHOWSELALWAYS | WS_BORDER | WS_TABSTOP},
    {L"EDIT", kPath, 1, 114, 133, 12, L"", ES_AUTOHSCROLL | ES_ENDELLIPSIS | WS_BORDER | WS_TABSTOP},
    {L"BUTTON", kAdd, 1, 129, 26, 15, L"增加", kButton},
    {L"BUTTON", kInsert, 28, 129, 26, 15, L"插入", kButton},
    {L"BUTTON", kEdit, 55, 129, 26, 15, L"编辑", kButton},
    {L"BUTTON", kDelete, 82, 129, 26, 15, L"删除", kButton},
    {L"BUTTON", kClear, 109, 129, 26, 15, L"清除", kButton},
    {L"BUTTON", kOpen, 1, 147, 26, 15, L"打开", kButton},
    {L"BUTTON", kSave, 28, 147, 26, 15, L"保存", kButton},
    {L"BUTTON", kExport, 55, 147, 26, 15, L"输出", kButton},
    {L"BUTTON", IDOK, 82, 147, 26, 15, L"确定", BS_DEFPUSHBUTTON | WS_TABSTOP},
    {L"BUTTON", IDCANCEL, 109, 147, 26, 15, L"取消", kButton},
};
const DialogTemplate kTemplate{IDD, 135, 166, L"放样点库", kDialogStyle, kControls};
const DialogTemplateRegistration kRegistration(kTemplate);
}  // namespace

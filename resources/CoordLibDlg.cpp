#include "resources/CoordLibDlg.h"

#include "platform/messages/MessageBox.h"
#include "platform/ui/Button.h"
#include "platform/ui/CommonControls.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/Static.h"

// 15131 "坐标管理库": the job's coordinate library and the program-wide point picker.
namespace {
using namespace coordlib;
constexpr DWORD kButton = BS_PUSHBUTTON | WS_TABSTOP;
const DialogControlTemplate kControls[] = {
    {WC_LISTVIEW, kList, 0, 0, 135, 128, L"",
     LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_OWNERDATA | WS_BORDER | WS_TABSTOP},
    {L"STATIC", kLoadingText, 4, 138, 127, 10, L"", SS_CENTER | kHiddenControl},
    {L"BUTTON", kAdd, 2, 131, 31, 15, L"增加", kButton},
    {L"BUTTON", kEdit, 35, 131, 31, 15, L"编辑", kButton},
    {L"BUTTON", kDelete, 68, 131, 31, 15, L"删除", kButton},
    {L"BUTTON", kClear, 101, 131, 31, 15, L"清除", kButton},
    {L"BUTTON", kImport, 2, 148, 31, 15, L"导入", kButton},
    {L"BUTTON", kFind, 35, 148, 31, 15, L"查找", kButton},
    {L"BUTTON", kFilter, 68, 148, 31, 15, L"过滤", kButton},
    {L"BUTTON", IDOK, 101, 148, 31, 15, L"确定", BS_DEFPUSHBUTTON | WS_TABSTOP},
};
const DialogTemplate kTemplate{IDD, 135, 166, L"坐标管理库", kDialogStyle, kControls};
const DialogTemplateRegistration kRegistration(kTemplate);
}  // namespace

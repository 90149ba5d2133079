#include "platform/ui/Button.h"
#include "platform/ui/CommonControls.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/Static.h"

// 15131 "坐标管理库": the job's coordinate library and the program-wide point picker.
namespace {
constexpr DWORD kButton = BS_PUSHBUTTON | WS_TABSTOP;
const DialogControlTemplate kControls[] = {
    {WC_LISTVIEW, 1000, 0, 0, 135, 128, L"",
     LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | WS_BORDER | WS_TABSTOP},
    {L"STATIC", 1225, 4, 138, 127, 10, L"", SS_CENTER | kHiddenControl},
    {L"BUTTON", 1003, 2, 131, 31, 15, L"增加", kButton},
    {L"BUTTON", 1006, 35, 131, 31, 15, L"编辑", kButton},
    {L"BUTTON", 1004, 68, 131, 31, 15, L"删除", kButton},
    {L"BUTTON", 1009, 101, 131, 31, 15, L"清除", kButton},
    {L"BUTTON", 1008, 2, 148, 31, 15, L"导入", kButton},
    {L"BUTTON", 1050, 35, 148, 31, 15, L"查找", kButton},
    {L"BUTTON", 1005, 68, 148, 31, 15, L"过滤", kButton},
    {L"BUTTON", 1, 101, 148, 31, 15, L"确定", BS_DEFPUSHBUTTON | WS_TABSTOP},
};
const DialogTemplate kTemplate{15131, 135, 166, L"坐标管理库", kDialogStyle, kControls};
const DialogTemplateRegistration kRegistration(kTemplate);
}  // namespace

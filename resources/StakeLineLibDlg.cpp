#include "resources/StakeLineLibDlg.h"

#include "platform/ui/Button.h"
#include "platform/ui/CommonControls.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Static.h"

namespace {
constexpr DWORD kButton = BS_PUSHBUTTON | WS_TABSTOP;
constexpr DWORD kEdit = ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP;

// 15145: the list over the top, two rows of commands, the file name at the bottom.
const DialogControlTemplate kLibraryControls[] = {
    {WC_LISTVIEW, linelib::kList, 0, 0, 135, 112, L"",
     LVS_REPORT | LVS_SHOWSELALWAYS | WS_BORDER | WS_TABSTOP},
    {L"BUTTON", linelib::kAdd, 1, 114, 26, 15, L"增加", kButton},
    {L"BUTTON", linelib::kInsert, 28, 114, 26, 15, L"插入", kButton},
    {L"BUTTON", linelib::kEdit, 55, 114, 26, 15, L"编辑", kButton},
    {L"BUTTON", linelib::kDelete, 82, 114, 26, 15, L"删除", kButton},
    {L"BUTTON", linelib::kClear, 109, 114, 26, 15, L"清除", kButton},
    {L"BUTTON", linelib::kOpen, 1, 131, 32, 15, L"打开", kButton},
    {L"BUTTON", linelib::kSave, 35, 131, 32, 15, L"保存", kButton},
    {L"BUTTON", IDOK, 69, 131, 32, 15, L"确定", BS_DEFPUSHBUTTON | WS_TABSTOP},
    {L"BUTTON", IDCANCEL, 103, 131, 32, 15, L"取消", kButton},
    {L"EDIT", linelib::kFileName, 1, 149, 133, 12, L"", kEdit | ES_ENDELLIPSIS},
};
const DialogTemplate kLibrary{linelib::IDD, 135, 164, L"放样线坐标库", kDialogStyle, kLibraryControls};
const DialogTemplateRegistration kRegisterLibrary(kLibrary);

// 15146 and 15147: the start point, the end point, the start mileage.
using namespace lineedit;
const DialogControlTemplate kEditorControls[] = {
    {L"STATIC", IDC_STATIC, 3, 4, 30, 8, L"起点名:", SS_LEFT},
    {L"EDIT", kStartName, 34, 2, 72, 12, L"", kEdit},
    {L"BUTTON", kPickStart, 109, 1, 24, 14, L"", kButton},
    {L"STATIC", IDC_STATIC, 3, 17, 30, 8, L"北坐标:", SS_LEFT},
    {L"EDIT", kStartX, 34, 15, 98, 12, L"", kEdit},
    {L"STATIC", IDC_STATIC, 3, 30, 30, 8, L"东坐标:", SS_LEFT},
    {L"EDIT", kStartY, 34, 28, 98, 12, L"", kEdit},
    {L"STATIC", IDC_STATIC, 3, 43, 30, 8, L"高   程:", SS_LEFT},
    {L"EDIT", kStartH, 34, 41, 98, 12, L"", kEdit},
    {L"STATIC", IDC_STATIC, 3, 56, 30, 8, L"属   性:", SS_LEFT},
    {L"EDIT", kStartCode, 34, 54, 98, 12, L"", kEdit},
    {L"STATIC", IDC_STATIC, 3, 71, 30, 8, L"终点名:", SS_LEFT},
    {L"EDIT", kEndName, 34, 69, 72, 12, L"", kEdit},
    {L"BUTTON", kPickEnd, 109, 68, 24, 14, L"", kButton},
    {L"STATIC", IDC_STATIC, 3, 84, 30, 8, L"北坐标:", SS_LEFT},
    {L"EDIT", kEndX, 34, 82, 98, 12, L"", kEdit},
    {L"STATIC", IDC_STATIC, 3, 97, 30, 8, L"东坐标:", SS_LEFT},
    {L"EDIT", kEndY, 34, 95, 98, 12, L"", kEdit},
    {L"STATIC", IDC_STATIC, 3, 110, 30, 8, L"高   程:", SS_LEFT},
    {L"EDIT", kEndH, 34, 108, 98, 12, L"", kEdit},
    {L"STATIC", IDC_STATIC, 3, 123, 30, 8, L"属   性:", SS_LEFT},
    {L"EDIT", kEndCode, 34, 121, 98, 12, L"", kEdit},
    {L"STATIC", IDC_STATIC, 3, 136, 34, 8, L"起点里程:", SS_LEFT},
    {L"EDIT", kStartMileage, 38, 134, 94, 12, L"", kEdit},
    {L"BUTTON", IDOK, 18, 148, 40, 13, L"确定", BS_DEFPUSHBUTTON | WS_TABSTOP},
    {L"BUTTON", IDCANCEL, 76, 148, 40, 13, L"取消", kButton},
};
const DialogTemplate kAdd{IDD_ADD, 135, 163, L"增加线", kDialogStyle | DS_CENTER, kEditorControls};
const DialogTemplateRegistration kRegisterAdd(kAdd);
const DialogTemplate kEditLine{IDD_EDIT, 135, 163, L"编辑线", kDialogStyle | DS_CENTER, kEditorControls};
const DialogTemplateRegistration kRegisterEdit(kEditLine);
}  // namespace

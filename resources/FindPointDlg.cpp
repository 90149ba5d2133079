#include "resources/FindPointDlg.h"

#include "platform/messages/MessageBox.h"
#include "platform/ui/Button.h"
#include "platform/ui/CommonControls.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Static.h"

// 207 "查找": search a list's points by name.
namespace {
using namespace findpoint;
constexpr DWORD kEdit = ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP;
constexpr DWORD kShown = ES_AUTOHSCROLL | ES_READONLY | WS_BORDER;
const DialogControlTemplate kControls[] = {
    {L"EDIT", kSearchText, 4, 4, 86, 12, L"", kEdit},
    {L"BUTTON", kSearch, 94, 3, 37, 14, L"查找", BS_PUSHBUTTON | WS_TABSTOP},
    {WC_LISTBOX, kNames, 4, 20, 127, 66, L"",
     LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_BORDER | WS_TABSTOP},
    {L"STATIC", IDC_STATIC, 4, 92, 24, 8, L"X", SS_LEFT},
    {L"EDIT", kNorth, 30, 90, 101, 12, L"", kShown},
    {L"STATIC", IDC_STATIC, 4, 106, 24, 8, L"Y", SS_LEFT},
    {L"EDIT", kEast, 30, 104, 101, 12, L"", kShown},
    {L"STATIC", IDC_STATIC, 4, 120, 24, 8, L"H", SS_LEFT},
    {L"EDIT", kHeight, 30, 118, 101, 12, L"", kShown},
    {L"STATIC", IDC_STATIC, 4, 134, 24, 8, L"编码", SS_LEFT},
    {L"EDIT", kCode, 30, 132, 101, 12, L"", kShown},
    {L"BUTTON", IDOK, 30, 148, 40, 14, L"确定", BS_DEFPUSHBUTTON | WS_TABSTOP},
    {L"BUTTON", IDCANCEL, 80, 148, 40, 14, L"取消", BS_PUSHBUTTON | WS_TABSTOP},
};
const DialogTemplate kTemplate{IDD, 135, 166, L"查找", kDialogStyle, kControls};
const DialogTemplateRegistration kRegistration(kTemplate);
}  // namespace

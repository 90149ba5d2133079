#include "resources/FileDialogs.h"

#include "platform/messages/MessageBox.h"
#include "platform/ui/Button.h"
#include "platform/ui/CommonControls.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Static.h"

// 15152 "打开" and 15151 "保存": the program's own file dialogs around a folder tree.
namespace {
constexpr DWORD kTreeStyle =
    TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS | WS_BORDER | WS_TABSTOP;
constexpr DWORD kEdit = ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP;
// A path longer than its field ends in "..." until the field is being edited.
constexpr DWORD kPathEdit = kEdit | ES_ENDELLIPSIS;

const DialogControlTemplate kOpenControls[] = {
    {L"STATIC", IDC_STATIC, 4, 4, 19, 8, L"打开", SS_LEFT},
    {L"EDIT", openfile::kPath, 22, 2, 109, 12, L"", kPathEdit},
    {WC_TREEVIEW, openfile::kTree, 4, 17, 128, 128, L"", kTreeStyle},
    {L"BUTTON", IDOK, 45, 147, 37, 12, L"确定", BS_DEFPUSHBUTTON | WS_TABSTOP},
    {L"BUTTON", IDCANCEL, 93, 147, 37, 12, L"取消", BS_PUSHBUTTON | WS_TABSTOP},
};
const DialogTemplate kOpen{openfile::IDD, 135, 164, L"打开", kDialogStyle, kOpenControls};
const DialogTemplateRegistration kOpenRegistration(kOpen);

const DialogControlTemplate kSaveControls[] = {
    {L"STATIC", IDC_STATIC, 5, 3, 18, 8, L"路径", SS_LEFT},
    {L"EDIT", savefile::kPath, 28, 2, 101, 12, L"", kPathEdit},
    {WC_TREEVIEW, savefile::kTree, 4, 16, 127, 118, L"", kTreeStyle},
    {L"STATIC", IDC_STATIC, 5, 138, 45, 8, L"保存文件名:", SS_LEFT},
    {L"EDIT", savefile::kName, 52, 136, 51, 12, L"", kEdit},
    {L"BUTTON", IDOK, 41, 150, 42, 13, L"确定", BS_DEFPUSHBUTTON | WS_TABSTOP},
    {L"BUTTON", IDCANCEL, 89, 150, 42, 13, L"取消", BS_PUSHBUTTON | WS_TABSTOP},
};
const DialogTemplate kSave{savefile::IDD, 135, 164, L"保存", kDialogStyle, kSaveControls};
const DialogTemplateRegistration kSaveRegistration(kSave);
}  // namespace

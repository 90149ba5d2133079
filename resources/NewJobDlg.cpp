#include "resources/NewJobDlg.h"

#include "platform/messages/MessageBox.h"
#include "platform/ui/Button.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Static.h"

// 15138 "新建作业".
namespace {
using namespace newjob;
constexpr DWORD kEdit = ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP;
const DialogControlTemplate kControls[] = {
    {L"STATIC", IDC_STATIC, 4, 10, 40, 10, L"作业名称:", SS_LEFT},
    {L"EDIT", kName, 46, 8, 84, 12, L"", kEdit},
    {L"STATIC", IDC_STATIC, 4, 28, 40, 10, L"作业路径:", SS_LEFT},
    {L"EDIT", kRootPath, 46, 26, 84, 12, L"", kEdit},
    {L"BUTTON", IDC_STATIC, 4, 44, 126, 30, L"新建作业的方式", BS_GROUPBOX},
    {L"BUTTON", kWizard, 14, 57, 44, 10, L"向导", BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP},
    {L"BUTTON", kCopyJob, 72, 57, 44, 10, L"套用", BS_AUTORADIOBUTTON},
    {L"BUTTON", IDOK, 18, 86, 40, 16, L"确定", BS_DEFPUSHBUTTON | WS_GROUP | WS_TABSTOP},
    {L"BUTTON", IDCANCEL, 76, 86, 40, 16, L"取消", BS_PUSHBUTTON | WS_TABSTOP},
};
const DialogTemplate kTemplate{IDD, 135, 115, L"新建作业", kDialogStyle, kControls};
const DialogTemplateRegistration kRegistration(kTemplate);
}  // namespace

#include "resources/PostProcParamDlg.h"

#include "platform/messages/MessageBox.h"
#include "platform/ui/Button.h"
#include "platform/ui/DialogTemplate.h"

// 15265 "数据后处理--参数选择": two choices in a group, OK and Cancel.
namespace {
using namespace postproc;
const DialogControlTemplate kControls[] = {
    {L"BUTTON", IDC_STATIC, 4, 4, 127, 44, L"选择后处理的文件类型", BS_GROUPBOX},
    {L"BUTTON", kControlPoints, 10, 16, 115, 11, L"使用控制点文件(*.cot)",
     BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP},
    {L"BUTTON", kJobParams, 10, 31, 115, 11, L"使用当前工程中的参数", BS_AUTORADIOBUTTON},
    {L"BUTTON", IDOK, 22, 56, 40, 14, L"确定", BS_DEFPUSHBUTTON | WS_TABSTOP},
    {L"BUTTON", IDCANCEL, 72, 56, 40, 14, L"取消", BS_PUSHBUTTON | WS_TABSTOP},
};
const DialogTemplate kTemplate{IDD, 135, 76, L"数据后处理--参数选择", kDialogStyle | DS_CENTER, kControls};
const DialogTemplateRegistration kRegistration(kTemplate);
}  // namespace

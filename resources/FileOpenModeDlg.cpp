#include "resources/FileOpenModeDlg.h"

#include "platform/messages/MessageBox.h"
#include "platform/ui/Button.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/Static.h"

// 15188 "文件打开方式": append to or overwrite a point library with a file's points.
namespace {
using namespace openmode;
const DialogControlTemplate kControls[] = {
    {L"STATIC", IDC_STATIC, 6, 8, 120, 20, L"覆盖表示覆盖坐标管理库中的数据,\r\n追加表示增加到坐标管理库",
     SS_LEFT},
    {L"BUTTON", kAppend, 6, 38, 36, 14, L"追加", BS_DEFPUSHBUTTON | WS_TABSTOP},
    {L"BUTTON", kOverwrite, 48, 38, 36, 14, L"覆盖", BS_PUSHBUTTON | WS_TABSTOP},
    {L"BUTTON", IDCANCEL, 90, 38, 36, 14, L"取消", BS_PUSHBUTTON | WS_TABSTOP},
};
const DialogTemplate kTemplate{IDD, 132, 60, L"文件打开方式", kDialogStyle, kControls};
const DialogTemplateRegistration kRegistration(kTemplate);
}  // namespace

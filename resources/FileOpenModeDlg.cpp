#include "platform/ui/Button.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/Static.h"

// 15188 "文件打开方式": append to or overwrite a point library with a file's points.
namespace {
const DialogControlTemplate kControls[] = {
    {L"STATIC", IDC_STATIC, 6, 8, 120, 20, L"覆盖表示覆盖坐标管理库中的数据,\r\n追加表示增加到坐标管理库",
     SS_LEFT},
    {L"BUTTON", 1039, 6, 38, 36, 14, L"追加", BS_DEFPUSHBUTTON | WS_TABSTOP},
    {L"BUTTON", 1043, 48, 38, 36, 14, L"覆盖", BS_PUSHBUTTON | WS_TABSTOP},
    {L"BUTTON", 2, 90, 38, 36, 14, L"取消", BS_PUSHBUTTON | WS_TABSTOP},
};
const DialogTemplate kTemplate{15188, 132, 60, L"文件打开方式", kDialogStyle, kControls};
const DialogTemplateRegistration kRegistration(kTemplate);
}  // namespace

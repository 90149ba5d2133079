#include "resources/FilterSetDlg.h"

#include "platform/messages/MessageBox.h"
#include "platform/ui/Button.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/Static.h"

// 15271 "过滤设置": which point types the coordinate library lists.
namespace {
using namespace filterset;
const DialogControlTemplate kControls[] = {
    {L"STATIC", IDC_STATIC, 8, 4, 110, 10, L"显示的点类型:", SS_LEFT},
    {L"BUTTON", kTypedIn, 14, 16, 50, 12, L"输入点", BS_AUTOCHECKBOX | WS_TABSTOP},
    {L"BUTTON", kValid, 70, 16, 50, 12, L"有效点", BS_AUTOCHECKBOX | WS_TABSTOP},
    {L"BUTTON", kReference, 14, 34, 50, 12, L"参考点", BS_AUTOCHECKBOX | WS_TABSTOP},
    {L"BUTTON", kSideStake, 70, 34, 50, 12, L"边桩点", BS_AUTOCHECKBOX | WS_TABSTOP},
    {L"BUTTON", kTerrain, 14, 52, 50, 12, L"地形点", BS_AUTOCHECKBOX | WS_TABSTOP},
    {L"BUTTON", IDOK, 24, 84, 40, 14, L"确定", BS_DEFPUSHBUTTON | WS_TABSTOP},
    {L"BUTTON", IDCANCEL, 70, 84, 40, 14, L"取消", BS_PUSHBUTTON | WS_TABSTOP},
};
const DialogTemplate kTemplate{IDD, 130, 104, L"过滤设置", kDialogStyle, kControls};
const DialogTemplateRegistration kRegistration(kTemplate);
}  // namespace

#include "resources/StakePromptDlg.h"

#include "platform/ui/Button.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Static.h"

// 15266: the message above the point's read-only fields.
namespace {
using namespace stakeprompt;
constexpr DWORD kField = ES_AUTOHSCROLL | ES_READONLY | WS_BORDER;
const DialogControlTemplate kControls[] = {
    {L"STATIC", kMessage, 4, 4, 127, 18, L"", SS_LEFT},
    {L"STATIC", IDC_STATIC, 4, 27, 22, 8, L"点名:", SS_LEFT},
    {L"EDIT", kName, 28, 25, 102, 12, L"", kField},
    {L"STATIC", IDC_STATIC, 4, 42, 22, 8, L"x:", SS_LEFT},
    {L"EDIT", kX, 28, 40, 102, 12, L"", kField},
    {L"STATIC", IDC_STATIC, 4, 57, 22, 8, L"y:", SS_LEFT},
    {L"EDIT", kY, 28, 55, 102, 12, L"", kField},
    {L"STATIC", IDC_STATIC, 4, 72, 22, 8, L"h:", SS_LEFT},
    {L"EDIT", kH, 28, 70, 102, 12, L"", kField},
    {L"STATIC", IDC_STATIC, 4, 87, 22, 8, L"编码:", SS_LEFT},
    {L"EDIT", kCode, 28, 85, 102, 12, L"", kField},
    {L"BUTTON", IDOK, 18, 104, 40, 14, L"确定", BS_DEFPUSHBUTTON | WS_TABSTOP},
    {L"BUTTON", IDCANCEL, 76, 104, 40, 14, L"取消", BS_PUSHBUTTON | WS_TABSTOP},
};
const DialogTemplate kTemplate{IDD, 135, 124, L"点放样提示", kDialogStyle | DS_CENTER, kControls};
const DialogTemplateRegistration kRegistration(kTemplate);
}  // namespace

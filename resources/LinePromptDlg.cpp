#include "resources/LinePromptDlg.h"

#include "platform/ui/Button.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Static.h"

// 15193: the message, the start and end points side by side, the start mileage.
namespace {
using namespace lineprompt;
constexpr DWORD kField = ES_AUTOHSCROLL | ES_READONLY | WS_BORDER;
const DialogControlTemplate kControls[] = {
    {L"STATIC", kMessage, 4, 3, 127, 18, L"", SS_LEFT},
    {L"STATIC", IDC_STATIC, 4, 24, 60, 8, L"起点", SS_LEFT},
    {L"STATIC", IDC_STATIC, 70, 24, 60, 8, L"终点", SS_LEFT},
    {L"STATIC", IDC_STATIC, 2, 36, 10, 8, L"名", SS_LEFT},
    {L"EDIT", kStartName, 12, 34, 55, 12, L"", kField},
    {L"EDIT", kEndName, 70, 34, 62, 12, L"", kField},
    {L"STATIC", IDC_STATIC, 2, 50, 10, 8, L"x", SS_LEFT},
    {L"EDIT", kStartX, 12, 48, 55, 12, L"", kField},
    {L"EDIT", kEndX, 70, 48, 62, 12, L"", kField},
    {L"STATIC", IDC_STATIC, 2, 64, 10, 8, L"y", SS_LEFT},
    {L"EDIT", kStartY, 12, 62, 55, 12, L"", kField},
    {L"EDIT", kEndY, 70, 62, 62, 12, L"", kField},
    {L"STATIC", IDC_STATIC, 2, 78, 10, 8, L"h", SS_LEFT},
    {L"EDIT", kStartH, 12, 76, 55, 12, L"", kField},
    {L"EDIT", kEndH, 70, 76, 62, 12, L"", kField},
    {L"STATIC", IDC_STATIC, 2, 92, 10, 8, L"码", SS_LEFT},
    {L"EDIT", kStartCode, 12, 90, 55, 12, L"", kField},
    {L"EDIT", kEndCode, 70, 90, 62, 12, L"", kField},
    {L"STATIC", IDC_STATIC, 4, 107, 36, 8, L"起点里程:", SS_LEFT},
    {L"EDIT", kStartMileage, 42, 105, 90, 12, L"", kField},
    {L"BUTTON", IDOK, 18, 122, 40, 14, L"确定", BS_DEFPUSHBUTTON | WS_TABSTOP},
    {L"BUTTON", IDCANCEL, 76, 122, 40, 14, L"取消", BS_PUSHBUTTON | WS_TABSTOP},
};
const DialogTemplate kTemplate{IDD, 135, 142, L"线放样提示", kDialogStyle | DS_CENTER, kControls};
const DialogTemplateRegistration kRegistration(kTemplate);
}  // namespace

#include "resources/AutoStoreDlg.h"
#include "platform/messages/MessageBox.h"
#include "platform/ui/Button.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Static.h"

// 249: start name, code, antenna height, the count stored so far, start and stop.
namespace {
using namespace autostore;
constexpr DWORD kEdit = ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP;
constexpr DWORD kFirstRadio = BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP;
constexpr DWORD kRadio = BS_AUTORADIOBUTTON;

const DialogControlTemplate kControls[] = {
    {L"STATIC", IDC_STATIC, 4, 6, 36, 8, L"起始点名:", SS_LEFT},
    {L"EDIT", kName, 42, 4, 86, 12, L"", kEdit},
    {L"STATIC", IDC_STATIC, 4, 22, 36, 8, L"属性:", SS_LEFT},
    {L"EDIT", kCode, 42, 20, 86, 12, L"", kEdit},
    {L"STATIC", IDC_STATIC, 4, 38, 36, 8, L"天线高:", SS_LEFT},
    {L"EDIT", kAntHeight, 42, 36, 86, 12, L"", kEdit},
    {L"BUTTON", kVertical, 14, 52, 34, 11, L"直高", kFirstRadio},
    {L"BUTTON", kSlant, 50, 52, 34, 11, L"斜高", kRadio},
    {L"BUTTON", kPole, 86, 52, 34, 11, L"杆高", kRadio},
    {L"STATIC", IDC_STATIC, 4, 70, 52, 8, L"当前存储个数:", SS_LEFT},
    {L"STATIC", kCount, 58, 70, 70, 8, L"0", SS_LEFT},
    {L"BUTTON", kStart, 10, 84, 52, 14, L"开始存储", BS_PUSHBUTTON | WS_TABSTOP | WS_GROUP},
    {L"BUTTON", kStop, 70, 84, 52, 14, L"停止存储", BS_PUSHBUTTON | WS_TABSTOP},
    {L"BUTTON", IDOK, 14, 104, 40, 14, L"确定", BS_DEFPUSHBUTTON | WS_TABSTOP},
    {L"BUTTON", IDCANCEL, 76, 104, 40, 14, L"取消", BS_PUSHBUTTON | WS_TABSTOP},
};
const DialogTemplate kTemplate{IDD, 132, 124, L"自动存储", kDialogStyle | DS_CENTER, kControls};
const DialogTemplateRegistration kRegistration(kTemplate);
}  // namespace

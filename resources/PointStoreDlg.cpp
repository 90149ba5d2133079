#include "resources/PointStoreDlg.h"
#include "platform/messages/MessageBox.h"
#include "platform/ui/Button.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Static.h"

// 15254: name, code and antenna height, the fix's grid position and precision, the point kind.
namespace {
using namespace pointstore;
constexpr DWORD kEdit = ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP;
constexpr DWORD kFirstRadio = BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP;
constexpr DWORD kRadio = BS_AUTORADIOBUTTON;

const DialogControlTemplate kControls[] = {
    {L"STATIC", kStatus, 4, 3, 127, 8, L"", SS_LEFT},
    {L"STATIC", IDC_STATIC, 4, 15, 24, 8, L"点名:", SS_LEFT},
    {L"EDIT", kName, 30, 13, 101, 12, L"", kEdit},
    {L"STATIC", IDC_STATIC, 4, 29, 24, 8, L"属性:", SS_LEFT},
    {L"EDIT", kCode, 30, 27, 101, 12, L"", kEdit},
    {L"STATIC", IDC_STATIC, 4, 43, 26, 8, L"天线高:", SS_LEFT},
    {L"EDIT", kAntHeight, 30, 41, 28, 12, L"", kEdit},
    {L"BUTTON", kVertical, 60, 42, 24, 11, L"直高", kFirstRadio},
    {L"BUTTON", kSlant, 84, 42, 24, 11, L"斜高", kRadio},
    {L"BUTTON", kPole, 108, 42, 24, 11, L"杆高", kRadio},
    {L"STATIC", IDC_STATIC, 4, 57, 10, 8, L"x:", SS_LEFT},
    {L"EDIT", kX, 30, 55, 101, 12, L"", kEdit | WS_GROUP},
    {L"STATIC", IDC_STATIC, 4, 71, 10, 8, L"y:", SS_LEFT},
    {L"EDIT", kY, 30, 69, 101, 12, L"", kEdit},
    {L"STATIC", IDC_STATIC, 4, 85, 10, 8, L"h:", SS_LEFT},
    {L"EDIT", kH, 30, 83, 101, 12, L"", kEdit},
    {L"STATIC", IDC_STATIC, 4, 99, 24, 8, L"RMSH:", SS_LEFT},
    {L"EDIT", kRmsH, 30, 97, 34, 12, L"", kEdit},
    {L"STATIC", IDC_STATIC, 68, 99, 24, 8, L"RMSV:", SS_LEFT},
    {L"EDIT", kRmsV, 94, 97, 37, 12, L"", kEdit},
    {L"BUTTON", kTerrain, 4, 113, 40, 11, L"地形点", kFirstRadio},
    {L"BUTTON", kReference, 46, 113, 40, 11, L"参考点", kRadio},
    {L"STATIC", kProgress, 92, 114, 39, 8, L"", SS_LEFT},
    {L"BUTTON", kStop, 47, 129, 40, 14, L"停止", BS_PUSHBUTTON | WS_GROUP | WS_TABSTOP | kHiddenControl},
    {L"BUTTON", IDOK, 18, 148, 40, 14, L"确定", BS_DEFPUSHBUTTON | WS_TABSTOP},
    {L"BUTTON", IDCANCEL, 72, 148, 40, 14, L"取消", BS_PUSHBUTTON | WS_TABSTOP},
};
const DialogTemplate kTemplate{IDD, 135, 166, L"点存储", kDialogStyle, kControls};
const DialogTemplateRegistration kRegistration(kTemplate);
}  // namespace

#include "resources/OffsetStoreDlg.h"
#include "platform/messages/MessageBox.h"
#include "platform/ui/Button.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Static.h"

// 235: the fix, the reference direction (north or towards a library point) and the offset.
namespace {
using namespace offsetstore;
constexpr DWORD kEdit = ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP;
constexpr DWORD kFirstRadio = BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP;
constexpr DWORD kRadio = BS_AUTORADIOBUTTON;

const DialogControlTemplate kControls[] = {
    {L"STATIC", kStatus, 4, 3, 127, 8, L"", SS_LEFT},
    {L"STATIC", IDC_STATIC, 4, 15, 10, 8, L"x:", SS_LEFT},
    {L"EDIT", kX, 16, 13, 115, 12, L"", kEdit},
    {L"STATIC", IDC_STATIC, 4, 29, 10, 8, L"y:", SS_LEFT},
    {L"EDIT", kY, 16, 27, 115, 12, L"", kEdit},
    {L"STATIC", IDC_STATIC, 4, 43, 10, 8, L"h:", SS_LEFT},
    {L"EDIT", kH, 16, 41, 115, 12, L"", kEdit},
    {L"STATIC", IDC_STATIC, 4, 57, 24, 8, L"RMSH:", SS_LEFT},
    {L"EDIT", kRmsH, 28, 55, 36, 12, L"", kEdit},
    {L"STATIC", IDC_STATIC, 68, 57, 24, 8, L"RMSV:", SS_LEFT},
    {L"EDIT", kRmsV, 93, 55, 38, 12, L"", kEdit},
    {L"BUTTON", kNorth, 4, 70, 50, 11, L"正北方向", kFirstRadio},
    {L"BUTTON", kByPoint, 58, 70, 50, 11, L"据点计算", kRadio},
    {L"EDIT", kRefName, 4, 83, 104, 12, L"", kEdit | WS_GROUP},
    {L"BUTTON", kPick, 112, 82, 19, 14, L"", BS_OWNERDRAW | WS_TABSTOP},
    {L"STATIC", IDC_STATIC, 4, 99, 127, 8, L"角度输入格式:ddmmssssss", SS_LEFT},
    {L"STATIC", IDC_STATIC, 4, 112, 36, 8, L"偏移角度:", SS_LEFT},
    {L"EDIT", kAngle, 44, 110, 87, 12, L"", kEdit},
    {L"STATIC", IDC_STATIC, 4, 126, 36, 8, L"偏移距离:", SS_LEFT},
    {L"EDIT", kDistance, 44, 124, 87, 12, L"", kEdit},
    {L"STATIC", IDC_STATIC, 4, 140, 36, 8, L"高  差:", SS_LEFT},
    {L"EDIT", kHeightDiff, 44, 138, 87, 12, L"", kEdit},
    {L"BUTTON", IDOK, 18, 152, 40, 13, L"确定", BS_DEFPUSHBUTTON | WS_TABSTOP},
    {L"BUTTON", IDCANCEL, 72, 152, 40, 13, L"取消", BS_PUSHBUTTON | WS_TABSTOP},
};
const DialogTemplate kTemplate{IDD, 135, 166, L"偏移存储", kDialogStyle, kControls};
const DialogTemplateRegistration kRegistration(kTemplate);
}  // namespace

#include "resources/ProjectionParamDlg.h"

#include "platform/messages/MessageBox.h"
#include "platform/ui/Button.h"
#include "platform/ui/CommonControls.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Static.h"

// 138 "投影参数设置", maximised: one row per value, labels left of their fields.
namespace {
using namespace projparam;
constexpr DWORD kEdit = ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP;
constexpr DWORD kList = CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP;
const DialogControlTemplate kControls[] = {
    {L"STATIC", IDC_STATIC, 3, 5, 46, 8, L"椭球系名称:", SS_LEFT},
    {WC_COMBOBOX, kEllipsoid, 50, 3, 82, 110, L"", kList},
    {L"STATIC", IDC_STATIC, 3, 18, 46, 8, L"椭球系长轴:", SS_LEFT},
    {L"EDIT", kSemiMajor, 50, 16, 82, 12, L"", kEdit},
    {L"STATIC", IDC_STATIC, 3, 31, 46, 8, L"椭球系扁率:", SS_LEFT},
    {L"EDIT", kInvFlattening, 50, 29, 82, 12, L"", kEdit},
    {L"STATIC", IDC_STATIC, 3, 44, 46, 8, L"投影方式:", SS_LEFT},
    {WC_COMBOBOX, kProjection, 50, 42, 82, 80, L"", kList},
    {L"STATIC", IDC_STATIC, 3, 57, 46, 8, L"中央子午线:", SS_LEFT},
    {L"EDIT", kCentralMeridian, 50, 55, 82, 12, L"", kEdit},
    {L"STATIC", IDC_STATIC, 3, 70, 46, 8, L"尺度:", SS_LEFT},
    {L"EDIT", kScale, 50, 68, 82, 12, L"", kEdit},
    {L"STATIC", IDC_STATIC, 3, 83, 46, 8, L"X常数:", SS_LEFT},
    {L"EDIT", kFalseNorthing, 50, 81, 82, 12, L"", kEdit},
    {L"STATIC", IDC_STATIC, 3, 96, 46, 8, L"Y常数:", SS_LEFT},
    {L"EDIT", kFalseEasting, 50, 94, 82, 12, L"", kEdit},
    {L"STATIC", IDC_STATIC, 3, 109, 46, 8, L"投影高:", SS_LEFT},
    {L"EDIT", kHeight, 50, 107, 82, 12, L"", kEdit},
    {L"STATIC", IDC_STATIC, 3, 122, 46, 8, L"基准纬度:", SS_LEFT},
    {L"EDIT", kBaseLatitude, 50, 120, 82, 12, L"", kEdit},
    {L"STATIC", IDC_STATIC, 50, 135, 82, 8, L"格式:dd.mmssssss", SS_LEFT},
    {L"BUTTON", IDOK, 22, 148, 40, 14, L"确定", BS_DEFPUSHBUTTON | WS_TABSTOP},
    {L"BUTTON", IDCANCEL, 72, 148, 40, 14, L"取消", BS_PUSHBUTTON | WS_TABSTOP},
};
const DialogTemplate kTemplate{IDD, 135, 166, L"投影参数设置", kDialogStyle, kControls};
const DialogTemplateRegistration kRegistration(kTemplate);
}  // namespace

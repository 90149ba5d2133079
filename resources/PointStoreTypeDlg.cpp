#include "resources/PointStoreTypeDlg.h"
#include "platform/messages/MessageBox.h"
#include "platform/ui/Button.h"
#include "platform/ui/CommonControls.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Static.h"

// 142: store mode, smoothing length, automatic storing, map labels and the code rule.
namespace {
using namespace storetype;
constexpr DWORD kEdit = ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP;
constexpr DWORD kFirstRadio = BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP;
constexpr DWORD kRadio = BS_AUTORADIOBUTTON;

const DialogControlTemplate kControls[] = {
    {L"BUTTON", IDC_STATIC, 2, 1, 131, 30, L"存储方式", BS_GROUPBOX},
    {L"BUTTON", kNormal, 6, 10, 60, 10, L"一般存储", kFirstRadio},
    {L"BUTTON", kOffset, 68, 10, 60, 10, L"偏移存储", kRadio},
    {L"BUTTON", kSmooth, 6, 20, 60, 10, L"平滑存储", kRadio},
    {L"BUTTON", kAuto, 68, 20, 60, 10, L"自动存储", kRadio},
    {L"STATIC", IDC_STATIC, 6, 35, 36, 8, L"平滑时间:", SS_LEFT},
    {L"EDIT", kSmoothSeconds, 44, 33, 30, 12, L"", kEdit | WS_GROUP},
    {L"STATIC", IDC_STATIC, 76, 35, 10, 8, L"秒", SS_LEFT},
    {L"BUTTON", IDC_STATIC, 2, 48, 131, 46, L"自动存储", BS_GROUPBOX},
    {L"STATIC", IDC_STATIC, 6, 59, 36, 8, L"存储条件:", SS_LEFT},
    {WC_COMBOBOX, kCondition, 44, 57, 60, 60, L"", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP},
    {L"BUTTON", kByTime, 6, 71, 40, 10, L"按时间", kFirstRadio},
    {L"BUTTON", kByDistance, 6, 82, 40, 10, L"按距离", kRadio},
    {L"STATIC", IDC_STATIC, 50, 72, 18, 8, L"间隔", SS_LEFT},
    {L"EDIT", kInterval, 70, 70, 40, 11, L"", kEdit | WS_GROUP},
    {L"STATIC", IDC_STATIC, 113, 72, 10, 8, L"秒", SS_LEFT},
    {L"STATIC", IDC_STATIC, 50, 83, 18, 8, L"间距", SS_LEFT},
    {L"EDIT", kDistance, 70, 81, 40, 11, L"", kEdit},
    {L"STATIC", IDC_STATIC, 113, 83, 10, 8, L"米", SS_LEFT},
    {L"STATIC", IDC_STATIC, 6, 99, 36, 8, L"图上显示:", SS_LEFT},
    {L"BUTTON", kLabelName, 44, 98, 40, 10, L"点名", kFirstRadio},
    {L"BUTTON", kLabelCode, 86, 98, 40, 10, L"属性", kRadio},
    {L"STATIC", IDC_STATIC, 6, 113, 36, 8, L"显示点数:", SS_LEFT},
    {WC_COMBOBOX, kPointCount, 44, 111, 60, 60, L"", CBS_DROPDOWN | WS_VSCROLL | WS_TABSTOP | WS_GROUP},
    {L"STATIC", IDC_STATIC, 6, 127, 36, 8, L"属性:", SS_LEFT},
    {L"BUTTON", kCodeKeep, 44, 126, 44, 10, L"保持不变", kFirstRadio},
    {L"BUTTON", kCodeName, 88, 126, 44, 10, L"和点名一致", kRadio},
    {L"BUTTON", IDOK, 18, 148, 40, 14, L"确定", BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP},
    {L"BUTTON", IDCANCEL, 72, 148, 40, 14, L"取消", BS_PUSHBUTTON | WS_TABSTOP},
};
const DialogTemplate kTemplate{IDD, 135, 166, L"点存储类型设置", kDialogStyle, kControls};
const DialogTemplateRegistration kRegistration(kTemplate);
}  // namespace

#include "resources/DataEditDlg.h"

#include "platform/messages/MessageBox.h"
#include "platform/ui/Button.h"
#include "platform/ui/CommonControls.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Static.h"

// 15283 "数据编辑": a label column and a field column; controls that share a place are shown one
// at a time by the screen.
namespace {
using namespace dataedit;
constexpr DWORD kField = ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP;
constexpr DWORD kChoice = CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP;
const DialogControlTemplate kControls[] = {
    {L"STATIC", IDC_STATIC, 2, 6, 40, 8, L"数据类型:", SS_LEFT},
    {L"EDIT", kDataType, 44, 4, 88, 12, L"", ES_AUTOHSCROLL | ES_READONLY | WS_BORDER},
    {L"STATIC", IDC_STATIC, 2, 21, 40, 8, L"点  名:", SS_LEFT},
    {L"EDIT", kName, 44, 19, 88, 12, L"", kField},
    {L"STATIC", kSubTypeLabel, 2, 36, 40, 8, L"点类型:", SS_LEFT},
    {WC_COMBOBOX, kSubType, 44, 34, 88, 80, L"", kChoice},
    {L"STATIC", kFirstLabel, 2, 51, 40, 8, L"量  高:", SS_LEFT},
    {L"EDIT", kFirstValue, 44, 49, 88, 12, L"", kField},
    {L"STATIC", kFeatureLabel, 2, 66, 40, 8, L"地  物:", SS_LEFT},
    {WC_COMBOBOX, kCrossing, 44, 64, 88, 80, L"", kChoice},
    {WC_COMBOBOX, kTerrain, 44, 64, 88, 80, L"", kChoice},
    {L"EDIT", kMeasuredHeight, 44, 64, 88, 12, L"", kField},
    {L"STATIC", kPoleLabel, 2, 81, 42, 8, L"杆型|物宽:", SS_LEFT},
    {WC_COMBOBOX, kPoleType, 44, 79, 88, 80, L"", kChoice},
    {L"EDIT", kWidth, 44, 79, 88, 12, L"", kField},
    {L"STATIC", kLengthLabel, 2, 96, 42, 8, L"角度|物长:", SS_LEFT},
    {L"EDIT", kLength, 44, 94, 88, 12, L"", kField},
    {L"STATIC", IDC_STATIC, 2, 111, 40, 8, L"天线高", SS_LEFT},
    {L"EDIT", kAntennaHeight, 44, 109, 88, 12, L"", kField},
    {L"STATIC", kRemarkLabel, 2, 126, 40, 8, L"备  注:", SS_LEFT},
    {L"EDIT", kRemark, 44, 124, 88, 12, L"", kField},
    {L"BUTTON", IDOK, 22, 146, 40, 15, L"确定", BS_DEFPUSHBUTTON | WS_TABSTOP},
    {L"BUTTON", IDCANCEL, 72, 146, 40, 15, L"取消", BS_PUSHBUTTON | WS_TABSTOP},
};
const DialogTemplate kTemplate{IDD, 135, 166, L"数据编辑", kDialogStyle, kControls};
const DialogTemplateRegistration kRegistration(kTemplate);
}  // namespace

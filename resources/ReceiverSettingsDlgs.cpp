#include "platform/ui/Button.h"
#include "platform/ui/CommonControls.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Static.h"
#include "resources/DialogRows.h"
#include "resources/RoverSettingsDlg.h"
#include "resources/SatLimitDlg.h"
#include "resources/TimeZoneDlg.h"

// The receiver settings the job keeps: elevation cut-off, rover solution settings, time zone.
namespace {
constexpr DWORD kEdit = ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP;
constexpr DWORD kDropList = CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP;

const DialogControlTemplate kSatLimitControls[] = {
    {L"STATIC", IDC_STATIC, 6, 12, 46, 8, L"高度截止角:", SS_LEFT},
    {L"EDIT", satlimit::kAngle, 52, 10, 30, 12, L"", kEdit},
    {L"STATIC", IDC_STATIC, 85, 12, 40, 8, L"度 (0~89)", SS_LEFT},
    {L"BUTTON", 1, 16, 34, 44, 14, L"确定", BS_DEFPUSHBUTTON | WS_TABSTOP},
    {L"BUTTON", 2, 72, 34, 44, 14, L"取消", BS_PUSHBUTTON | WS_TABSTOP},
};
const DialogTemplate kSatLimit{satlimit::IDD,    131, 56, L"卫星限制", kDialogStyle | DS_CENTER,
                               kSatLimitControls};
const DialogTemplateRegistration kSatLimitRegistration(kSatLimit);

constexpr FieldColumns kRoverFields{8, 46, 66, 60};
const BuiltDialogTemplate kRover(
    roversettings::IDD, 135, 166, L"移动站设置", kDialogStyle,
    DialogRows()
        .Control({L"BUTTON", IDC_STATIC, 3, 2, 129, 40, L"解算", BS_GROUPBOX})
        .Control({L"STATIC", IDC_STATIC, 8, 14, 56, 8, L"差分数据格式:", SS_LEFT})
        .Control({L"COMBOBOX", roversettings::kRadioFormat, 66, 12, 60, 60, L"", kDropList})
        .Control({L"STATIC", IDC_STATIC, 8, 28, 56, 8, L"解算精度水平:", SS_LEFT})
        .Control({L"COMBOBOX", roversettings::kFixLevel, 66, 26, 60, 60, L"", kDropList})
        .Control({L"BUTTON", IDC_STATIC, 3, 45, 129, 40, L"精度", BS_GROUPBOX})
        .Field(kRoverFields, roversettings::kRmshLimit, 55, L"RMSH限制:")
        .Field(kRoverFields, roversettings::kRmsvLimit, 69, L"RMSV限制:")
        .Control({L"BUTTON", IDC_STATIC, 3, 88, 129, 40, L"PDOP", BS_GROUPBOX})
        .Control({L"BUTTON", roversettings::kUsePdop, 8, 99, 40, 10, L"使用", BS_AUTOCHECKBOX | WS_TABSTOP})
        .Field(kRoverFields, roversettings::kPdopLimit, 112, L"PDOP限制:")
        .Control({L"BUTTON", 1, 16, 140, 44, 16, L"确定", BS_DEFPUSHBUTTON | WS_TABSTOP})
        .Control({L"BUTTON", 2, 76, 140, 44, 16, L"取消", BS_PUSHBUTTON | WS_TABSTOP})
        .Controls());

const DialogControlTemplate kTimeZoneControls[] = {
    {L"STATIC", IDC_STATIC, 6, 10, 24, 8, L"时区:", SS_LEFT},
    {L"EDIT", timezonedlg::kZone, 32, 8, 40, 12, L"", kEdit},
    {L"STATIC", IDC_STATIC, 6, 26, 122, 18, L"正值表示东时区，负值表示西时区\r\n例:8表示东八区,-6表示西6区",
     SS_LEFT},
    {L"BUTTON", 1, 16, 50, 44, 14, L"确定", BS_DEFPUSHBUTTON | WS_TABSTOP},
    {L"BUTTON", 2, 72, 50, 44, 14, L"取消", BS_PUSHBUTTON | WS_TABSTOP},
};
const DialogTemplate kTimeZone{timezonedlg::IDD, 131, 72, L"时区设置", kDialogStyle | DS_CENTER,
                               kTimeZoneControls};
const DialogTemplateRegistration kTimeZoneRegistration(kTimeZone);
}  // namespace

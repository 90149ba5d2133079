#include "resources/ControlPointDlgs.h"

#include "platform/messages/MessageBox.h"
#include "platform/ui/Button.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/CommonControls.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Static.h"

namespace {
constexpr DWORD kButton = BS_PUSHBUTTON | WS_TABSTOP;
constexpr DWORD kEdit = ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP;

// 102: the pairs over two rows of commands; 应用 closes with the solve's result.
const DialogControlTemplate kControlPointControls[] = {
    {WC_LISTVIEW, ctrlpoint::kList, 0, 0, 135, 126, L"",
     LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | WS_BORDER | WS_TABSTOP},
    {L"BUTTON", ctrlpoint::kAdd, 2, 130, 31, 15, L"增加", kButton},
    {L"BUTTON", ctrlpoint::kDelete, 35, 130, 31, 15, L"删除", kButton},
    {L"BUTTON", ctrlpoint::kEdit, 68, 130, 31, 15, L"编辑", kButton},
    {L"BUTTON", ctrlpoint::kToggleUse, 101, 130, 31, 15, L"On/Off", kButton},
    {L"BUTTON", ctrlpoint::kOpen, 2, 148, 31, 15, L"打开", kButton},
    {L"BUTTON", ctrlpoint::kSave, 35, 148, 31, 15, L"保存", kButton},
    {L"BUTTON", ctrlpoint::kSettings, 68, 148, 31, 15, L"设置", kButton},
    {L"BUTTON", IDOK, 101, 148, 31, 15, L"应用", BS_DEFPUSHBUTTON | WS_TABSTOP},
};
const DialogTemplate kControlPointTemplate{ctrlpoint::IDD, 135,          166,
                                           L"求转换参数",  kDialogStyle, kControlPointControls};
const DialogTemplateRegistration kControlPointRegistration(kControlPointTemplate);

const DialogControlTemplate kOverLimitControls[] = {
    {L"EDIT", overlimit::kText, 4, 4, 122, 70, L"",
     ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | WS_VSCROLL | WS_BORDER},
    {L"STATIC", IDC_STATIC, 4, 78, 122, 26, L"使用该控制点文件,可能会产生错误的测量结果。 确定使用吗?",
     SS_LEFT},
    {L"BUTTON", IDOK, 18, 108, 40, 14, L"确定", BS_DEFPUSHBUTTON | WS_TABSTOP},
    {L"BUTTON", IDCANCEL, 72, 108, 40, 14, L"取消", kButton},
};
const DialogTemplate kOverLimitTemplate{overlimit::IDD,    130, 128, L"超限提示", kDialogStyle | DS_CENTER,
                                        kOverLimitControls};
const DialogTemplateRegistration kOverLimitRegistration(kOverLimitTemplate);

const DialogControlTemplate kPointAttrControls[] = {
    {L"STATIC", IDC_STATIC, 6, 8, 28, 8, L"点 名:", SS_LEFT},
    {L"EDIT", pointattr::kName, 36, 6, 80, 12, L"", kEdit},
    {L"BUTTON", pointattr::kUsePlane, 6, 26, 110, 12, L"使用该点平面坐标", BS_AUTOCHECKBOX | WS_TABSTOP},
    {L"BUTTON", pointattr::kUseHeight, 6, 42, 110, 12, L"使用该点高程", BS_AUTOCHECKBOX | WS_TABSTOP},
    {L"BUTTON", IDOK, 16, 62, 40, 14, L"确定", BS_DEFPUSHBUTTON | WS_TABSTOP},
    {L"BUTTON", IDCANCEL, 70, 62, 40, 14, L"取消", kButton},
};
const DialogTemplate kPointAttrTemplate{pointattr::IDD,    124, 82, L"点属性", kDialogStyle | DS_CENTER,
                                        kPointAttrControls};
const DialogTemplateRegistration kPointAttrRegistration(kPointAttrTemplate);

constexpr DWORD kDropList = CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP;
const DialogControlTemplate kSettingsControls[] = {
    {L"STATIC", IDC_STATIC, 6, 6, 118, 8, L"高程平面拟合至少已知点个数:", SS_LEFT},
    {WC_COMBOBOX, solvesettings::kPlaneCount, 6, 17, 60, 40, L"", kDropList},
    {L"STATIC", IDC_STATIC, 6, 36, 118, 8, L"高程曲面拟合至少已知点个数:", SS_LEFT},
    {WC_COMBOBOX, solvesettings::kSurfaceCount, 6, 47, 60, 40, L"", kDropList},
    {L"BUTTON", IDOK, 16, 68, 40, 14, L"确定", BS_DEFPUSHBUTTON | WS_TABSTOP},
    {L"BUTTON", IDCANCEL, 70, 68, 40, 14, L"取消", kButton},
};
const DialogTemplate kSettingsTemplate{
    solvesettings::IDD, 128, 88, L"求转换参数设置", kDialogStyle | DS_CENTER, kSettingsControls};
const DialogTemplateRegistration kSettingsRegistration(kSettingsTemplate);
}  // namespace

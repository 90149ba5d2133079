#include "resources/ParamComputeDlgs.h"

#include <vector>

#include "platform/messages/MessageBox.h"
#include "platform/ui/Button.h"
#include "platform/ui/CommonControls.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Static.h"

namespace {
using namespace pairlist;
constexpr DWORD kButton = BS_PUSHBUTTON | WS_TABSTOP;
constexpr DWORD kEdit = ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP;

std::vector<DialogControlTemplate> ListControls(UINT openId) {
    return {
        {WC_LISTVIEW, kList, 0, 0, 135, 112, L"",
         LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | WS_BORDER | WS_TABSTOP},
        {L"STATIC", IDC_STATIC, 2, 116, 18, 8, L"文件:", SS_LEFT},
        {L"EDIT", kPath, 20, 114, 113, 12, L"", kEdit},
        {L"BUTTON", kAdd, 2, 130, 31, 15, L"增加", kButton},
        {L"BUTTON", kDelete, 35, 130, 31, 15, L"删除", kButton},
        {L"BUTTON", kEdit, 68, 130, 31, 15, L"编辑", kButton},
        {L"BUTTON", kClear, 101, 130, 31, 15, L"清除", kButton},
        {L"BUTTON", openId, 2, 148, 31, 15, L"打开", kButton},
        {L"BUTTON", IDOK, 68, 148, 31, 15, L"计算", BS_DEFPUSHBUTTON | WS_TABSTOP},
        {L"BUTTON", IDCANCEL, 101, 148, 31, 15, L"取消", kButton},
    };
}
const std::vector<DialogControlTemplate> kFourListControls = ListControls(kOpenFour);
const DialogTemplate kFourListTemplate{IDD_FOUR, 135, 166, L"计算四参数", kDialogStyle, kFourListControls};
const DialogTemplateRegistration kFourListRegistration(kFourListTemplate);
const std::vector<DialogControlTemplate> kSevenListControls = ListControls(kOpenSeven);
const DialogTemplate kSevenListTemplate{IDD_SEVEN, 135, 166, L"计算七参数", kDialogStyle, kSevenListControls};
const DialogTemplateRegistration kSevenListRegistration(kSevenListTemplate);

const DialogControlTemplate kFourPairControls[] = {
    {L"STATIC", IDC_STATIC, 5, 8, 30, 8, L"点  名:", SS_LEFT},
    {L"EDIT", fourpair::kName, 36, 6, 60, 12, L"", kEdit},
    {L"STATIC", IDC_STATIC, 5, 24, 60, 8, L"转换前坐标:", SS_LEFT},
    {L"BUTTON", fourpair::kPickSource, 100, 18, 30, 16, L"", kButton},
    {L"STATIC", IDC_STATIC, 5, 40, 30, 8, L"北坐标:", SS_LEFT},
    {L"EDIT", fourpair::kSourceN, 36, 38, 94, 12, L"", kEdit},
    {L"STATIC", IDC_STATIC, 5, 56, 30, 8, L"东坐标:", SS_LEFT},
    {L"EDIT", fourpair::kSourceE, 36, 54, 94, 12, L"", kEdit},
    {L"STATIC", IDC_STATIC, 5, 74, 60, 8, L"转换后坐标:", SS_LEFT},
    {L"BUTTON", fourpair::kPickTarget, 100, 68, 30, 16, L"", kButton},
    {L"STATIC", IDC_STATIC, 5, 90, 30, 8, L"北坐标:", SS_LEFT},
    {L"EDIT", fourpair::kTargetN, 36, 88, 94, 12, L"", kEdit},
    {L"STATIC", IDC_STATIC, 5, 106, 30, 8, L"东坐标:", SS_LEFT},
    {L"EDIT", fourpair::kTargetE, 36, 104, 94, 12, L"", kEdit},
    {L"BUTTON", IDOK, 22, 126, 40, 14, L"确定", BS_DEFPUSHBUTTON | WS_TABSTOP},
    {L"BUTTON", IDCANCEL, 72, 126, 40, 14, L"取消", kButton},
};
const DialogTemplate kFourPairTemplate{fourpair::IDD,    135, 146, L"计算四参数", kDialogStyle | DS_CENTER,
                                       kFourPairControls};
const DialogTemplateRegistration kFourPairRegistration(kFourPairTemplate);

const DialogControlTemplate kSevenPairControls[] = {
    {L"BUTTON", IDC_STATIC, 2, 2, 131, 70, L"大地坐标", BS_GROUPBOX},
    {L"BUTTON", sevenpair::kPickGeodetic, 100, 10, 30, 16, L"", kButton},
    {L"STATIC", IDC_STATIC, 6, 14, 24, 8, L"点名:", SS_LEFT},
    {L"EDIT", sevenpair::kName, 30, 12, 66, 12, L"", kEdit},
    {L"STATIC", IDC_STATIC, 6, 30, 24, 8, L"B:", SS_LEFT},
    {L"EDIT", sevenpair::kB, 30, 28, 100, 12, L"", kEdit},
    {L"STATIC", IDC_STATIC, 6, 44, 24, 8, L"L:", SS_LEFT},
    {L"EDIT", sevenpair::kL, 30, 42, 100, 12, L"", kEdit},
    {L"STATIC", IDC_STATIC, 6, 58, 24, 8, L"H:", SS_LEFT},
    {L"EDIT", sevenpair::kH, 30, 56, 100, 12, L"", kEdit},
    {L"BUTTON", IDC_STATIC, 2, 74, 131, 62, L"平面坐标", BS_GROUPBOX},
    {L"BUTTON", sevenpair::kPickPlane, 100, 82, 30, 16, L"", kButton},
    {L"STATIC", IDC_STATIC, 6, 88, 24, 8, L"X:", SS_LEFT},
    {L"EDIT", sevenpair::kX, 30, 86, 66, 12, L"", kEdit},
    {L"STATIC", IDC_STATIC, 6, 104, 24, 8, L"Y:", SS_LEFT},
    {L"EDIT", sevenpair::kY, 30, 102, 100, 12, L"", kEdit},
    {L"STATIC", IDC_STATIC, 6, 120, 24, 8, L"H:", SS_LEFT},
    {L"EDIT", sevenpair::kLocalH, 30, 118, 100, 12, L"", kEdit},
    {L"BUTTON", IDOK, 22, 142, 40, 14, L"确定", BS_DEFPUSHBUTTON | WS_TABSTOP},
    {L"BUTTON", IDCANCEL, 72, 142, 40, 14, L"取消", kButton},
};
const DialogTemplate kSevenPairTemplate{sevenpair::IDD,    135, 162, L"计算七参数", kDialogStyle | DS_CENTER,
                                        kSevenPairControls};
const DialogTemplateRegistration kSevenPairRegistration(kSevenPairTemplate);
}  // namespace

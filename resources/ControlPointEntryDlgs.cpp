#include "resources/ControlPointEntryDlgs.h"

#include "platform/messages/MessageBox.h"
#include "platform/ui/Button.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Static.h"

namespace {
constexpr DWORD kButton = BS_PUSHBUTTON | WS_TABSTOP;
constexpr DWORD kEdit = ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP;
constexpr DWORD kFirstRadio = BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP;
constexpr DWORD kStyle = kDialogStyle | DS_CENTER;

const DialogControlTemplate kKnownControls[] = {
    {L"STATIC", IDC_STATIC, 5, 6, 90, 8, L"输入控制点已知平面坐标:", SS_LEFT},
    {L"BUTTON", knownpoint::kPick, 100, 2, 30, 16, L"", kButton},
    {L"STATIC", IDC_STATIC, 5, 24, 30, 8, L"点  名:", SS_LEFT},
    {L"EDIT", knownpoint::kName, 36, 22, 94, 12, L"", kEdit},
    {L"STATIC", IDC_STATIC, 5, 40, 30, 8, L"坐标 x:", SS_LEFT},
    {L"EDIT", knownpoint::kX, 36, 38, 94, 12, L"", kEdit},
    {L"STATIC", IDC_STATIC, 5, 56, 30, 8, L"坐标 y:", SS_LEFT},
    {L"EDIT", knownpoint::kY, 36, 54, 94, 12, L"", kEdit},
    {L"STATIC", IDC_STATIC, 5, 72, 30, 8, L"坐标 h:", SS_LEFT},
    {L"EDIT", knownpoint::kH, 36, 70, 94, 12, L"", kEdit},
    {L"STATIC", IDC_STATIC, 5, 88, 125, 44,
     L"增加控制点第一步:\r\n输入控制点的已知平面坐标,"
     L"使用右上角的选点按钮可以从坐标管理库中选取已录入的已知点坐标。",
     SS_LEFT},
    {L"BUTTON", IDOK, 22, 140, 40, 14, L"确定", BS_DEFPUSHBUTTON | WS_TABSTOP},
    {L"BUTTON", IDCANCEL, 72, 140, 40, 14, L"取消", kButton},
};
const DialogTemplate kKnownTemplate{knownpoint::IDD, 135, 160, L"增加点(已知坐标)", kStyle, kKnownControls};
const DialogTemplateRegistration kKnownRegistration(kKnownTemplate);

const DialogControlTemplate kSourceControls[] = {
    {L"BUTTON", rawsource::kGeoLibrary, 15, 6, 105, 16, L"从经纬度库选点", kButton},
    {L"BUTTON", rawsource::kCurrent, 15, 26, 105, 16, L"读取当前点坐标", kButton},
    {L"BUTTON", rawsource::kBase, 15, 46, 105, 16, L"读取基准站坐标", kButton},
    {L"BUTTON", rawsource::kTypedBlh, 15, 66, 105, 16, L"输入大地坐标", kButton},
    {L"BUTTON", rawsource::kTypedXyz, 15, 86, 105, 16, L"输入空间直角坐标", kButton},
    {L"STATIC", IDC_STATIC, 5, 108, 125, 26, L"增加控制点第二步:\r\n控制点的原始坐标可以通过以上五种方式得到",
     SS_LEFT},
    {L"BUTTON", IDCANCEL, 47, 140, 40, 14, L"取消", kButton},
};
const DialogTemplate kSourceTemplate{rawsource::IDD, 135, 160, L"增加点(原始坐标)", kStyle, kSourceControls};
const DialogTemplateRegistration kSourceRegistration(kSourceTemplate);

const DialogControlTemplate kRawControls[] = {
    {L"STATIC", IDC_STATIC, 5, 6, 90, 8, L"控制点原始坐标:", SS_LEFT},
    {L"STATIC", IDC_STATIC, 5, 22, 30, 8, L"坐标 x:", SS_LEFT},
    {L"EDIT", rawpoint::kX, 36, 20, 94, 12, L"", kEdit},
    {L"STATIC", IDC_STATIC, 5, 38, 30, 8, L"坐标 y:", SS_LEFT},
    {L"EDIT", rawpoint::kY, 36, 36, 94, 12, L"", kEdit},
    {L"STATIC", IDC_STATIC, 5, 54, 30, 8, L"坐标 h:", SS_LEFT},
    {L"EDIT", rawpoint::kH, 36, 52, 94, 12, L"", kEdit},
    {L"STATIC", IDC_STATIC, 5, 70, 30, 8, L"天线高:", SS_LEFT},
    {L"EDIT", rawpoint::kAntenna, 36, 68, 94, 12, L"", kEdit},
    {L"BUTTON", rawpoint::kVertical, 10, 84, 36, 11, L"直高", kFirstRadio},
    {L"BUTTON", rawpoint::kSlant, 50, 84, 36, 11, L"斜高", BS_AUTORADIOBUTTON},
    {L"BUTTON", rawpoint::kPole, 90, 84, 36, 11, L"杆高", BS_AUTORADIOBUTTON},
    {L"STATIC", IDC_STATIC, 5, 100, 125, 34,
     L"注意读取基准站或当前点坐标时必须输入对应基准站或当前点的天线高", SS_LEFT},
    {L"BUTTON", IDOK, 22, 140, 40, 14, L"确定", BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP},
    {L"BUTTON", IDCANCEL, 72, 140, 40, 14, L"取消", kButton},
};
const DialogTemplate kRawTemplate{rawpoint::IDD, 135, 160, L"增加点(原始坐标)", kStyle, kRawControls};
const DialogTemplateRegistration kRawRegistration(kRawTemplate);

const DialogControlTemplate kBlhControls[] = {
    {L"BUTTON", inputblh::kPick, 100, 2, 30, 16, L"", kButton},
    {L"STATIC", IDC_STATIC, 5, 24, 30, 8, L"纬  度:", SS_LEFT},
    {L"EDIT", inputblh::kB, 36, 22, 94, 12, L"", kEdit},
    {L"STATIC", IDC_STATIC, 5, 40, 30, 8, L"经  度:", SS_LEFT},
    {L"EDIT", inputblh::kL, 36, 38, 94, 12, L"", kEdit},
    {L"STATIC", IDC_STATIC, 5, 56, 30, 8, L"高  程:", SS_LEFT},
    {L"EDIT", inputblh::kH, 36, 54, 94, 12, L"", kEdit},
    {L"STATIC", IDC_STATIC, 5, 74, 125, 58,
     L"输入大地坐标格式为dd.mmssssss\r\n例:23度07分59.1234秒,则输入\r\n23.07591234 "
     L"\r\n本软件经纬度都采用此输入方式",
     SS_LEFT},
    {L"BUTTON", IDOK, 22, 140, 40, 14, L"确定", BS_DEFPUSHBUTTON | WS_TABSTOP},
    {L"BUTTON", IDCANCEL, 72, 140, 40, 14, L"取消", kButton},
};
const DialogTemplate kBlhTemplate{inputblh::IDD, 135, 160, L"输入大地坐标", kStyle, kBlhControls};
const DialogTemplateRegistration kBlhRegistration(kBlhTemplate);

const DialogControlTemplate kXyzControls[] = {
    {L"STATIC", IDC_STATIC, 5, 10, 20, 8, L"X:", SS_LEFT},
    {L"EDIT", inputxyz::kX, 26, 8, 100, 12, L"", kEdit},
    {L"STATIC", IDC_STATIC, 5, 28, 20, 8, L"Y:", SS_LEFT},
    {L"EDIT", inputxyz::kY, 26, 26, 100, 12, L"", kEdit},
    {L"STATIC", IDC_STATIC, 5, 46, 20, 8, L"Z:", SS_LEFT},
    {L"EDIT", inputxyz::kZ, 26, 44, 100, 12, L"", kEdit},
    {L"BUTTON", IDOK, 20, 66, 40, 14, L"确定", BS_DEFPUSHBUTTON | WS_TABSTOP},
    {L"BUTTON", IDCANCEL, 70, 66, 40, 14, L"取消", kButton},
};
const DialogTemplate kXyzTemplate{inputxyz::IDD, 132, 86, L"输入空间直角坐标", kStyle, kXyzControls};
const DialogTemplateRegistration kXyzRegistration(kXyzTemplate);

const DialogControlTemplate kEditControls[] = {
    {L"STATIC", IDC_STATIC, 5, 8, 44, 8, L"点  名:", SS_LEFT},
    {L"EDIT", editctrl::kName, 50, 6, 50, 12, L"", kEdit},
    {L"BUTTON", editctrl::kPick, 104, 2, 28, 16, L"", kButton},
    {L"STATIC", IDC_STATIC, 5, 24, 44, 8, L"已知坐标 x:", SS_LEFT},
    {L"EDIT", editctrl::kKnownX, 50, 22, 82, 12, L"", kEdit},
    {L"STATIC", IDC_STATIC, 5, 40, 44, 8, L"已知坐标 y:", SS_LEFT},
    {L"EDIT", editctrl::kKnownY, 50, 38, 82, 12, L"", kEdit},
    {L"STATIC", IDC_STATIC, 5, 56, 44, 8, L"已知坐标 h:", SS_LEFT},
    {L"EDIT", editctrl::kKnownH, 50, 54, 82, 12, L"", kEdit},
    {L"STATIC", IDC_STATIC, 5, 74, 44, 8, L"原始坐标 x:", SS_LEFT},
    {L"EDIT", editctrl::kRawX, 50, 72, 64, 12, L"", kEdit},
    {L"BUTTON", editctrl::kPickGeodetic, 116, 72, 16, 12, L"B", kButton},
    {L"STATIC", IDC_STATIC, 5, 90, 44, 8, L"原始坐标 y:", SS_LEFT},
    {L"EDIT", editctrl::kRawY, 50, 88, 82, 12, L"", kEdit},
    {L"STATIC", IDC_STATIC, 5, 106, 44, 8, L"原始坐标 h:", SS_LEFT},
    {L"EDIT", editctrl::kRawH, 50, 104, 82, 12, L"", kEdit},
    {L"BUTTON", IDOK, 22, 126, 40, 14, L"确定", BS_DEFPUSHBUTTON | WS_TABSTOP},
    {L"BUTTON", IDCANCEL, 72, 126, 40, 14, L"取消", kButton},
};
const DialogTemplate kEditTemplate{editctrl::IDD, 135, 146, L"编辑点", kStyle, kEditControls};
const DialogTemplateRegistration kEditRegistration(kEditTemplate);
}  // namespace

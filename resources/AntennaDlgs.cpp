#include "resources/AntennaDlgs.h"
#include "platform/messages/MessageBox.h"
#include "platform/ui/Button.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Static.h"

namespace {
constexpr DWORD kEdit = ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP;
constexpr DWORD kFirstRadio = BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP;
constexpr DWORD kRadio = BS_AUTORADIOBUTTON;

// 139: the measured height, how it was measured and whether the map shows ground heights.
const DialogControlTemplate kRoverControls[] = {
    {L"STATIC", IDC_STATIC, 4, 8, 36, 8, L"天线高(米):", SS_LEFT},
    {L"EDIT", roverantenna::kHeight, 46, 6, 82, 12, L"", kEdit},
    {L"BUTTON", roverantenna::kVertical, 10, 24, 36, 11, L"直高", kFirstRadio},
    {L"BUTTON", roverantenna::kSlant, 50, 24, 36, 11, L"斜高", kRadio},
    {L"BUTTON", roverantenna::kPole, 90, 24, 36, 11, L"杆高", kRadio},
    {L"BUTTON", roverantenna::kShowGround, 10, 40, 110, 11, L"直接显示实际高程",
     BS_AUTOCHECKBOX | WS_TABSTOP | WS_GROUP},
    {L"STATIC", IDC_STATIC, 4, 56, 127, 50,
     L"直高: 天线相位中心到地面测量点的距离.\r\n斜高: 地面测量点到橡胶圈中部的距离.\r\n杆高: "
     L"对中杆、碳纤杆等的长度。",
     SS_LEFT},
    {L"BUTTON", IDOK, 18, 148, 40, 14, L"确定", BS_DEFPUSHBUTTON | WS_TABSTOP},
    {L"BUTTON", IDCANCEL, 72, 148, 40, 14, L"取消", BS_PUSHBUTTON | WS_TABSTOP},
};
const DialogTemplate kRover{roverantenna::IDD, 135, 166, L"移动站天线高设置", kDialogStyle, kRoverControls};
const DialogTemplateRegistration kRegisterRover(kRover);

// 242: slant or pole height in, vertical height out, for the connected receiver.
const DialogControlTemplate kToolControls[] = {
    {L"STATIC", IDC_STATIC, 4, 8, 36, 8, L"主机类型:", SS_LEFT},
    {L"EDIT", antennatool::kReceiverType, 46, 6, 82, 12, L"", kEdit | ES_READONLY},
    {L"STATIC", IDC_STATIC, 4, 24, 36, 8, L"天线类型:", SS_LEFT},
    {L"EDIT", antennatool::kAntennaType, 46, 22, 82, 12, L"", kEdit | ES_READONLY},
    {L"BUTTON", antennatool::kSlant, 10, 40, 40, 11, L"斜高", kFirstRadio},
    {L"BUTTON", antennatool::kPole, 60, 40, 40, 11, L"杆高", kRadio},
    {L"STATIC", IDC_STATIC, 4, 58, 60, 8, L"输入天线高(米):", SS_LEFT},
    {L"EDIT", antennatool::kInput, 66, 56, 62, 12, L"", kEdit | WS_GROUP},
    {L"STATIC", IDC_STATIC, 4, 74, 60, 8, L"直高(米):", SS_LEFT},
    {L"EDIT", antennatool::kVertical, 66, 72, 62, 12, L"", kEdit | ES_READONLY},
    {L"BUTTON", antennatool::kCalculate, 18, 148, 40, 14, L"计算", BS_DEFPUSHBUTTON | WS_TABSTOP},
    {L"BUTTON", antennatool::kExit, 72, 148, 40, 14, L"退出", BS_PUSHBUTTON | WS_TABSTOP},
};
const DialogTemplate kTool{antennatool::IDD, 135, 166, L"天线高计算工具", kDialogStyle, kToolControls};
const DialogTemplateRegistration kRegisterTool(kTool);
}  // namespace

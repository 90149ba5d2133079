#include "resources/ParamViewDlg.h"

#include "platform/messages/MessageBox.h"
#include "platform/ui/Button.h"
#include "platform/ui/CommonControls.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/Static.h"

// 15165 "参数查看" and its four caption-less pages. A page row is a label and a value text; the
// pages fill the tab control's area below the tab row.
namespace {
constexpr DWORD kButton = BS_PUSHBUTTON | WS_TABSTOP;
constexpr short kLabelX = 6, kLabelW = 50, kValueX = 57, kValueW = 72;

constexpr DialogControlTemplate Label(short y, const wchar_t* text) {
    return {L"STATIC", IDC_STATIC, kLabelX, y, kLabelW, 8, text, SS_LEFT};
}
constexpr DialogControlTemplate Value(UINT id, short y) {
    return {L"STATIC", id, kValueX, y, kValueW, 8, L"", SS_LEFT};
}
constexpr DialogControlTemplate Group(short y, short cy, const wchar_t* title) {
    return {L"BUTTON", IDC_STATIC, 1, y, 131, cy, title, BS_GROUPBOX};
}
// Every page's 设置, at one place.
constexpr DialogControlTemplate kSetButton{L"BUTTON", paramview::kSet, 46, 120, 40, 12, L"设置", kButton};

const DialogControlTemplate kViewControls[] = {
    {WC_TABCONTROL, paramview::kTab, 0, 0, 135, 148, L"", WS_TABSTOP},
    {L"BUTTON", IDOK, 22, 150, 40, 14, L"确定", BS_DEFPUSHBUTTON | WS_TABSTOP},
    {L"BUTTON", IDCANCEL, 72, 150, 40, 14, L"取消", kButton},
};
const DialogTemplate kView{paramview::IDD, 135, 166, L"参数查看", kDialogStyle, kViewControls};
const DialogTemplateRegistration kViewRegistration(kView);

const DialogControlTemplate kProjControls[] = {
    Group(0, 37, L"椭球参数"),
    Label(9, L"椭球名称:"),
    Value(projpage::kDatum, 9),
    Label(18, L"长半轴:"),
    Value(projpage::kSemiMajor, 18),
    Label(27, L"扁率:"),
    Value(projpage::kInvFlattening, 27),
    Group(38, 80, L"投影参数"),
    Label(48, L"投影方式:"),
    Value(projpage::kProjection, 48),
    Label(58, L"中央子午线:"),
    Value(projpage::kCentralMeridian, 58),
    Label(68, L"X加常数:"),
    Value(projpage::kFalseNorthing, 68),
    Label(78, L"Y加常数:"),
    Value(projpage::kFalseEasting, 78),
    Label(88, L"投影比例尺:"),
    Value(projpage::kScale, 88),
    Label(98, L"投影高:"),
    Value(projpage::kHeight, 98),
    Label(108, L"基准纬度:"),
    Value(projpage::kBaseLatitude, 108),
    kSetButton,
};
const DialogTemplate kProjPage{projpage::IDD, 133, 137, L"", WS_CHILD, kProjControls};
const DialogTemplateRegistration kProjRegistration(kProjPage);

const DialogControlTemplate kFourControls[] = {
    Group(0, 67, L"四参数"),
    Label(11, L"是否使用:"),
    Value(fourpage::kInUse, 11),
    Label(22, L"ΔX(米):"),
    Value(fourpage::kShiftX, 22),
    Label(33, L"ΔY(米):"),
    Value(fourpage::kShiftY, 33),
    Label(44, L"旋转角:"),
    Value(fourpage::kRotation, 44),
    Label(55, L"比例尺:"),
    Value(fourpage::kScale, 55),
    Group(68, 45, L"校正参数"),
    Label(79, L"X校正:"),
    Value(fourpage::kAdjustX, 79),
    Label(90, L"Y校正:"),
    Value(fourpage::kAdjustY, 90),
    Label(101, L"H校正:"),
    Value(fourpage::kAdjustH, 101),
    kSetButton,
};
const DialogTemplate kFourPage{fourpage::IDD, 133, 137, L"", WS_CHILD, kFourControls};
const DialogTemplateRegistration kFourRegistration(kFourPage);

const DialogControlTemplate kFitControls[] = {
    Group(0, 89, L"拟合参数"),   Label(11, L"是否使用:"), Value(fitpage::kInUse, 11),  Label(22, L"A0:"),
    Value(fitpage::kA0, 22),     Label(33, L"A1:"),       Value(fitpage::kA0 + 1, 33), Label(44, L"A2:"),
    Value(fitpage::kA0 + 2, 44), Label(55, L"A3:"),       Value(fitpage::kA0 + 3, 55), Label(66, L"A4:"),
    Value(fitpage::kA0 + 4, 66), Label(77, L"A5:"),       Value(fitpage::kA0 + 5, 77), kSetButton,
};
const DialogTemplate kFitPage{fitpage::IDD, 133, 137, L"", WS_CHILD, kFitControls};
const DialogTemplateRegistration kFitRegistration(kFitPage);

const DialogControlTemplate kSevenControls[] = {
    Group(0, 100, L"七参数"),  Label(11, L"是否使用:"),    Value(sevenpage::kInUse, 11),
    Label(22, L"ΔX(米):"),     Value(sevenpage::kDx, 22),  Label(33, L"ΔY(米):"),
    Value(sevenpage::kDy, 33), Label(44, L"ΔZ(米):"),      Value(sevenpage::kDz, 44),
    Label(55, L"Δα(″):"),      Value(sevenpage::kRx, 55),  Label(66, L"Δβ(″):"),
    Value(sevenpage::kRy, 66), Label(77, L"Δγ(″):"),       Value(sevenpage::kRz, 77),
    Label(88, L"ΔK(ppm):"),    Value(sevenpage::kPpm, 88), kSetButton,
};
const DialogTemplate kSevenPage{sevenpage::IDD, 133, 137, L"", WS_CHILD, kSevenControls};
const DialogTemplateRegistration kSevenRegistration(kSevenPage);
}  // namespace

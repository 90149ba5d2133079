#include "resources/ParamWizardDlg.h"

#include "platform/messages/MessageBox.h"
#include "platform/ui/Button.h"
#include "platform/ui/CommonControls.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Static.h"
#include "resources/FourParamDlg.h"
#include "resources/HeightFitParamDlg.h"
#include "resources/ProjectionParamDlg.h"
#include "resources/SevenParamDlg.h"

// 15137 "参数设置向导" and its five pages. The wizard places each page at (5, 5), 220 x 235 pixels
// (124 x 133 units); the buttons sit below.
namespace {
constexpr DWORD kButton = BS_PUSHBUTTON | WS_TABSTOP;
constexpr DWORD kEdit = ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP;
constexpr DWORD kList = CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP;
constexpr DWORD kCheck = BS_AUTOCHECKBOX | WS_TABSTOP;
constexpr short kPageW = 124, kPageH = 133;
constexpr short kLabelX = 5, kLabelW = 47, kFieldX = 53, kFieldW = 67;

constexpr DialogControlTemplate Label(short y, const wchar_t* text) {
    return {L"STATIC", IDC_STATIC, kLabelX, static_cast<short>(y + 2), kLabelW, 8, text, SS_LEFT};
}
constexpr DialogControlTemplate Field(UINT id, short y) {
    return {L"EDIT", id, kFieldX, y, kFieldW, 12, L"", kEdit};
}
constexpr DialogControlTemplate Group(const wchar_t* title) {
    return {L"BUTTON", IDC_STATIC, 0, 0, kPageW, kPageH, title, BS_GROUPBOX};
}

const DialogControlTemplate kWizardControls[] = {
    {L"BUTTON", paramwizard::kPrev, 3, 140, 31, 14, L"上一步", kButton},
    {L"BUTTON", paramwizard::kNext, 36, 140, 31, 14, L"下一步", kButton},
    {L"BUTTON", IDOK, 69, 140, 31, 14, L"确定", BS_DEFPUSHBUTTON | WS_TABSTOP},
    {L"BUTTON", IDCANCEL, 102, 140, 31, 14, L"取消", kButton},
};
const DialogTemplate kWizard{paramwizard::IDD, 135, 166, L"参数设置向导", kDialogStyle, kWizardControls};
const DialogTemplateRegistration kWizardRegistration(kWizard);

const DialogControlTemplate kEllipsoidControls[] = {
    Group(L"椭球设置"),
    Label(14, L"椭球系名称:"),
    {WC_COMBOBOX, projparam::kEllipsoid, kFieldX, 14, kFieldW, 100, L"", kList},
    Label(30, L"椭球系长轴:"),
    Field(projparam::kSemiMajor, 30),
    Label(46, L"椭球系扁率:"),
    Field(projparam::kInvFlattening, 46),
};
const DialogTemplate kEllipsoidPage{paramwizard::kEllipsoidPage, kPageW, kPageH, L"", WS_CHILD,
                                    kEllipsoidControls};
const DialogTemplateRegistration kEllipsoidRegistration(kEllipsoidPage);

const DialogControlTemplate kProjectionControls[] = {
    Group(L"投影参数设置"),
    Label(12, L"投影方式:"),
    {WC_COMBOBOX, projparam::kProjection, kFieldX, 12, kFieldW, 80, L"", kList},
    Label(26, L"中央子午线:"),
    Field(projparam::kCentralMeridian, 26),
    Label(40, L"X坐标加常数:"),
    Field(projparam::kFalseNorthing, 40),
    Label(54, L"Y坐标加常数:"),
    Field(projparam::kFalseEasting, 54),
    Label(68, L"投影比例尺:"),
    Field(projparam::kScale, 68),
    Label(82, L"投影高:"),
    Field(projparam::kHeight, 82),
    Label(96, L"基准纬度:"),
    Field(projparam::kBaseLatitude, 96),
    {L"STATIC", IDC_STATIC, kFieldX, 112, kFieldW, 8, L"格式:dd.mmssssss", SS_LEFT},
};
const DialogTemplate kProjectionPage{paramwizard::kProjectionPage, kPageW, kPageH, L"", WS_CHILD,
                                     kProjectionControls};
const DialogTemplateRegistration kProjectionRegistration(kProjectionPage);

const DialogControlTemplate kFourControls[] = {
    Group(L"四参数设置"),
    {L"BUTTON", fourparam::kEnable, kLabelX, 12, 80, 10, L"启用四参数", kCheck},
    Label(26, L"ΔX(米):"),
    Field(fourparam::kShiftX, 26),
    Label(40, L"ΔY(米):"),
    Field(fourparam::kShiftY, 40),
    Label(54, L"旋转角:"),
    Field(fourparam::kRotation, 54),
    Label(68, L"比  例:"),
    Field(fourparam::kScale, 68),
    {L"STATIC", IDC_STATIC, kLabelX, 86, 115, 8, L"提示:旋转角输入格式dd.mmssssss", SS_LEFT},
};
const DialogTemplate kFourPage{paramwizard::kFourPage, kPageW, kPageH, L"", WS_CHILD, kFourControls};
const DialogTemplateRegistration kFourRegistration(kFourPage);

const DialogControlTemplate kSevenControls[] = {
    Group(L"七参数设置"),    {L"BUTTON", paramwizard::kSevenEnable, kLabelX, 12, 60, 10, L"使用", kCheck},
    Label(26, L"ΔX(米):"),   Field(sevenparam::kDx, 26),
    Label(40, L"ΔY(米):"),   Field(sevenparam::kDy, 40),
    Label(54, L"ΔZ(米):"),   Field(sevenparam::kDz, 54),
    Label(68, L"Δα(″):"),    Field(sevenparam::kRx, 68),
    Label(82, L"Δβ(″):"),    Field(sevenparam::kRy, 82),
    Label(96, L"Δγ(″):"),    Field(sevenparam::kRz, 96),
    Label(110, L"ΔK(ppm):"), Field(sevenparam::kPpm, 110),
};
const DialogTemplate kSevenPage{paramwizard::kSevenPage, kPageW, kPageH, L"", WS_CHILD, kSevenControls};
const DialogTemplateRegistration kSevenRegistration(kSevenPage);

const DialogControlTemplate kFitControls[] = {
    Group(L"高程拟合参数设置"),
    {L"BUTTON", heightfit::kEnable, kLabelX, 12, 100, 10, L"启用高程拟合参数", kCheck},
    Label(26, L"A0:"),
    Field(heightfit::kA0, 26),
    Label(40, L"A1:"),
    Field(heightfit::kA1, 40),
    Label(54, L"A2:"),
    Field(heightfit::kA2, 54),
    Label(68, L"A3:"),
    Field(heightfit::kA3, 68),
    Label(82, L"A4:"),
    Field(heightfit::kA4, 82),
    Label(96, L"A5:"),
    Field(heightfit::kA5, 96),
};
const DialogTemplate kFitPage{paramwizard::kFitPage, kPageW, kPageH, L"", WS_CHILD, kFitControls};
const DialogTemplateRegistration kFitRegistration(kFitPage);
}  // namespace

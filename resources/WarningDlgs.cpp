#include "resources/WarningDlgs.h"

#include "platform/ui/Button.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/Static.h"

// Each warning: its fixed text, for a base the change below it, and OK beside the default Cancel.
namespace {
using namespace warning;
constexpr DWORD kStyle = kDialogStyle | DS_CENTER;

constexpr DialogControlTemplate Ok(short y) {
    return {L"BUTTON", IDOK, 18, y, 40, 14, L"确定", BS_PUSHBUTTON | WS_TABSTOP};
}
constexpr DialogControlTemplate Cancel(short y) {
    return {L"BUTTON", IDCANCEL, 72, y, 40, 14, L"取消", BS_DEFPUSHBUTTON | WS_TABSTOP};
}

const DialogControlTemplate kMeridian[] = {
    {L"STATIC", kText, 8, 8, 114, 18, L"中央子午线设置错误\r\n请重新设置!", SS_LEFT},
    Ok(34),
    Cancel(34),
};
const DialogControlTemplate kSeven[] = {
    {L"STATIC", kText, 8, 6, 118, 36,
     L"七参数设置错误。\r\n七参数的三个旋转参数应该\r\n都是秒级(一般小于10秒)\r\n请检查后重新设置!", SS_LEFT},
    Ok(48),
    Cancel(48),
};
const DialogControlTemplate kFour[] = {
    {L"STATIC", kText, 8, 6, 118, 36,
     L"四参数设置错误。\r\n四参数的比例参数应该在\r\n(0.95~1.05)之间\r\n请检查后重新设置!", SS_LEFT},
    Ok(48),
    Cancel(48),
};
const DialogControlTemplate kBaseCoord[] = {
    {L"STATIC", kText, 8, 6, 118, 27, L"基准站坐标有改变!\r\n\r\n请检查是否需要重新校正", SS_LEFT},
    {L"STATIC", kBaseCoordChange, 8, 36, 118, 18, L"", SS_LEFT},
    Ok(58),
    Cancel(58),
};
const DialogControlTemplate kBaseId[] = {
    {L"STATIC", kText, 8, 6, 118, 45,
     L"基准站ID号有改变!\r\n请检查是否收到了其它基准站的数据\r\n\r\n基准站坐标有改变!"
     L"\r\n请检查是否需要重新校正",
     SS_LEFT},
    {L"STATIC", kBaseIdChange, 8, 54, 118, 18, L"", SS_LEFT},
    Ok(76),
    Cancel(76),
};

const DialogTemplate kTemplates[] = {
    {kMeridianIdd, 130, 56, L"提示", kStyle, kMeridian},
    {kSevenParamIdd, 130, 70, L"提示", kStyle, kSeven},
    {kFourParamIdd, 130, 70, L"提示", kStyle, kFour},
    {kBaseCoordIdd, 130, 80, L"提示", kStyle, kBaseCoord},
    {kBaseIdIdd, 130, 98, L"提示", kStyle, kBaseId},
};
const DialogTemplateRegistration kRegistrations[] = {
    DialogTemplateRegistration(kTemplates[0]), DialogTemplateRegistration(kTemplates[1]),
    DialogTemplateRegistration(kTemplates[2]), DialogTemplateRegistration(kTemplates[3]),
    DialogTemplateRegistration(kTemplates[4]),
};
}  // namespace

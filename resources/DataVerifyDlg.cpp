#include "resources/DataVerifyDlg.h"
#include "platform/ui/Button.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Static.h"

namespace {
using namespace dataverify;
constexpr DWORD kEdit = ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP;
constexpr DWORD kButton = BS_PUSHBUTTON | WS_TABSTOP;

constexpr DialogControlTemplate Label(short x, short y, const wchar_t* text) {
    return {L"STATIC", IDC_STATIC, x, y, 20, 8, text, SS_LEFT};
}
constexpr DialogControlTemplate Live(short x, short y, UINT id) {
    return {L"STATIC", id, static_cast<short>(x + 20), y, 42, 8, L"", SS_LEFT};
}
constexpr DialogControlTemplate Field(short x, short y, UINT id) {
    return {L"EDIT", id, static_cast<short>(x + 10), y, 52, 11, L"", kEdit};
}
constexpr DialogControlTemplate Tag(short x, short y, const wchar_t* text) {
    return {L"STATIC", IDC_STATIC, x, static_cast<short>(y + 2), 10, 8, text, SS_LEFT};
}

const DialogControlTemplate kControls[] = {
    {L"BUTTON", IDC_STATIC, 2, 1, 131, 63, L"实时数据", BS_GROUPBOX},
    Label(5, 11, L"x:"),
    Live(5, 11, kLiveX),
    Label(69, 11, L"y:"),
    Live(69, 11, kLiveY),
    Label(5, 21, L"h:"),
    Live(5, 21, kLiveH),
    Label(69, 21, L"Time:"),
    Live(69, 21, kLiveTime),
    Label(5, 31, L"状态:"),
    {L"STATIC", kLiveStatus, 25, 31, 106, 8, L"", SS_LEFT},
    Label(5, 41, L"PDOP:"),
    Live(5, 41, kLivePdop),
    Label(5, 51, L"Rmsh:"),
    Live(5, 51, kLiveRmsH),
    Label(69, 51, L"Rmsv:"),
    Live(69, 51, kLiveRmsV),
    {L"BUTTON", IDC_STATIC, 2, 65, 65, 62, L"前", BS_GROUPBOX},
    Tag(5, 74, L"x:"),
    Field(3, 74, kFirstX),
    Tag(5, 87, L"y:"),
    Field(3, 87, kFirstY),
    Tag(5, 100, L"h:"),
    Field(3, 100, kFirstH),
    {L"BUTTON", kTakeFirst, 15, 112, 40, 13, L"获取", kButton},
    {L"BUTTON", IDC_STATIC, 68, 65, 65, 62, L"后", BS_GROUPBOX},
    Tag(71, 74, L"x:"),
    Field(69, 74, kSecondX),
    Tag(71, 87, L"y:"),
    Field(69, 87, kSecondY),
    Tag(71, 100, L"h:"),
    Field(69, 100, kSecondH),
    {L"BUTTON", kTakeSecond, 81, 112, 40, 13, L"获取", kButton},
    {L"STATIC", IDC_STATIC, 5, 133, 14, 8, L"Dx:", SS_LEFT},
    {L"EDIT", kDx, 19, 131, 46, 11, L"", kEdit},
    {L"STATIC", IDC_STATIC, 70, 133, 14, 8, L"Dy:", SS_LEFT},
    {L"EDIT", kDy, 84, 131, 47, 11, L"", kEdit},
    {L"STATIC", IDC_STATIC, 5, 149, 14, 8, L"Dh:", SS_LEFT},
    {L"EDIT", kDh, 19, 147, 46, 11, L"", kEdit},
    {L"BUTTON", kVerify, 70, 146, 29, 14, L"验证", kButton},
    {L"BUTTON", 2, 102, 146, 29, 14, L"退出", kButton},
};
const DialogTemplate kTemplate{IDD, 135, 166, L"数据验证", kDialogStyle, kControls};
const DialogTemplateRegistration kRegistration(kTemplate);
}  // namespace

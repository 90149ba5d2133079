#include "resources/CalibWizardDlgs.h"

#include <vector>

#include "platform/messages/MessageBox.h"
#include "platform/ui/Button.h"
#include "platform/ui/CommonControls.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/Static.h"
#include "resources/DialogRows.h"

namespace {
using namespace wizpage;
constexpr DWORD kButton = BS_PUSHBUTTON | WS_TABSTOP;
constexpr DWORD kFirstRadio = BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP;
constexpr DWORD kStyle = kDialogStyle | DS_CENTER;

const DialogControlTemplate kModeControls[] = {
    {L"BUTTON", calibmode::kKnown, 10, 8, 115, 12, L"基准站架设在已知点", kFirstRadio},
    {L"BUTTON", calibmode::kUnknown, 10, 24, 115, 12, L"基准站架设在未知点", BS_AUTORADIOBUTTON},
    {L"STATIC", IDC_STATIC, 6, 42, 123, 72,
     L"如果当前没有收到有效的基准站坐标，则基准站架设在已知点模式不可用，此时建议使用基准站架设在未知点模式。"
     L"或者退出程序重启主机重新连接。",
     SS_LEFT},
    {L"BUTTON", IDOK, 18, 120, 44, 14, L"下一步", BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP},
    {L"BUTTON", IDCANCEL, 72, 120, 44, 14, L"退出", kButton},
};
const DialogTemplate kModeTemplate{calibmode::IDD, 135, 140, L"校正模式选择", kStyle, kModeControls};
const DialogTemplateRegistration kModeRegistration(kModeTemplate);

// A page: its heading, the controls above its point fields, the point fields from `top` (the
// height-type group starts at `firstRadio`), then the calibrate, next and cancel buttons.
std::vector<DialogControlTemplate> Page(const wchar_t* heading, int top, UINT firstRadio, UINT calibrate,
                                        std::vector<DialogControlTemplate> extra, bool next) {
    const auto at = [top](int below) { return static_cast<short>(top + below); };
    constexpr FieldColumns kWide{5, 26, 32, 100};
    DialogRows rows;
    rows.Control({L"STATIC", IDC_STATIC, 5, 4, 125, 8, heading, SS_LEFT});
    for (const DialogControlTemplate& c : extra) rows.Control(c);
    rows.Control({L"BUTTON", kPick, 104, at(-2), 28, 16, L"", kButton})
        .Field({5, 26, 32, 68}, kX, at(0), L"坐标X:")
        .Field(kWide, kY, at(16), L"坐标Y:")
        .Field(kWide, kH, at(32), L"高 程:")
        .Field({5, 26, 32, 40}, kAntenna, at(48), L"天线高:")
        .Control({L"BUTTON", firstRadio, 6, at(64), 36, 11, L"直高", kFirstRadio})
        .Control({L"BUTTON", kSlant, 48, at(64), 36, 11, L"斜高", BS_AUTORADIOBUTTON})
        .Control({L"BUTTON", kPole, 90, at(64), 36, 11, L"杆高", BS_AUTORADIOBUTTON})
        .Control({L"STATIC", IDC_STATIC, 5, at(80), 125, 8, L"使用单点校正,请选择校正", SS_LEFT})
        .Control({L"BUTTON", calibrate, 4, 146, 40, 15, L"校正", kButton | WS_GROUP});
    if (next) rows.Control({L"BUTTON", IDOK, 48, 146, 40, 15, L"下一步", kButton});
    rows.Control({L"BUTTON", IDCANCEL, 92, 146, 40, 15, L"取消", kButton});
    return rows.Controls();
}

const BuiltDialogTemplate kKnown1(
    IDD_KNOWN1, 135, 166, L"基准站架设在已知点(向导1)", kStyle,
    Page(L"请输入基准站的已知坐标:", 48, kVertical, kCalibrateKnown1,
         {{L"BUTTON", kByNumber, 4, 16, 44, 11, L"主机机号:", kFirstRadio},
          {L"BUTTON", kByType, 4, 31, 44, 11, L"主机类型:", BS_AUTORADIOBUTTON},
          {WC_COMBOBOX, kReceiverNumber, 50, 14, 82, 60, L"",
           CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP | WS_GROUP},
          {WC_COMBOBOX, kReceiverType, 50, 29, 82, 60, L"", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP},
          {L"BUTTON", kComputeThree, 76, 96, 56, 12, L"计算三参数", BS_AUTOCHECKBOX | WS_TABSTOP}},
         true));

const BuiltDialogTemplate kKnown2(IDD_KNOWN2, 135, 166, L"基准站架设在已知点(向导2)", kStyle,
                                  Page(L"请输入移动站所在点的已知坐标:", 20, kVertical, kCalibrateKnown2, {},
                                       false));

const BuiltDialogTemplate kUnknown1(
    IDD_UNKNOWN1, 135, 166, L"基准站架设在未知点(向导1)", kStyle,
    Page(L"请输入移动站所在点的已知坐标:", 20, kVerticalUnknown1, kCalibrateUnknown1,
         {{L"BUTTON", kUseThree, 76, 68, 56, 12, L"使用三参数", BS_AUTOCHECKBOX | WS_TABSTOP}}, true));

const BuiltDialogTemplate kUnknown2(IDD_UNKNOWN2, 135, 166, L"基准站架设在未知点(向导2)", kStyle,
                                    Page(L"请输入第二个已知点的坐标:", 20, kVertical, kCalibrateUnknown2, {},
                                         false));

const DialogControlTemplate kPromptControls[] = {
    {L"STATIC", calibprompt::kMessage, 6, 6, 123, 10, L"", SS_LEFT},
    {L"STATIC", IDC_STATIC, 6, 20, 123, 10, L"是否校正?", SS_LEFT},
    {L"STATIC", IDC_STATIC, 6, 34, 123, 60,
     L"如果确定要校正,请务必现在首先在\r\n当前移动站对中整平后，按确定键\r\n(已知基站单点校正不用对中整平)"
     L"\r\n\r\n按取消键取消校正",
     SS_LEFT},
    {L"BUTTON", IDOK, 18, 100, 40, 14, L"确定", BS_DEFPUSHBUTTON | WS_TABSTOP},
    {L"BUTTON", IDCANCEL, 72, 100, 40, 14, L"取消", kButton},
};
const DialogTemplate kPromptTemplate{calibprompt::IDD, 135, 120, L"校正向导提示", kStyle, kPromptControls};
const DialogTemplateRegistration kPromptRegistration(kPromptTemplate);
}  // namespace

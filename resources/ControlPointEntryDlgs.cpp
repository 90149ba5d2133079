#include "resources/ControlPointEntryDlgs.h"

#include "platform/messages/MessageBox.h"
#include "platform/ui/Button.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/Static.h"
#include "resources/DialogRows.h"

namespace {
constexpr DWORD kButton = BS_PUSHBUTTON | WS_TABSTOP;
constexpr DWORD kFirstRadio = BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP;
constexpr DWORD kStyle = kDialogStyle | DS_CENTER;

// The fields of the wide entry pages: a 30-unit label, the edit to the right edge.
constexpr FieldColumns kWide{5, 30, 36, 94};

const BuiltDialogTemplate kKnown(
    knownpoint::IDD, 135, 160, L"增加点(已知坐标)", kStyle,
    DialogRows()
        .Control({L"STATIC", IDC_STATIC, 5, 6, 90, 8, L"输入控制点已知平面坐标:", SS_LEFT})
        .Control({L"BUTTON", knownpoint::kPick, 100, 2, 30, 16, L"", kButton})
        .Field(kWide, knownpoint::kName, 22, L"点  名:")
        .Field(kWide, knownpoint::kX, 38, L"坐标 x:")
        .Field(kWide, knownpoint::kY, 54, L"坐标 y:")
        .Field(kWide, knownpoint::kH, 70, L"坐标 h:")
        .Control({L"STATIC", IDC_STATIC, 5, 88, 125, 44,
                  L"增加控制点第一步:\r\n输入控制点的已知平面坐标,"
                  L"使用右上角的选点按钮可以从坐标管理库中选取已录入的已知点坐标。",
                  SS_LEFT})
        .OkCancel(140)
        .Controls());

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

const BuiltDialogTemplate kRaw(
    rawpoint::IDD, 135, 160, L"增加点(原始坐标)", kStyle,
    DialogRows()
        .Control({L"STATIC", IDC_STATIC, 5, 6, 90, 8, L"控制点原始坐标:", SS_LEFT})
        .Field(kWide, rawpoint::kX, 20, L"坐标 x:")
        .Field(kWide, rawpoint::kY, 36, L"坐标 y:")
        .Field(kWide, rawpoint::kH, 52, L"坐标 h:")
        .Field(kWide, rawpoint::kAntenna, 68, L"天线高:")
        .Control({L"BUTTON", rawpoint::kVertical, 10, 84, 36, 11, L"直高", kFirstRadio})
        .Control({L"BUTTON", rawpoint::kSlant, 50, 84, 36, 11, L"斜高", BS_AUTORADIOBUTTON})
        .Control({L"BUTTON", rawpoint::kPole, 90, 84, 36, 11, L"杆高", BS_AUTORADIOBUTTON})
        .Control({L"STATIC", IDC_STATIC, 5, 100, 125, 34,
                  L"注意读取基准站或当前点坐标时必须输入对应基准站或当前点的天线高", SS_LEFT})
        .OkCancel(140, true)
        .Controls());

const BuiltDialogTemplate kBlh(
    inputblh::IDD, 135, 160, L"输入大地坐标", kStyle,
    DialogRows()
        .Control({L"BUTTON", inputblh::kPick, 100, 2, 30, 16, L"", kButton})
        .Field(kWide, inputblh::kB, 22, L"纬  度:")
        .Field(kWide, inputblh::kL, 38, L"经  度:")
        .Field(kWide, inputblh::kH, 54, L"高  程:")
        .Control({L"STATIC", IDC_STATIC, 5, 74, 125, 58,
                  L"输入大地坐标格式为dd.mmssssss\r\n例:23度07分59.1234秒,则输入\r\n23.07591234 "
                  L"\r\n本软件经纬度都采用此输入方式",
                  SS_LEFT})
        .OkCancel(140)
        .Controls());

constexpr FieldColumns kAxis{5, 20, 26, 100};
const BuiltDialogTemplate kXyz(inputxyz::IDD, 132, 86, L"输入空间直角坐标", kStyle,
                               DialogRows()
                                   .Field(kAxis, inputxyz::kX, 8, L"X:")
                                   .Field(kAxis, inputxyz::kY, 26, L"Y:")
                                   .Field(kAxis, inputxyz::kZ, 44, L"Z:")
                                   .Control({L"BUTTON", IDOK, 20, 66, 40, 14, L"确定",
                                             BS_DEFPUSHBUTTON | WS_TABSTOP})
                                   .Control({L"BUTTON", IDCANCEL, 70, 66, 40, 14, L"取消", kButton})
                                   .Controls());

// A pair's fields: 44-unit labels; the name and the raw x leave room for their pick buttons.
constexpr FieldColumns kPair{5, 44, 50, 82};
const BuiltDialogTemplate kEditPair(editctrl::IDD, 135, 146, L"编辑点", kStyle,
                                    DialogRows()
                                        .Field({5, 44, 50, 50}, editctrl::kName, 6, L"点  名:")
                                        .Control({L"BUTTON", editctrl::kPick, 104, 2, 28, 16, L"", kButton})
                                        .Field(kPair, editctrl::kKnownX, 22, L"已知坐标 x:")
                                        .Field(kPair, editctrl::kKnownY, 38, L"已知坐标 y:")
                                        .Field(kPair, editctrl::kKnownH, 54, L"已知坐标 h:")
                                        .Field({5, 44, 50, 64}, editctrl::kRawX, 72, L"原始坐标 x:")
                                        .Control({L"BUTTON", editctrl::kPickGeodetic, 116, 72, 16, 12, L"B",
                                                  kButton})
                                        .Field(kPair, editctrl::kRawY, 88, L"原始坐标 y:")
                                        .Field(kPair, editctrl::kRawH, 104, L"原始坐标 h:")
                                        .OkCancel(126)
                                        .Controls());
}  // namespace

#include "resources/CogoDlgs.h"

#include <vector>

#include "platform/messages/MessageBox.h"
#include "platform/ui/Button.h"
#include "platform/ui/CommonControls.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/Static.h"
#include "resources/DialogRows.h"

// Layouts of our own for the 135 x 166-unit screen: point rows of two lines (30 units), fields
// of one line (15 units), the result below them and the two buttons at the foot.
namespace {
using namespace cogo;
constexpr DWORD kButton = BS_PUSHBUTTON | WS_TABSTOP;

class Layout {
public:
    Layout& Row(UINT first, short y, const wchar_t* label, bool height) {
        const UINT pick = kPickA + (first - kRowA) / 10;
        rows_.Field({2, 24, 27, 40}, first + kName, y, label)
            .Control({L"BUTTON", pick, 69, y, 20, 12, L"点库", kButton});
        if (height) rows_.Field({92, 8, 101, 32}, first + kHeight, y, L"H:");
        const short y2 = static_cast<short>(y + 14);
        rows_.Field({2, 8, 11, 56}, first + kNorth, y2, L"X:")
            .Field({70, 8, 79, 54}, first + kEast, y2, L"Y:");
        return *this;
    }
    Layout& Field(UINT id, short y, const wchar_t* label, short labelWidth = 40) {
        rows_.Field({2, labelWidth, static_cast<short>(labelWidth + 4), static_cast<short>(129 - labelWidth)},
                    id, y, label);
        return *this;
    }
    Layout& Control(const DialogControlTemplate& control) {
        rows_.Control(control);
        return *this;
    }
    Layout& Result(short y, short height) {
        return Control({L"STATIC", kResult, 2, y, 131, height, L"", SS_LEFT});
    }
    // "计算" and "退出" at the foot; a tool without a calculate button passes nullptr.
    std::vector<DialogControlTemplate> Foot(const wchar_t* compute = L"计算") {
        if (compute) Control({L"BUTTON", kCompute, 20, 150, 40, 13, compute, BS_DEFPUSHBUTTON | WS_TABSTOP});
        Control({L"BUTTON", IDCANCEL, 75, 150, 40, 13, L"退出", kButton});
        return rows_.Controls();
    }

private:
    DialogRows rows_;
};

// A tool's dialog on the whole form.
struct Registered : BuiltDialogTemplate {
    Registered(UINT id, const wchar_t* caption, std::vector<DialogControlTemplate> controls)
        : BuiltDialogTemplate(id, 135, 166, caption, kDialogStyle | DS_CENTER, std::move(controls)) {}
};

const Registered kForward(forwardcalc::IDD, L"坐标正算",
                          Layout()
                              .Row(kRowA, 3, L"起点:", false)
                              .Field(forwardcalc::kAzimuth, 35, L"方位角:")
                              .Field(forwardcalc::kDistance, 50, L"平距:")
                              .Result(68, 40)
                              .Foot());

const Registered kInverse(
    inversecalc::IDD, L"坐标反算",
    Layout().Row(kRowA, 3, L"起点:", true).Row(kRowB, 33, L"终点:", true).Result(66, 44).Foot());

const Registered kOffsetAngle(offsetangle::IDD, L"偏角偏距计算",
                              Layout()
                                  .Row(kRowA, 3, L"测站:", false)
                                  .Row(kRowB, 33, L"定向:", false)
                                  .Row(kRowC, 63, L"目标:", false)
                                  .Result(96, 30)
                                  .Foot());

const Registered kOffsetPoint(offsetpoint::IDD, L"偏点计算",
                              Layout()
                                  .Row(kRowA, 3, L"起点:", false)
                                  .Row(kRowB, 33, L"终点:", false)
                                  .Field(offsetpoint::kAlong, 65, L"沿线距离:")
                                  .Field(offsetpoint::kOffset, 80, L"偏距(右正):")
                                  .Result(98, 30)
                                  .Foot());

const Registered kDistResection(distresection::IDD, L"测边交会",
                                Layout()
                                    .Row(kRowA, 3, L"A点:", false)
                                    .Row(kRowB, 33, L"B点:", false)
                                    .Field(distresection::kDistanceA, 65, L"至A距离:")
                                    .Field(distresection::kDistanceB, 80, L"至B距离:")
                                    .Control({L"BUTTON", distresection::kLeft, 4, 96, 60, 11, L"在A→B左侧",
                                              BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP})
                                    .Control({L"BUTTON", distresection::kRight, 70, 96, 60, 11, L"在A→B右侧",
                                              BS_AUTORADIOBUTTON})
                                    .Result(112, 30)
                                    .Foot());

const Registered kIntersection(intersection::IDD, L"交会计算",
                               Layout()
                                   .Row(kRowA, 3, L"A点:", false)
                                   .Field(intersection::kAzimuthA, 33, L"A方位角:")
                                   .Row(kRowB, 50, L"B点:", false)
                                   .Field(intersection::kAzimuthB, 80, L"B方位角:")
                                   .Result(98, 30)
                                   .Foot());

const Registered kIntersectAngle(intersectangle::IDD, L"交点与夹角计算",
                                 Layout()
                                     .Row(kRowA, 3, L"线1起:", false)
                                     .Row(kRowB, 33, L"线1终:", false)
                                     .Row(kRowC, 63, L"线2起:", false)
                                     .Row(kRowD, 93, L"线2终:", false)
                                     .Result(123, 26)
                                     .Foot());

const Registered kMidpoint(
    linemidpoint::IDD, L"线中点计算",
    Layout().Row(kRowA, 3, L"A点:", true).Row(kRowB, 33, L"B点:", true).Result(66, 30).Foot());

const Registered kAngle(anglecalc::IDD, L"水平夹角和垂直夹角计算",
                        Layout()
                            .Row(kRowA, 3, L"测站:", true)
                            .Row(kRowB, 33, L"点1:", true)
                            .Row(kRowC, 63, L"点2:", true)
                            .Result(96, 40)
                            .Foot());

const Registered kSpaceDistance(
    spacedistance::IDD, L"空间距离计算",
    Layout().Row(kRowA, 3, L"A点:", true).Row(kRowB, 33, L"B点:", true).Result(66, 30).Foot());

const Registered kArea(areacalc::IDD, L"面积计算",
                       Layout()
                           .Row(kRowA, 3, L"点:", false)
                           .Control({L"BUTTON", areacalc::kAdd, 4, 33, 38, 12, L"添加", kButton})
                           .Control({L"BUTTON", areacalc::kRemove, 48, 33, 38, 12, L"删除", kButton})
                           .Control({L"BUTTON", areacalc::kClear, 92, 33, 38, 12, L"清除", kButton})
                           .Control({L"LISTBOX", areacalc::kCorners, 2, 48, 131, 66, L"",
                                     WS_BORDER | WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY})
                           .Result(117, 30)
                           .Foot());

const Registered kCoordConvert(
    coordconvert::IDD, L"坐标转换工具",
    Layout()
        .Control({L"STATIC", IDC_STATIC, 2, 3, 131, 8, L"WGS-84 (度.分秒):", SS_LEFT})
        .Field(coordconvert::kLatitude, 13, L"B:", 12)
        .Field(coordconvert::kLongitude, 28, L"L:", 12)
        .Field(coordconvert::kEllipsoidHeight, 43, L"H:", 12)
        .Control({L"BUTTON", coordconvert::kToGrid, 4, 60, 60, 13, L"↓ 转平面", kButton})
        .Control({L"BUTTON", coordconvert::kToWgs84, 70, 60, 60, 13, L"↑ 转经纬度", kButton})
        .Row(kRowA, 80, L"平面:", true)
        .Foot(nullptr));

const Registered kMapConvert(mapconvert::IDD, L"地图转换",
                             Layout()
                                 .Row(kRowA, 3, L"点:", false)
                                 .Field(mapconvert::kFromMeridian, 35, L"原中央子午线:", 56)
                                 .Field(mapconvert::kFromEasting, 50, L"原东偏(米):", 56)
                                 .Field(mapconvert::kToMeridian, 65, L"新中央子午线:", 56)
                                 .Field(mapconvert::kToEasting, 80, L"新东偏(米):", 56)
                                 .Result(98, 40)
                                 .Foot());
}  // namespace

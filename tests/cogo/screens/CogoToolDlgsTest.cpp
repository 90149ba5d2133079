// Each tool opened modally, given typed points, computed; then the refusals. Expected results
// are the 3-4-5 figures worked by hand in the engine's tests (36°52'11.63" and its quadrants).
#include "cogo/screens/CAngleCalcDlg.h"
#include "cogo/screens/CDistResectionDlg.h"
#include "cogo/screens/CForwardCalcDlg.h"
#include "cogo/screens/CIntersectAngleDlg.h"
#include "cogo/screens/CIntersectionDlg.h"
#include "cogo/screens/CInverseCalcDlg.h"
#include "cogo/screens/CLineMidpointDlg.h"
#include "cogo/screens/COffsetAngleDistDlg.h"
#include "cogo/screens/COffsetPointDlg.h"
#include "cogo/screens/CSpaceDistanceDlg.h"
#include "tests/cogo/screens/CogoScreenTest.h"

namespace {
using namespace cogo;

struct Tool {
    const char* name;
    std::function<std::unique_ptr<CDialog>(ICoordLibraryHost&)> make;
};
template <class Dialog>
Tool Make(const char* name) {
    return {name, [](ICoordLibraryHost& library) { return std::make_unique<Dialog>(library, nullptr); }};
}

const Tool kForward = Make<CForwardCalcDlg>("forward");
const Tool kInverse = Make<CInverseCalcDlg>("inverse");
const Tool kOffsetAngle = Make<COffsetAngleDistDlg>("offset-angle");
const Tool kOffsetPoint = Make<COffsetPointDlg>("offset-point");
const Tool kResection = Make<CDistResectionDlg>("resection");
const Tool kIntersection = Make<CIntersectionDlg>("intersection");
const Tool kIntersectAngle = Make<CIntersectAngleDlg>("intersect-angle");
const Tool kMidpoint = Make<CLineMidpointDlg>("midpoint");
const Tool kAngle = Make<CAngleCalcDlg>("angle");
const Tool kSpace = Make<CSpaceDistanceDlg>("space-distance");

struct Case {
    const Tool& tool;
    std::vector<Field> typed;
    const wchar_t* result;  // or, when refused, the message
    bool refused = false;
};

class CogoToolDlgsTest : public CogoScreenTest {
protected:
    void Run(const Case& c, bool screenshot) {
        SCOPED_TRACE(c.tool.name);
        std::unique_ptr<CDialog> dialog = c.tool.make(frame);
        ui.OnModal(dialog->GetTemplateId(), [&](CDialog& d) {
            Type(d, c.typed);
            if (c.refused) ui.ExpectMessageBox(c.result);
            ui.Click(d, kCompute);
            EXPECT_EQ(ui.GetText(d, kResult), c.refused ? L"" : c.result);
            EXPECT_FALSE(d.HasEnded());
            if (screenshot) {
                ASSERT_TRUE(ui.Screenshot(Shot(c.tool.name)));
            }
            ui.Click(d, IDCANCEL);
        });
        EXPECT_EQ(dialog->DoModal(), IDCANCEL);
    }
};
}  // namespace

TEST_F(CogoToolDlgsTest, EachToolComputesFromTypedPoints) {
    const Case cases[] = {
        {kForward,
         Fields({Row(kRowA, L"3000000", L"500000"),
                 {{forwardcalc::kAzimuth, L"36.521163"}, {forwardcalc::kDistance, L"500"}}}),
         L"终点X: 3000400.000\n终点Y: 500300.000"},
        {kInverse,
         Fields({Row(kRowA, L"3000000", L"500000", L"10"), Row(kRowB, L"3000400", L"500300", L"22")}),
         L"方位角: 36.521163\n平距: 500.000\n高差: 12.000\n斜距: 500.144"},
        // Without both heights the inverse stays in plan.
        {kInverse, Fields({Row(kRowA, L"3000000", L"500000", L"10"), Row(kRowB, L"3000400", L"500300")}),
         L"方位角: 36.521163\n平距: 500.000"},
        {kOffsetAngle, Fields({Row(kRowA, L"0", L"0"), Row(kRowB, L"10", L"0"), Row(kRowC, L"4", L"-3")}),
         L"偏角: 323.074837\n距离: 5.000"},
        {kOffsetPoint,
         Fields({Row(kRowA, L"3000000", L"500000"),
                 Row(kRowB, L"3000010", L"500000"),
                 {{offsetpoint::kAlong, L"4"}, {offsetpoint::kOffset, L"3"}}}),
         L"偏点X: 3000004.000\n偏点Y: 500003.000"},
        {kResection,
         Fields({Row(kRowA, L"3000000", L"500000"),
                 Row(kRowB, L"3000000", L"500005"),
                 {{distresection::kDistanceA, L"4"}, {distresection::kDistanceB, L"3"}}}),
         L"交会点X: 3000002.400\n交会点Y: 500003.200"},
        {kIntersection,
         Fields({Row(kRowA, L"3000000", L"500000"),
                 Row(kRowB, L"3000000", L"500010"),
                 {{intersection::kAzimuthA, L"45"}, {intersection::kAzimuthB, L"315"}}}),
         L"交点X: 3000005.000\n交点Y: 500005.000"},
        {kIntersectAngle,
         Fields({Row(kRowA, L"0", L"0"), Row(kRowB, L"10", L"10"), Row(kRowC, L"0", L"10"),
                 Row(kRowD, L"10", L"0")}),
         L"交点X: 5.000\n交点Y: 5.000\n夹角: 90.000000"},
        {kMidpoint,
         Fields({Row(kRowA, L"3000000", L"500000", L"10"), Row(kRowB, L"3000004", L"500003", L"22")}),
         L"中点X: 3000002.000\n中点Y: 500001.500\n中点H: 16.000"},
        {kAngle,
         Fields({Row(kRowA, L"0", L"0", L"100"), Row(kRowB, L"10", L"0", L"110"),
                 Row(kRowC, L"0", L"-10", L"100")}),
         L"水平夹角: 270.000000\n垂直角(点1): 45.000000\n垂直角(点2): 0.000000"},
        {kSpace, Fields({Row(kRowA, L"3000000", L"500000", L"0"), Row(kRowB, L"3000004", L"500003", L"12")}),
         L"空间距离: 13.000\n平距: 5.000\n高差: 12.000"},
    };
    for (const Case& c : cases) Run(c, true);
}

TEST_F(CogoToolDlgsTest, RefusalsAreToldAndComputeNothing) {
    const Case cases[] = {
        {kForward,
         Fields({Row(kRowA, L"3000000", L"500000"),
                 {{forwardcalc::kAzimuth, L"30.6"}, {forwardcalc::kDistance, L"1"}}}),
         L"角度格式错误,分和秒须小于60!", true},
        {kForward,
         Fields(
             {Row(kRowA, L"", L"500000"), {{forwardcalc::kAzimuth, L"30"}, {forwardcalc::kDistance, L"1"}}}),
         L"请输入一个数字。", true},
        {kInverse, Fields({Row(kRowA, L"1", L"2"), Row(kRowB, L"1", L"2")}), L"两点重合,无法计算!", true},
        {kOffsetAngle, Fields({Row(kRowA, L"0", L"0"), Row(kRowB, L"0", L"0"), Row(kRowC, L"4", L"-3")}),
         L"测站与定向点或目标点重合,无法计算!", true},
        {kResection,
         Fields({Row(kRowA, L"0", L"0"),
                 Row(kRowB, L"0", L"5"),
                 {{distresection::kDistanceA, L"1"}, {distresection::kDistanceB, L"1"}}}),
         L"两距离不能交会,请检查距离!", true},
        {kIntersection,
         Fields({Row(kRowA, L"0", L"0"),
                 Row(kRowB, L"0", L"10"),
                 {{intersection::kAzimuthA, L"45"}, {intersection::kAzimuthB, L"225"}}}),
         L"两方向平行,没有交点!", true},
        {kIntersectAngle,
         Fields({Row(kRowA, L"0", L"0"), Row(kRowB, L"1", L"1"), Row(kRowC, L"0", L"1"),
                 Row(kRowD, L"1", L"2")}),
         L"两线平行,没有交点!", true},
        {kAngle,
         Fields({Row(kRowA, L"0", L"0", L"1"), Row(kRowB, L"0", L"0", L"5"), Row(kRowC, L"1", L"1", L"1")}),
         L"测站与点1或点2重合,无法计算!", true},
    };
    for (const Case& c : cases) Run(c, false);
}

TEST_F(CogoToolDlgsTest, PickedPointsFillTheRowsAsTheLibraryShowsThem) {
    ui.OnModal(inversecalc::IDD, [&](CDialog& d) {
        ExpectPick(0);
        ui.Click(d, kPickA);
        ExpectPick(1);
        ui.Click(d, kPickB);
        EXPECT_EQ(ui.GetText(d, kRowA + kName), L"控制1");
        EXPECT_EQ(ui.GetText(d, kRowB + kHeight), L"22.000");
        ui.Click(d, kCompute);
        EXPECT_EQ(ui.GetText(d, kResult), L"方位角: 36.521163\n平距: 500.000\n高差: 12.000\n斜距: 500.144");
        // A library closed without a choice leaves the row.
        ui.OnModal(coordlib::IDD, [&](CDialog& lib) {
            for (int i = 0; i < 100 && static_cast<CCoordLibDlg&>(lib).IsLoading(); ++i) ui.Pump();
            ui.PressKey(VK_ESCAPE);
        });
        ui.Click(d, kPickB);
        EXPECT_EQ(ui.GetText(d, kRowB + kNorth), L"3000400.000");
        ui.Click(d, IDCANCEL);
    });
    CInverseCalcDlg(frame, nullptr).DoModal();
}

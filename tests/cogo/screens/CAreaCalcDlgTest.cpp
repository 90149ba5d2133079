#include "cogo/screens/CAreaCalcDlg.h"

#include "tests/cogo/screens/CogoScreenTest.h"

namespace {
using namespace cogo;

class AreaCalcDlgTest : public CogoScreenTest {
protected:
    void AddCorner(CDialog& d, const wchar_t* x, const wchar_t* y) {
        Type(d, Row(kRowA, x, y));
        ui.Click(d, areacalc::kAdd);
    }
};
}  // namespace

TEST_F(AreaCalcDlgTest, HundredMetreSquareOfTypedAndPickedCornersIsFifteenMu) {
    ui.OnModal(areacalc::IDD, [&](CDialog& d) {
        auto& dlg = static_cast<CAreaCalcDlg&>(d);
        ui.ExpectMessageBox(L"至少需要三个点!");
        ui.Click(d, kCompute);
        ExpectPick(0);
        ui.Click(d, kPickA);
        ui.Click(d, areacalc::kAdd);
        AddCorner(d, L"3000100", L"500000");
        AddCorner(d, L"3000100", L"500100");
        AddCorner(d, L"3000000", L"500100");
        ASSERT_EQ(dlg.Corners().size(), 4u);
        EXPECT_EQ(dlg.Corners()[0].name, L"控制1");
        ui.Click(d, kCompute);
        EXPECT_EQ(ui.GetText(d, kResult), L"面积: 10000.000平方米\n面积: 15.000亩\n周长: 400.000");
        ASSERT_TRUE(ui.Screenshot(Shot("area")));
        // A corner that cannot be read is not added.
        ui.SetText(d, kRowA + kNorth, L"x");
        ui.ExpectMessageBox(L"请输入一个数字。");
        ui.Click(d, areacalc::kAdd);
        EXPECT_EQ(dlg.Corners().size(), 4u);
        ui.Click(d, IDCANCEL);
    });
    CAreaCalcDlg(frame, nullptr).DoModal();
}

TEST_F(AreaCalcDlgTest, CrossingBoundaryIsRefusedUntilTheCornerIsRemoved) {
    ui.OnModal(areacalc::IDD, [&](CDialog& d) {
        auto& dlg = static_cast<CAreaCalcDlg&>(d);
        AddCorner(d, L"0", L"0");
        AddCorner(d, L"1", L"1");
        AddCorner(d, L"1", L"0");
        AddCorner(d, L"0", L"1");
        ui.ExpectMessageBox(L"多边形的边相交或重叠,无法计算面积!");
        ui.Click(d, kCompute);
        ui.ChooseItem(d, areacalc::kCorners, 1);
        ui.Click(d, areacalc::kRemove);
        ASSERT_EQ(dlg.Corners().size(), 3u);
        EXPECT_EQ(dlg.Corners()[1].point.x, 1.0);
        EXPECT_EQ(dlg.Corners()[1].point.y, 0.0);
        ui.Click(d, kCompute);
        EXPECT_EQ(ui.GetText(d, kResult), L"面积: 0.500平方米\n面积: 0.001亩\n周长: 3.414");
        ui.ExpectMessageBox(L"确实要清除所有数据吗?", IDYES);
        ui.Click(d, areacalc::kClear);
        EXPECT_TRUE(dlg.Corners().empty());
        EXPECT_EQ(ui.GetText(d, kResult), L"");
        ui.Click(d, IDCANCEL);
    });
    CAreaCalcDlg(frame, nullptr).DoModal();
}

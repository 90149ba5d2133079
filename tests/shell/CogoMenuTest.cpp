// The coordinate tools over the frame: the conversion tool answers with the grid the frame gives every
// fix, and the tools' host converts back exactly. (MenuTest opens each tool from the menu.)
#include "platform/text/Format.h"
#include "resources/CogoDlgs.h"
#include "shell/hosts/CogoHostImpl.h"
#include "tests/shell/FrameProbe.h"
#include "tests/shell/FrameTestSupport.h"
#include "tests/shell/JobChanges.h"

TEST_F(FrameTest, CoordinateConversionGivesTheGridOfEveryFix) {
    ChangeCoordParams(FrameProbe::Job(frame), [](CoordSysParams& p) { p.adjust = {0, 1.5, -2.25, 0.75}; });
    double n = 0, e = 0, h = 0;
    FrameProbe::Position(frame).ToGrid(30.25, 120.2, 12.5, FrameProbe::Job(frame).CoordParams(), n, e, h);
    frame.ShowWindow(SW_SHOW);
    ui_.OnModal(coordconvert::IDD, [&](CDialog& d) {
        ui_.SetText(d, coordconvert::kLatitude, L"30.15");
        ui_.SetText(d, coordconvert::kLongitude, L"120.12");
        ui_.SetText(d, coordconvert::kEllipsoidHeight, L"12.5");
        ui_.Click(d, coordconvert::kToGrid);
        EXPECT_EQ(ui_.GetText(d, cogo::kRowA + cogo::kNorth), Format(L"%.3f", n));
        EXPECT_EQ(ui_.GetText(d, cogo::kRowA + cogo::kEast), Format(L"%.3f", e));
        EXPECT_EQ(ui_.GetText(d, cogo::kRowA + cogo::kHeight), Format(L"%.3f", h));
        ui_.Click(d, IDCANCEL);
    });
    ASSERT_TRUE(ui_.ChooseMenu(FrameProbe::CommandBar(frame), {L"工具T", L"2坐标计算", L"1坐标转换"}));
    ui_.Pump();
}

TEST_F(FrameTest, CoordinateToolHostConvertsBackExactly) {
    ChangeCoordParams(FrameProbe::Job(frame), [](CoordSysParams& p) {
        p.seven = {1, 12.0, -80.0, 45.0, 1e-6, -2e-6, 3e-6, 4e-6};
        p.four = {1, 100.0, -200.0, 0.001, 1.00002};
        p.adjust = {0, 0.5, -0.25, 0.125};
        p.heightFit.nNiheMode = 1;
        p.heightFit.szdNiheA = {1.5, 1e-5, -2e-5, 0, 0, 0};
    });
    const CoordSysParams& p = FrameProbe::Job(frame).CoordParams();
    const CogoHostImpl host(p, FrameProbe::Position(frame).Second());
    const GeoPosition typed{30.25, 120.2, 12.5};
    const GeoPosition back = host.Wgs84FromGrid(host.GridFromWgs84(typed));
    EXPECT_NEAR(back.latitude, typed.latitude, 1e-9);
    EXPECT_NEAR(back.longitude, typed.longitude, 1e-9);
    EXPECT_NEAR(back.height, typed.height, 1e-4);
}

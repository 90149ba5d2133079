// The coordinate tools from the 工具 menu: every command opens its dialog over the frame, and the
// conversion tool answers with the grid the frame gives every fix.
#include "platform/text/Format.h"
#include "resources/CogoDlgs.h"
#include "resources/MainMenu.h"
#include "shell/FrameCogoHost.h"
#include "shell/MainMenuCommands.h"
#include "tests/shell/FrameTestSupport.h"

TEST_F(FrameTest, EveryCoordinateToolOpensFromTheToolsMenu) {
    struct Case {
        const wchar_t* submenu;
        const wchar_t* item;
        UINT idd;
    };
    const Case cases[] = {
        {L"2坐标计算", L"1坐标转换", coordconvert::IDD},
        {L"2坐标计算", L"2坐标正算", forwardcalc::IDD},
        {L"2坐标计算", L"3坐标反算", inversecalc::IDD},
        {L"2坐标计算", L"4偏角偏距", offsetangle::IDD},
        {L"2坐标计算", L"5偏点计算", offsetpoint::IDD},
        {L"2坐标计算", L"6测边交会", distresection::IDD},
        {L"2坐标计算", L"7交会计算", intersection::IDD},
        {L"2坐标计算", L"8交点与夹角计算", intersectangle::IDD},
        {L"3其它计算", L"1线中点计算", linemidpoint::IDD},
        {L"3其它计算", L"2夹角计算", anglecalc::IDD},
        {L"3其它计算", L"3空间距离", spacedistance::IDD},
        {L"3其它计算", L"4面积计算", areacalc::IDD},
        {L"3其它计算", L"5地图转换", mapconvert::IDD},
    };
    frame.ShowWindow(SW_SHOW);
    const std::vector<UINT> greyed = UnavailableCommands();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.idd);
        bool opened = false;
        ui_.OnModal(c.idd, [&](CDialog& d) {
            opened = true;
            EXPECT_EQ(d.GetOwner(), &frame);
            ui_.Click(d, IDCANCEL);
        });
        ASSERT_TRUE(ui_.ChooseMenu(frame.CommandBar(), {L"工具T", c.submenu, c.item}));
        ui_.Pump();
        EXPECT_TRUE(opened);
    }
    for (UINT id : {mainmenu::kCoordConvert, mainmenu::kAreaCalc, mainmenu::kMapConvert})
        EXPECT_EQ(std::count(greyed.begin(), greyed.end(), id), 0) << id;
}

TEST_F(FrameTest, CoordinateConversionGivesTheGridOfEveryFix) {
    frame.Job().coord.adjust = {0, 1.5, -2.25, 0.75};
    frame.ApplyCoordParams();
    double n = 0, e = 0, h = 0;
    frame.Position().ToGrid(30.25, 120.2, 12.5, frame.Job().coord, n, e, h);
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
    ASSERT_TRUE(ui_.ChooseMenu(frame.CommandBar(), {L"工具T", L"2坐标计算", L"1坐标转换"}));
    ui_.Pump();
}

TEST_F(FrameTest, CoordinateToolHostConvertsBackExactly) {
    CoordSysParams& p = frame.Job().coord;
    p.seven = {1, 12.0, -80.0, 45.0, 1e-6, -2e-6, 3e-6, 4e-6};
    p.four = {1, 100.0, -200.0, 0.001, 1.00002};
    p.adjust = {0, 0.5, -0.25, 0.125};
    p.heightFit.nNiheMode = 1;
    p.heightFit.szdNiheA = {1.5, 1e-5, -2e-5, 0, 0, 0};
    frame.ApplyCoordParams();
    const FrameCogoHost host(p, frame.Position().Second());
    const GeoPosition typed{30.25, 120.2, 12.5};
    const GeoPosition back = host.Wgs84FromGrid(host.GridFromWgs84(typed));
    EXPECT_NEAR(back.latitude, typed.latitude, 1e-9);
    EXPECT_NEAR(back.longitude, typed.longitude, 1e-9);
    EXPECT_NEAR(back.height, typed.height, 1e-4);
}

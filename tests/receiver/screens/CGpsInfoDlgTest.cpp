#include "receiver/screens/CGpsInfoDlg.h"

#include "foundation/screens/CCoordLibDlg.h"
#include "platform/gdi/Framebuffer.h"
#include "platform/text/CodePage.h"
#include "platform/ui/Desktop.h"
#include "receiver/ReceiverMessages.h"
#include "receiver/ReceiverProtocol.h"
#include "tests/foundation/screens/CoordLibraryHostDouble.h"
#include "tests/receiver/screens/ReceiverScreenTest.h"

namespace {

void ShowPage(CUiDriver& ui, CGpsInfoDlg& dlg, int page) {
    CRect item;
    dlg.m_tab.GetItemRect(page, &item);
    CPoint p = item.CenterPoint();
    dlg.m_tab.ClientToScreen(&p);
    ui.Tap(p);
    ASSERT_EQ(dlg.m_tab.GetCurrentPage(), page);
}

void Send(CGpsInfoDlg& dlg, const CGpsState& state, LPARAM kind = 4) {
    dlg.SendMessage(WM_GPS_POSITION, reinterpret_cast<WPARAM>(&state), kind);
}

COLORREF ScreenColour(CWnd& page, int x, int y) {
    CPoint p(x, y);
    page.ClientToScreen(&p);
    return CDesktop::Get().Screen().colorAt(p.x, p.y);
}

// Pixels of that colour in the plot's box.
int CountInPlot(CSkyPlotPage& page, COLORREF colour) {
    const SkyPlotBox& b = page.Box();
    int n = 0;
    for (int y = b.top; y <= b.bottom; ++y)
        for (int x = b.left; x <= b.right; ++x) n += ScreenColour(page, x, y) == colour;
    return n;
}

CGpsState OneSatellite(int elevation, int azimuth, int used) {
    CGpsState s;
    s.fixFlag = 1;
    s.gpsInView = 1;
    s.gpsSatellites[0] = {7, elevation, azimuth, 40, used};
    return s;
}

}  // namespace

using GpsInfoDlgTest = ReceiverScreenTest;

TEST_F(GpsInfoDlgTest, OpensAsThePositionWindowAndTheOpenerTakesItBack) {
    const HWND mapView = router->Handle();
    frame.positionWindow = mapView;
    ui.OnModal(CGpsInfoDlg::IDD, [&](CDialog& d) {
        EXPECT_EQ(frame.positionWindow, d.GetSafeHwnd());
        EXPECT_TRUE(d.IsZoomed());
        EXPECT_EQ(Written(), Stored("log,gpgsv,ontime,1"));
        d.EndDialog(IDOK);
    });
    ShowReceiverInfo(frame, nullptr, L"");
    EXPECT_EQ(frame.positionWindow, mapView);
}

TEST_F(GpsInfoDlgTest, PositionPageFollowsTheReceiverAndIgnoresResetNotices) {
    CGpsInfoDlg dlg(frame);
    ui.OnModal(CGpsInfoDlg::IDD, [&](CDialog&) {
        Feed(3);
        CWnd& page = dlg.m_pagePos;
        EXPECT_EQ(ui.GetText(page, positionpage::kSatellites),
                  SatelliteCountText(frame.state.gpsUsedCount, frame.state.gloUsedCount));
        EXPECT_EQ(ui.GetText(page, positionpage::kSolution), frame.state.solutionText);
        const CString shownTime = ui.GetText(page, positionpage::kTime);
        EXPECT_EQ(shownTime.Left(10), L"2026-12-06");
        CGpsState reset;
        reset.solutionText = L"无数据";
        Send(dlg, reset, 0);
        EXPECT_EQ(ui.GetText(page, positionpage::kTime), shownTime);
        EXPECT_EQ(dlg.m_gps.solutionText, L"无数据");
        CGpsState fromGga = frame.state;
        fromGga.gpsUsedCount = 3;
        fromGga.gloUsedCount = 1;
        Send(dlg, fromGga, kFixGga);
        EXPECT_EQ(ui.GetText(page, positionpage::kSatellites), SatelliteCountText(3, 1));
        dlg.EndDialog(IDOK);
    });
    dlg.DoModal();
}

TEST_F(GpsInfoDlgTest, SkyPlotDrawsMaskCirclesAndRepaintsMovedSatellites) {
    frame.settings.connection.nGAngle = 60;
    CGpsInfoDlg dlg(frame);
    ui.OnModal(CGpsInfoDlg::IDD, [&](CDialog&) {
        ShowPage(ui, dlg, CGpsInfoDlg::kSky);
        CSkyPlotPage& sky = dlg.m_pageSky;
        Send(dlg, OneSatellite(90, 0, 1));
        EXPECT_GT(CountInPlot(sky, CSkyPlotPage::kRed), 0);  // the dashed mask circle
        const SkyPoint zenith = SatellitePoint(sky.Box(), 90, 0);
        EXPECT_EQ(ScreenColour(sky, zenith.x, zenith.y - 9), CSkyPlotPage::kBlue);
        // The satellite sinks and is no longer used: its old disc is gone.
        Send(dlg, OneSatellite(10, 90, 0));
        EXPECT_NE(ScreenColour(sky, zenith.x, zenith.y - 9), CSkyPlotPage::kBlue);
        const SkyPoint low = SatellitePoint(sky.Box(), 10, 90);
        EXPECT_EQ(ScreenColour(sky, low.x, low.y - 9), CSkyPlotPage::kRed);
        // Without a fix no satellite is drawn; the mask of 0 draws no red circle.
        frame.settings.connection.nGAngle = 0;
        CGpsState noFix = OneSatellite(10, 90, 0);
        noFix.fixFlag = 0;
        Send(dlg, noFix);
        EXPECT_EQ(CountInPlot(sky, CSkyPlotPage::kRed), 0);
        dlg.EndDialog(IDOK);
    });
    dlg.DoModal();
}

TEST_F(GpsInfoDlgTest, SatelliteTableIsRebuiltForTheFirstTwelveOnly) {
    CGpsInfoDlg dlg(frame);
    ui.OnModal(CGpsInfoDlg::IDD, [&](CDialog&) {
        ShowPage(ui, dlg, CGpsInfoDlg::kSatellites);
        CListCtrl& list = dlg.m_pageSats.List();
        CGpsState s;
        s.gpsInView = 14;
        for (int i = 0; i < 14; ++i) s.gpsSatellites[static_cast<size_t>(i)] = {i + 1, 30, 90, 40, 1};
        s.gloInView = 1;
        s.gloSatellites[0] = {45, 20, 10, 38, 0};
        Send(dlg, s);
        ASSERT_EQ(list.GetItemCount(), 15);
        EXPECT_EQ(list.GetItemText(14, 4), L"GLONASS");
        s.gpsSatellites[13].elevation = 5;
        Send(dlg, s);
        EXPECT_EQ(list.GetItemText(13, 1), L"30");
        s.gpsSatellites[0].elevation = 31;
        Send(dlg, s);
        EXPECT_EQ(list.GetItemText(13, 1), L"05");
        EXPECT_EQ(list.GetItemText(0, 1), L"31");
        dlg.EndDialog(IDOK);
    });
    dlg.DoModal();
}

TEST_F(GpsInfoDlgTest, TextPageShowsTheOpenersLines) {
    CGpsInfoDlg dlg(frame);
    dlg.m_strInfo = L"存储模式:平滑\n数据文件名:a.xyh\n按'A'键存储点";
    ui.OnModal(CGpsInfoDlg::IDD, [&](CDialog&) {
        ShowPage(ui, dlg, CGpsInfoDlg::kText);
        EXPECT_EQ(ui.GetText(dlg.m_pageText, gpstextpage::kFirstLine + 2), L"按'A'键存储点");
        for (int k = 3; k < gpstextpage::kLines; ++k)
            EXPECT_TRUE(ui.GetText(dlg.m_pageText, gpstextpage::kFirstLine + k).IsEmpty());
        dlg.EndDialog(IDOK);
    });
    dlg.DoModal();
}

TEST_F(GpsInfoDlgTest, ReferencePointIsChosenAndKeptWithTheJob) {
    CGpsInfoDlg dlg(frame);
    ui.OnModal(CGpsInfoDlg::IDD, [&](CDialog&) {
        ShowPage(ui, dlg, CGpsInfoDlg::kBase);
        CRefPointPage& page = dlg.m_pageBase;
        EXPECT_TRUE(ui.GetText(page, refpointpage::kRefDistance).IsEmpty());
        ui.OnModal(CRefPointDlg::IDD, [&](CDialog& d) {
            EXPECT_EQ(ui.GetText(d, refpointdlg::kName), L"0");
            ui.SetText(d, refpointdlg::kNorth, L"3346000.5");
            ui.SetText(d, refpointdlg::kEast, L"517000.25");
            ui.SetText(d, refpointdlg::kHeight, L"12.5");
            ui.Click(d, IDOK);
        });
        ui.Click(page, refpointpage::kShowRef);
        EXPECT_EQ(frame.settings.nBaseShowRef, 1);
        Feed(2);
        EXPECT_FALSE(ui.GetText(page, refpointpage::kRefDistance).IsEmpty());
        ui.Click(page, refpointpage::kShowRef);
        EXPECT_EQ(frame.settings.nBaseShowRef, 0);
        // Ticked again and the point dialog cancelled: the kept point is shown again.
        ui.OnModal(CRefPointDlg::IDD, [&](CDialog& d) { ui.Click(d, IDCANCEL); });
        ui.Click(page, refpointpage::kShowRef);
        dlg.EndDialog(IDOK);
    });
    dlg.DoModal();
    const GeneralSettingsBlock job = LastJobWrite();
    EXPECT_EQ(job.nBaseShowRef, 1);
    EXPECT_EQ(job.dBaseShowRefx, 3346000.5);
    EXPECT_EQ(job.dBaseShowRefy, 517000.25);
    EXPECT_EQ(job.dBaseShowRefh, 12.5);
}

TEST_F(GpsInfoDlgTest, ScreenshotsOfTheFivePagesFedByTheSimulator) {
    frame.settings.connection.nGAngle = 15;
    CGpsInfoDlg dlg(frame);
    dlg.m_strInfo = L"存储模式:普通\n数据文件名:road.xyh\n按'A'键存储点\n按'B'键两次查看存储的坐标";
    ui.OnModal(CGpsInfoDlg::IDD, [&](CDialog&) {
        const char* names[] = {"info-position", "info-sky", "info-satellites", "info-base", "info-text"};
        for (int page = 0; page < 5; ++page) {
            if (page > 0) ShowPage(ui, dlg, page);
            Feed(page == CGpsInfoDlg::kBase ? 11 : 2);
            ui.Pump();
            EXPECT_TRUE(ui.Screenshot(ScreenshotPath(names[page])));
        }
        dlg.EndDialog(IDOK);
    });
    dlg.DoModal();
}

TEST_F(GpsInfoDlgTest, ReferencePointIsPickedFromTheCoordinateLibrary) {
    std::ofstream(root_ / "Jobs" / "road" / "road.lib", std::ios::binary)
        << ToGbk(L"0,基准1,3346100.5,517200.25,11.5,c\r\n");
    CRefPointDlg dlg(frame.CoordLibrary(), nullptr);
    ui.OnModal(CRefPointDlg::IDD, [&](CDialog& d) {
        ui.OnModal(CCoordLibDlg::IDD, [&](CDialog& shown) {
            auto& lib = static_cast<CCoordLibDlg&>(shown);
            for (int i = 0; i < 1000 && lib.IsLoading(); ++i) ui.Pump();
            CRect row;
            ASSERT_TRUE(lib.List().GetItemRect(0, &row, LVIR_BOUNDS));
            ui.Tap(lib.List(), CPoint(row.left + 30, row.CenterPoint().y));
            ui.Click(shown, IDOK);
        });
        ui.Click(d, refpointdlg::kPick);
        EXPECT_EQ(ui.GetText(d, refpointdlg::kName), L"基准1");
        EXPECT_TRUE(ui.Screenshot(ScreenshotPath("reference-point")));
        ui.Click(d, IDOK);
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_DOUBLE_EQ(dlg.values.n, 3346100.5);
    EXPECT_DOUBLE_EQ(dlg.values.e, 517200.25);
    EXPECT_DOUBLE_EQ(dlg.values.h, 11.5);
}

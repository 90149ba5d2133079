// The main map view: storing through the frame's store path, automatic storing, the stored-point
// markers, fit all, taps and the buttons.
#include <functional>
#include <map>

#include "foundation/PointLines.h"
#include "platform/text/CodePage.h"
#include "platform/ui/Desktop.h"
#include "platform/ui/WindowDC.h"
#include "resources/MainViewForm.h"
#include "resources/PointStoreTypeDlg.h"
#include "shell/dialogs/CSplashWnd.h"
#include "shell/view/CFrmGraphView.h"
#include "shell/view/ViewButtons.h"
#include "tests/shell/FrameProbe.h"
#include "tests/shell/FrameTestSupport.h"
#include "tests/shell/JobChanges.h"
#include "tests/shell/ShellStoreDouble.h"

namespace {

class ViewTest : public FrameTest {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        frame.ShowWindow(SW_SHOW);
        // The splash lies over the map, its owner, until its time is up: these taps are on the map.
        if (CSplashWnd* splash = CSplashWnd::Current()) splash->HideSplashScreen();
        FrameProbe::RecalcViewLayout(frame);
        FrameProbe::SetStorePath(frame, &store);
        FrameProbe::Listeners(frame).ListenForPositions(view().m_hWnd);
        std::filesystem::create_directories(root_ / "Program Files/Jobs/t/data");
        FrameProbe::Records(frame).SetRecordFile(L"\\Program Files\\Jobs\\t\\data\\t.rec");
        FrameProbe::Job(frame).UseJobPaths(L"\\Program Files\\Jobs\\t\\t.qzs", L"t.xyh");
        SetSettings([](GeneralSettingsBlock& s) { s.nShowSurveyPoint = -1; });
        view().Canvas().SetView(0.0, 0.0, 1.0);
        ui_.Pump();
    }
    void TearDown() override {
        FrameProbe::SetStorePath(frame, nullptr);
        FrameTest::TearDown();
    }
    CFrmGraphView& view() { return *FrameProbe::View(frame); }
    // The job's settings, changed as a settings dialog changes them.
    void SetSettings(const std::function<void(GeneralSettingsBlock&)>& change) {
        ChangeSettings(FrameProbe::Job(frame), change);
    }
    static CGpsState Fix(int h, int m, int s, double n, double e = 50.0, int code = 10) {
        CGpsState state;
        state.fixFlag = 1;
        state.hour = h;
        state.minute = m;
        state.second = s;
        state.gridX = n;
        state.gridY = e;
        state.latitude = 30.0;
        state.longitude = 120.0;
        state.solutionCode = code;
        state.solutionText = L"FIXED";
        return state;
    }
    void Send(CGpsState state) { view().SendMessage(WM_GPS_POSITION, reinterpret_cast<WPARAM>(&state), 4); }
    // The surveyed list in the record file's form (the store path writes the file itself).
    std::string Surveyed() {
        std::string lines;
        const SurveyedPoints& surveyed = FrameProbe::Records(frame).surveyed;
        for (size_t i = 0; i < surveyed.size(); ++i) lines += ToUtf8(FormatRecordLine(surveyed[i]));
        return lines;
    }

    RecordingStore store;
};

TEST_F(ViewTest, StoreButtonStoresTheLatestFixAndDrawsItsMarker) {
    Send(Fix(12, 0, 0, 40.0, 60.0));
    ui_.Click(view(), mainview::kStorePoint);
    ASSERT_EQ(store.stored.size(), 1u);
    // The store path proposes the job's last code and keeps the stored one.
    EXPECT_EQ(store.requests[0].mode, 0);
    EXPECT_EQ(store.requests[0].kind, kSurveyStoreKind);
    EXPECT_TRUE(store.requests[0].keepsLastCode);
    EXPECT_EQ(Surveyed(), "P1,40.0000,60.0000,0.0000,pole\r\n");
    ASSERT_EQ(FrameProbe::DisplayPoints(frame).size(), 1u);
    ASSERT_EQ(view().Markers().size(), 1u);
    const MapMarker& marker = view().Markers()[0];
    EXPECT_EQ(marker.tag, 0);
    CClientDC dc(view().GetDlgItem(mainview::kPlot));
    EXPECT_EQ(dc.GetPixel(marker.x - 2, marker.y), RGB(0, 0, 0));

    // Automatic mode only starts automatic storing; a refused store changes nothing.
    SetSettings([](GeneralSettingsBlock& s) { s.nSaveType = 3; });
    ui_.Click(view(), mainview::kStorePoint);
    EXPECT_EQ(store.starts.size(), 1u);
    SetSettings([](GeneralSettingsBlock& s) { s.nSaveType = 0; });
    store.refuse = 1;
    ui_.Click(view(), mainview::kStorePoint);
    EXPECT_EQ(FrameProbe::DisplayPoints(frame).size(), 1u);

    // A fixed solution at latitude exactly 0 is ignored.
    CGpsState zero = Fix(12, 0, 1, 1.0);
    zero.latitude = 0.0;
    Send(zero);
    ui_.Click(view(), mainview::kStorePoint);
    EXPECT_EQ(store.stored.size(), 2u);

    // Key A stores as the button does; the left arrow is key A too.
    Send(Fix(12, 0, 2, 3.0));
    view().SetFocus();
    ui_.PressKey('A');
    ui_.PressKey(VK_LEFT);
    EXPECT_EQ(store.stored.size(), 4u);
}

TEST_F(ViewTest, AutomaticStoringByTimeAndByDistance) {
    SetSettings([](GeneralSettingsBlock& s) {
        s.nSaveType = 3;
        s.nAsMode = 0;
        s.nAutoSaveTime = 5;
    });
    Send(Fix(12, 0, 0, 1.0));  // not running yet
    EXPECT_TRUE(store.quick.empty());
    FrameProbe::AutoStore(frame).running = 1;
    for (int s : {0, 3, 5}) Send(Fix(12, 0, s, 1.0));
    EXPECT_EQ(store.quick.size(), 2u);
    EXPECT_EQ(FrameProbe::AutoStore(frame).count, 2);
    EXPECT_EQ(store.requests.back().autoInterval, 5.0);
    EXPECT_EQ(store.requests.back().mode, kStoreAutomatic);
    EXPECT_FALSE(store.requests.back().keepsLastCode);

    store.quick.clear();
    SetSettings([](GeneralSettingsBlock& s) {
        s.nAsMode = 1;
        s.szdAutoSaveDis = 10.0;
    });
    FrameProbe::AutoStore(frame).firstPoint = 1;
    for (double n : {0.0, 4.0, 8.0, 12.0}) Send(Fix(12, 1, 0, n));
    ASSERT_EQ(store.quick.size(), 2u);
    EXPECT_EQ(store.quick[1].gridX, 12.0);
    EXPECT_EQ(Surveyed().substr(0, 6), "P1,1.0");
}

TEST_F(ViewTest, StoredPointsShownByTheirCount) {
    DisplayPoints& points = FrameProbe::DisplayPoints(frame);
    for (int i = 0; i < 5; ++i) points.Append({L"S", 10.0 + i * 10, 10.0 + i * 10, 0.0, L"", i == 4 ? 1 : 0});
    // From the widest rule to the narrowest: the program reads the list again when the rule changes.
    struct Case {
        int show;
        size_t markers;
    } cases[] = {{-1, 4}, {9, 4}, {2, 2}, {0, 0}};
    for (const Case& c : cases) {
        SetSettings([&c](GeneralSettingsBlock& s) { s.nShowSurveyPoint = c.show; });
        FrameProbe::View(frame)->Invalidate();
        view().GetDlgItem(mainview::kPlot)->Invalidate();
        ui_.Pump();
        EXPECT_EQ(view().Markers().size(), c.markers) << c.show;
    }
}

// Every stored point is drawn as it is stored; the view keeps only what the rule shows, so that
// points stored while the map stands still do not pile up for the run.
TEST_F(ViewTest, StoredPointsTheRuleHidesAreDrawnAndLetGo) {
    struct Case {
        int show;
        std::vector<int> markers;
    } cases[] = {{0, {}}, {1, {4}}, {2, {3, 4}}, {-1, {0, 1, 2, 3, 4}}};
    for (const Case& c : cases) {
        SetSettings([&c](GeneralSettingsBlock& s) { s.nShowSurveyPoint = c.show; });
        FrameProbe::DisplayPoints(frame).Clear();
        view().Canvas().SetView(0.0, 0.0, 1.0);
        view().GetDlgItem(mainview::kPlot)->Invalidate();
        ui_.Pump();
        for (int i = 0; i < 5; ++i) {
            Send(Fix(12, 0, i, 20.0 + 10.0 * i, 20.0));
            ui_.Click(view(), mainview::kStorePoint);
            const PixelPoint p = view().Canvas().WorldToScreen(20.0 + 10.0 * i, 20.0);
            CClientDC dc(view().GetDlgItem(mainview::kPlot));
            EXPECT_EQ(dc.GetPixel(p.x - 2, p.y), RGB(0, 0, 0)) << c.show << " point " << i;
        }
        // Markers of points let go may wait to be dropped in a batch; they can no longer be picked.
        const size_t front = FrameProbe::DisplayPoints(frame).Front();
        EXPECT_EQ(front, c.show < 0 ? 0u : 5u - c.show) << c.show;
        std::vector<int> markers;
        for (const MapMarker& m : view().Markers())
            if (static_cast<size_t>(m.tag) >= front) markers.push_back(m.tag);
        EXPECT_EQ(markers, c.markers) << c.show;
        EXPECT_LE(view().Markers().size(), 2 * c.markers.size() + 1) << c.show;
    }
}

TEST_F(ViewTest, FitAllFramesTheMarkersAndTapShowsAPoint) {
    FrameProbe::DisplayPoints(frame).Append({L"A", 10.0, 10.0, 1.5, L""});
    FrameProbe::DisplayPoints(frame).Append({L"B", 20.0, 30.0, 2.0, L""});
    view().GetDlgItem(mainview::kPlot)->Invalidate();
    ui_.Pump();
    ASSERT_EQ(view().Markers().size(), 2u);
    const MapMarker b = view().Markers()[1];
    ui_.Tap(view(), CPoint(b.x, b.y));
    EXPECT_EQ(view().Texts().pointName, L"B");
    EXPECT_EQ(view().Texts().h, L"2.000");

    ui_.Click(view(), mainview::kFitAll);
    const PixelRect& r = view().Canvas().ClientRect();
    const double scale = view().Canvas().MetresPerPixel();
    // A margin of 5 pixels keeps the outermost markers whole.
    EXPECT_DOUBLE_EQ(scale, std::max(20.0 / (r.right - r.left - 10), 10.0 / (r.bottom - r.top - 10)));
    const PixelPoint centre = view().Canvas().WorldToScreen(15.0, 20.0);
    EXPECT_NEAR(centre.x, (r.left + r.right) / 2, 1);
    EXPECT_NEAR(centre.y, (r.top + r.bottom) / 2, 1);

    // One point alone: the finest scale, 0.01 m a pixel.
    FrameProbe::DisplayPoints(frame).Clear();
    FrameProbe::DisplayPoints(frame).Append({L"A", 10.0, 10.0, 1.5, L""});
    view().GetDlgItem(mainview::kPlot)->Invalidate();
    ui_.Pump();
    ui_.Click(view(), mainview::kFitAll);
    EXPECT_DOUBLE_EQ(view().Canvas().MetresPerPixel(), 0.01);
}

// Fit all frames the points the display rule shows, those off screen too, and leaves out the
// deleted ones and those older than the newest nShowSurveyPoint.
TEST_F(ViewTest, FitAllFramesEveryShownPointOnScreenOrNot) {
    for (const PointRecord& p :
         {PointRecord{L"old", -5000.0, -5000.0, 0.0, L"", 0}, PointRecord{L"near", 10.0, 10.0, 0.0, L"", 0},
          PointRecord{L"far", 3000.0, 4000.0, 0.0, L"", 0},
          PointRecord{L"gone", 9000.0, 9000.0, 0.0, L"", 1}})
        FrameProbe::DisplayPoints(frame).Append(p);
    struct Case {
        int show;
        std::vector<const wchar_t*> framed;
    } cases[] = {{-1, {L"old", L"near", L"far"}}, {2, {L"near", L"far"}}, {1, {L"far"}}};
    for (const Case& c : cases) {
        SetSettings([&c](GeneralSettingsBlock& s) { s.nShowSurveyPoint = c.show; });
        view().Canvas().SetView(0.0, 0.0, 0.2);  // only "near" on screen
        view().GetDlgItem(mainview::kPlot)->Invalidate();
        ui_.Pump();
        ui_.Click(view(), mainview::kFitAll);
        ui_.Pump();
        std::vector<std::wstring> onScreen;
        for (const MapMarker& m : view().Markers())
            onScreen.push_back(FrameProbe::DisplayPoints(frame)[static_cast<size_t>(m.tag)].name.c_str());
        EXPECT_EQ(onScreen, std::vector<std::wstring>(c.framed.begin(), c.framed.end())) << c.show;
    }
}

// Every button of the bottom row lies on the screen, and the exit button at its right end shows
// its whole icon: nothing of it on the border or on the pixel of face inside it.
TEST_F(ViewTest, ButtonRowLiesOnTheScreenAndTheExitIconIsWhole) {
    const CRect screen = CDesktop::Get().ScreenRect();
    for (const ViewButtonEntry& entry : kViewButtons) {
        CRect r, inside;
        view().GetDlgItem(entry.id)->GetWindowRect(&r);
        inside.IntersectRect(&r, &screen);
        EXPECT_EQ(inside, r) << entry.id;
    }
    CRect exit;
    view().GetDlgItem(mainview::kExit)->GetWindowRect(&exit);
    const CImage icon = ViewButtonIcon(viewicons::kExit);
    const int left = (exit.Width() - icon.GetWidth()) / 2;  // centred, top-aligned
    for (int y = 0; y < icon.GetHeight(); ++y)
        for (int x = 0; x < icon.GetWidth(); ++x) {
            if (icon.IsTransparent(x, y)) continue;
            EXPECT_TRUE(left + x >= 2 && left + x < exit.Width() - 2 && y >= 2 && y < exit.Height() - 2)
                << x << "," << y;
        }
}

TEST_F(ViewTest, ClockRedrawnOnAFixShowsOnlyTheNewTime) {
    const auto clockPixels = [&] {
        CClientDC dc(view().GetDlgItem(mainview::kPlot));
        CRect plot;
        view().GetDlgItem(mainview::kPlot)->GetClientRect(&plot);
        std::vector<COLORREF> pixels;
        for (int y = plot.bottom - 12; y < plot.bottom; ++y)
            for (int x = plot.left + 1; x < plot.left + 56; ++x) pixels.push_back(dc.GetPixel(x, y));
        return pixels;
    };
    Send(Fix(12, 0, 38, 40.0));
    Send(Fix(12, 0, 39, 40.0));
    const std::vector<COLORREF> incremental = clockPixels();
    view().GetDlgItem(mainview::kPlot)->Invalidate();
    ui_.Pump();
    EXPECT_EQ(incremental, clockPixels());
}

// The epoch's second fix repeats the texts and draws none of them; after the screen was
// exposed (a closed dialog) the next fix draws every text again, unchanged or not.
TEST_F(ViewTest, StatusTextsComeBackAfterTheScreenIsExposed) {
    const auto textPixels = [&] {
        std::vector<COLORREF> pixels;
        for (int id : {mainview::kPointName, mainview::kGridX, mainview::kGridY, mainview::kPdop}) {
            CWnd* control = view().GetDlgItem(id);
            CClientDC dc(control);
            CRect r;
            control->GetClientRect(&r);
            for (int y = r.top; y < r.bottom; ++y)
                for (int x = r.left; x < r.right; ++x) pixels.push_back(dc.GetPixel(x, y));
        }
        return pixels;
    };
    Send(Fix(12, 0, 38, 40.0));
    const std::vector<COLORREF> shown = textPixels();
    CDesktop::Get().Expose(CDesktop::Get().ScreenRect());
    ui_.Pump();
    EXPECT_NE(textPixels(), shown);
    Send(Fix(12, 0, 38, 40.0));
    EXPECT_EQ(textPixels(), shown);
}

TEST_F(ViewTest, FollowKeepsThePositionInSightUntilAPanOrAZoom) {
    const auto inView = [&](double n, double e) {
        const PixelPoint p = view().Canvas().WorldToScreen(n, e);
        const PixelRect& r = view().Canvas().ClientRect();
        return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
    };
    Send(Fix(12, 0, 0, 500.0, 500.0));
    EXPECT_TRUE(inView(500.0, 500.0));  // following from the start
    ui_.Click(view(), mainview::kZoomIn);
    Send(Fix(12, 0, 1, 5000.0, 5000.0));
    EXPECT_FALSE(inView(5000.0, 5000.0));
    ui_.Click(view(), mainview::kFollow);
    EXPECT_TRUE(inView(5000.0, 5000.0));
    Send(Fix(12, 0, 2, 9000.0, 9000.0));
    EXPECT_TRUE(inView(9000.0, 9000.0));

    CRect plot;
    view().GetDlgItem(mainview::kPlot)->GetWindowRect(&plot);
    ui_.Drag(CPoint(plot.left + 20, plot.top + 20), CPoint(plot.left + 60, plot.top + 50));
    Send(Fix(12, 0, 3, 20000.0, 20000.0));
    EXPECT_FALSE(inView(20000.0, 20000.0));
}

TEST_F(ViewTest, PositionMarkerLeavesNoTrailOnTheStoreButton) {
    CWnd& button = *view().GetDlgItem(mainview::kStorePoint);
    const auto buttonPixels = [&] {
        CRect r;
        button.GetWindowRect(&r);
        view().ScreenToClient(&r);
        CClientDC dc(&view());
        std::vector<COLORREF> pixels;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x) pixels.push_back(dc.GetPixel(x, y));
        return pixels;
    };
    // The plot's centre lies on the button: a walk there draws the marker across it, over the
    // button, after a repaint of the plot too.
    Send(Fix(12, 0, 0, 100.0, 100.0));
    ui_.Click(view(), mainview::kFollow);
    ui_.Pump();
    const std::vector<COLORREF> clean = buttonPixels();
    for (int i = 1; i <= 8; ++i) Send(Fix(12, 0, i, 100.0 + (i % 3) * 4.0, 100.0 + i * 3.0));
    ui_.Pump();
    EXPECT_NE(buttonPixels(), clean);
    view().GetDlgItem(mainview::kPlot)->Invalidate();
    ui_.Pump();
    EXPECT_NE(buttonPixels(), clean);
    // Walking on leaves no trail on it.
    for (int i = 9; i <= 12; ++i) Send(Fix(12, 0, i, 150.0, 100.0 + i * 3.0));
    ui_.Pump();
    EXPECT_EQ(buttonPixels(), clean);
}

// A crowded map painted again with nothing changed shows the same plot, as it does when panned away
// and back; a point joining the list shows at the next paint.
TEST_F(ViewTest, ACrowdedMapPaintedAgainShowsTheSamePlot) {
    CWnd& plot = *view().GetDlgItem(mainview::kPlot);
    const auto repaint = [&] {
        plot.Invalidate();
        ui_.Pump();
        CRect r;
        plot.GetClientRect(&r);
        CClientDC dc(&plot);
        std::vector<COLORREF> pixels;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x) pixels.push_back(dc.GetPixel(x, y));
        return pixels;
    };
    DisplayPoints& points = FrameProbe::DisplayPoints(frame);
    for (int i = 0; i < 5000; ++i) {
        PointRecord p;
        p.name.Format(L"P%d", i);
        p.x = 20.0 + i * 37 % 150;
        p.y = 10.0 + i * 53 % 200;
        points.Append(p);
    }
    const std::vector<COLORREF> first = repaint();
    EXPECT_EQ(repaint(), first);
    view().Canvas().SetView(100.0, 100.0, 1.0);
    EXPECT_NE(repaint(), first);
    view().Canvas().SetView(0.0, 0.0, 1.0);
    EXPECT_EQ(repaint(), first);

    points.Append({L"NEW", 5.0, 225.0, 0.0, L""});
    EXPECT_NE(repaint(), first);
    // One marker a pixel: the 5,000 points lie on 600 spots.
    ASSERT_LE(view().Markers().size(), 601u);
    EXPECT_EQ(view().Markers().back().tag, 5000);
}

// Points on one pixel draw one marker, the oldest's, which a tap shows; of a crowded plot only the
// names that find room are read.
TEST_F(ViewTest, PointsOnOnePixelDrawOneMarkerAndOnlyNamesWithRoomAreRead) {
    DisplayPoints& points = FrameProbe::DisplayPoints(frame);
    for (int i = 0; i < 20000; ++i) {
        PointRecord p;
        p.name.Format(L"P%d", i);
        p.x = 20.0 + (i * 37) % 150 + 0.1 * (i % 3);
        p.y = 10.0 + (i * 53) % 200;
        points.Append(p);
    }
    view().GetDlgItem(mainview::kPlot)->Invalidate();
    ui_.Pump();
    const PixelRect& plot = view().Canvas().ClientRect();
    std::map<std::pair<int32_t, int32_t>, size_t> oldest;
    for (size_t i = 0; i < points.size(); ++i) {
        const PixelPoint p = view().Canvas().WorldToScreen(points.North(i), points.East(i));
        if (p.x >= plot.left && p.x < plot.right && p.y >= plot.top && p.y < plot.bottom)
            oldest.try_emplace({p.x, p.y}, i);
    }
    const std::vector<MapMarker>& markers = view().Markers();
    ASSERT_EQ(markers.size(), oldest.size());
    size_t read = 0;
    for (const MapMarker& m : markers) {
        EXPECT_EQ(static_cast<size_t>(m.tag), oldest.at({m.x, m.y}));
        if (m.nameRead) {
            EXPECT_EQ(m.name, points[static_cast<size_t>(m.tag)].name);
        }
        read += m.nameRead ? 1 : 0;
    }
    EXPECT_LT(read, markers.size() / 2);

    const MapMarker& first = markers.front();
    ui_.Tap(view(), CPoint(first.x, first.y));
    EXPECT_EQ(view().Texts().pointName, points[static_cast<size_t>(first.tag)].name);
}

TEST_F(ViewTest, ButtonsAndTheViewWithTwentyPoints) {
    // The splash still lies over the dialog's buttons: Escape cancels.
    ui_.OnModal(storetype::IDD, [&](CDialog&) { ui_.PressKey(VK_ESCAPE); });
    ui_.Click(view(), mainview::kStoreSettings);
    EXPECT_TRUE(view().GetDlgItem(mainview::kZoomIn)->IsWindowEnabled());
    const double before = view().Canvas().MetresPerPixel();
    ui_.Click(view(), mainview::kZoomOut);
    EXPECT_GT(view().Canvas().MetresPerPixel(), before);

    for (int i = 0; i < 20; ++i) {
        PointRecord p;
        p.name.Format(L"K%d", i + 1);
        p.x = 1000.0 + (i % 5) * 30.0;
        p.y = 2000.0 + (i / 5) * 25.0;
        FrameProbe::DisplayPoints(frame).Append(p);
    }
    Send(Fix(12, 30, 15, 1090.0, 2010.0));
    ui_.Click(view(), mainview::kFollow);  // the zoom ended following
    ui_.Pump();
    EXPECT_EQ(view().Markers().size(), 20u);
    ui_.Click(view(), mainview::kFitAll);
    ui_.Click(view(), mainview::kZoomOut);
    ui_.Pump();
    ASSERT_TRUE(ui_.Screenshot(Shot("view-20-points")));
}

}  // namespace

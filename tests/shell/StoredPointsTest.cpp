// The map's stored points after a restart: the display list is filled from the point file once
// the first screen is up, by the display rule, again when a point file becomes current or the
// rule changes; a point stored after the restart is drawn beside them. The record file's list
// loads after the first screen too.
#include "receiver/ReceiverMessages.h"
#include "resources/FileDialogs.h"
#include "resources/MainViewForm.h"
#include "shell/dialogs/CSplashWnd.h"
#include "shell/frame/CMainFrame.h"
#include "shell/frame/CQuorinApp.h"
#include "shell/hosts/SurveyHostImpl.h"
#include "shell/view/CFrmGraphView.h"
#include "tests/shell/FrameProbe.h"
#include "tests/shell/ShellStoreDouble.h"
#include "tests/shell/ShellTestSupport.h"

namespace {

const std::string kRoad = "Program Files/Jobs/road/";
// Five stored points and the start of a sixth that an interrupted append left.
// The record file's line that cannot be read is told once its load is in.
const wchar_t* const kDamagedRecords = L"road.rec中有1行已损坏,已跳过";
const char* const kPoints =
    "P1,10,10,1,c\r\nP2,20,20,2,c\r\nP3,30,30,3,c\r\nP4,40,40,4,c\r\nP5,50,50,5,c\r\nP6,6";

class StoredPointsTest : public ProgramStartTest {
protected:
    // The job "road" with the point file road.xyh is current; its map shows `rule` points.
    void LayOutRoad(int rule) {
        std::filesystem::remove_all(root_ / "Program Files");
        WriteHostFile("Program Files/qzsys.sys", kRoadSystemFile);
        WriteHostFile(kRoad + "road.qzs",
                      "\r\n[DataSave Par]\r\nnShowSurveyPoint=" + std::to_string(rule) + "\r\n");
        WriteHostFile(kRoad + "data/road.xyh", kPoints);
        WriteHostFile(kRoad + "data/road.rec", "P1,10,10,1,c\r\nP2,20,x,2,c\r\nP3,30,30,3,c\r\n");
    }
    void WaitForFill(CMainFrame& frame) {
        // The record file is indexed once the map's points are in.
        ASSERT_TRUE(FrameProbe::DisplayFill(frame).WaitForRead(10000));
        ui_.Pump();
        ASSERT_TRUE(FrameProbe::Records(frame).WaitForLoad(10000));
        ui_.Pump();
    }
    static std::vector<CString> Names(CMainFrame& frame) { return FrameProbe::DisplayNames(frame); }
    // The plot shows 0..200 m both ways, then is drawn again.
    size_t MarkersDrawn(CMainFrame& frame) {
        FrameProbe::View(frame)->Canvas().SetView(0.0, 0.0, 1.0);
        FrameProbe::View(frame)->GetDlgItem(mainview::kPlot)->Invalidate();
        ui_.Pump();
        return FrameProbe::View(frame)->Markers().size();
    }
};

TEST_F(StoredPointsTest, StartUpFillsTheMapByTheDisplayRule) {
    struct Case {
        int rule;
        std::vector<CString> names;
    } cases[] = {
        {-1, {L"P1", L"P2", L"P3", L"P4", L"P5"}},
        {2, {L"P4", L"P5"}},
        {9, {L"P1", L"P2", L"P3", L"P4", L"P5"}},
        {0, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rule);
        LayOutRoad(c.rule);
        CQuorinApp app;
        ASSERT_TRUE(app.InitInstance());
        ui_.ExpectMessageBox(kDamagedRecords);
        CMainFrame& frame = *app.MainFrame();
        WaitForFill(frame);
        EXPECT_EQ(Names(frame), c.names);
        EXPECT_EQ(MarkersDrawn(frame), c.names.size());
        frame.DestroyWindow();
    }
}

TEST_F(StoredPointsTest, APointStoredAfterTheRestartIsDrawnBesideTheOthers) {
    LayOutRoad(-1);
    CQuorinApp app;
    ASSERT_TRUE(app.InitInstance());
    ui_.ExpectMessageBox(kDamagedRecords);
    CMainFrame& frame = *app.MainFrame();
    RecordingStore store;
    FrameProbe::SetStorePath(frame, &store);
    ui_.Advance(CSplashWnd::kShowMs);
    // The damaged record file is told once its index is in, which waits for the map's fill, in a
    // box that holds taps off the map: the store's tap comes after it.
    WaitForFill(frame);
    // A point stored after the restart stays, after the file's points.
    CGpsState fix;
    fix.fixFlag = 1;
    fix.gridX = 60.0;
    fix.gridY = 70.0;
    fix.latitude = 30.0;
    fix.longitude = 120.0;
    fix.solutionText = L"FIXED";
    FrameProbe::View(frame)->SendMessage(WM_GPS_POSITION, reinterpret_cast<WPARAM>(&fix), 4);
    ui_.Click(*FrameProbe::View(frame), mainview::kStorePoint);
    WaitForFill(frame);
    EXPECT_EQ(Names(frame), (std::vector<CString>{L"P1", L"P2", L"P3", L"P4", L"P5", L"P1"}));
    EXPECT_EQ(MarkersDrawn(frame), 6u);
    fix.gridX = 80.0;
    FrameProbe::View(frame)->SendMessage(WM_GPS_POSITION, reinterpret_cast<WPARAM>(&fix), 4);
    ui_.Click(*FrameProbe::View(frame), mainview::kStorePoint);
    ASSERT_EQ(FrameProbe::View(frame)->Markers().size(), 7u);
    EXPECT_EQ(FrameProbe::View(frame)->Markers().back().tag, 6);
    EXPECT_EQ(MarkersDrawn(frame), 7u);
    // 全图 finds them from far away.
    FrameProbe::View(frame)->Canvas().SetView(5000.0, 5000.0, 1.0);
    ui_.Click(*FrameProbe::View(frame), mainview::kFitAll);
    EXPECT_EQ(FrameProbe::View(frame)->Markers().size(), 7u);

    // The record file's list: its readable lines (one is not), then the two stored since.
    const SurveyedPoints& records = FrameProbe::Records(frame).surveyed;
    ASSERT_EQ(records.size(), 4u);
    EXPECT_EQ(records.SkippedLines(), 1u);
    EXPECT_EQ(records[1].name, L"P3");
    EXPECT_EQ(records[3].x, 80.0);
    FrameProbe::SetStorePath(frame, nullptr);
    frame.DestroyWindow();
}

TEST_F(StoredPointsTest, ADamagedDataFileIsToldOnceInARunTheRawFileWhenItBecomesCurrent) {
    LayOutRoad(0);
    WriteHostFile(kRoad + "data/road.rec", "P1,10,10,1,c\r\n");
    const std::string record = "P1,30.1,120.1,12.5,c,1.5,10,0.01,0.02,09,1.8,08:05:09,2026-12-07,3,0,\r\n";
    WriteHostFile(kRoad + "data/road.blh", "Rem Version      Quorin2.0 Ver: 2011.09.26\r\n" + record +
                                               "\x01junk\r\n" + record + "P2,30");
    CQuorinApp app;
    ASSERT_TRUE(app.InitInstance());
    ui_.ExpectMessageBox(L"road.blh中有1行已损坏,已跳过");
    CMainFrame& frame = *app.MainFrame();
    ASSERT_TRUE(FrameProbe::WaitForRawCheck(frame, 10000));
    ui_.Pump();
    // The point file opened again: its raw file is checked again, and not told again.
    ui_.OnModal(openfile::IDD, [this](CDialog& dialog) {
        ui_.SetText(dialog, openfile::kPath, L"\\Program Files\\Jobs\\road\\data\\road.xyh");
        ui_.Click(dialog, IDOK);
    });
    ASSERT_TRUE(ui_.ChooseMenu(FrameProbe::CommandBar(frame), {L"工程F", L"4打开文件"}));
    ASSERT_TRUE(FrameProbe::WaitForRawCheck(frame, 10000));
    ui_.Pump();

    // The point file: told by the first reader that meets its damaged line, not by the next.
    WriteHostFile(kRoad + "data/road.xyh", std::string("P0,x,0,0,c\r\n") + kPoints);
    SurveyHostImpl host = FrameProbe::Hosts(frame).Survey();
    ui_.ExpectMessageBox(L"road.xyh中有1行已损坏,已跳过");
    host.ReloadDisplayPoints();
    host.ReloadDisplayPoints();
    host.TellSkippedLines(host.PointFilePath(), 1);
    frame.DestroyWindow();
}

TEST_F(StoredPointsTest, OpeningAPointFileAndChangingTheRuleRefillTheMap) {
    LayOutRoad(2);
    // Its first line cannot be read: told when a fill reaches it.
    WriteHostFile(kRoad + "data/other.xyh", "Q0,x,0,0,c\r\nQ1,1,1,1,c\r\nQ2,2,2,2,c\r\nQ3,3,3,3,c\r\n");
    CQuorinApp app;
    ASSERT_TRUE(app.InitInstance());
    ui_.ExpectMessageBox(kDamagedRecords);
    CMainFrame& frame = *app.MainFrame();
    WaitForFill(frame);
    ui_.OnModal(openfile::IDD, [this](CDialog& dialog) {
        ui_.SetText(dialog, openfile::kPath, L"\\Program Files\\Jobs\\road\\data\\other.xyh");
        ui_.Click(dialog, IDOK);
    });
    ASSERT_TRUE(ui_.ChooseMenu(FrameProbe::CommandBar(frame), {L"工程F", L"4打开文件"}));
    WaitForFill(frame);
    EXPECT_EQ(Names(frame), (std::vector<CString>{L"Q2", L"Q3"}));

    GeneralSettingsBlock settings = FrameProbe::Job(frame).Settings();
    settings.nShowSurveyPoint = -1;
    SurveyHostImpl host = FrameProbe::Hosts(frame).Survey();
    ui_.ExpectMessageBox(L"other.xyh中有1行已损坏,已跳过");
    EXPECT_TRUE(host.SaveSettings(settings));
    WaitForFill(frame);
    EXPECT_EQ(Names(frame), (std::vector<CString>{L"Q1", L"Q2", L"Q3"}));
    frame.DestroyWindow();
}

}  // namespace

// A fix reaches the view and key A as current only while it is, on both kinds of board: one of NMEA
// sentences (its fix a GGA) and one of its own logs (its fix the position log). Each row feeds lines on
// the virtual clock and then reads what the view shows and what key A stores.
#include <string>
#include <vector>

#include "foundation/PointLines.h"
#include "platform/text/CodePage.h"
#include "receiver/SentenceFields.h"
#include "resources/PointStoreDlg.h"
#include "shell/view/CFrmGraphView.h"
#include "tests/shell/FrameProbe.h"
#include "tests/shell/FrameTestSupport.h"
#include "tests/shell/JobChanges.h"
#include "tests/shell/JobStoreSupport.h"

namespace {

constexpr int kBoards[] = {kBoardOemD, kBoardOemV};

// One step of a row: the board's fix or a ZDA at a second of the row's minute (the ZDA `hours` off, as
// from a receiver set to local time), and the time until the next step.
struct Step {
    bool zda;  // else the board's fix
    double second;
    int afterMs;
    int hours = 0;
};

Step Fix(double second, int afterMs = 0) {
    return {false, second, afterMs};
}
Step Zda(double second, int hours = 0) {
    return {true, second, 0, hours};
}

class CurrentFixTest : public FrameTest {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        job_.Install(root_);
        FrameProbe::Listeners(frame).ListenForPositions(FrameProbe::View(frame)->m_hWnd);
        // Times in zone 8; precision limits that the simulated fixes meet.
        GeneralSettingsBlock settings = FrameProbe::Job(frame).Settings();
        settings.connection.nTimeZone = 8;
        settings.connection.dRmshLimit = settings.connection.dRmsvLimit = 1.0;
        ASSERT_TRUE(FrameProbe::Job(frame).StoreSettings(settings));
    }
    void TearDown() override {
        job_.Close();
        FrameTest::TearDown();
    }

    // The epoch at 03:`minute`:`second` UTC, its GPS time 18 s ahead, as a receiver gives both.
    static sim::Epoch At(int minute, double second) {
        sim::Epoch e = Epoch();
        e.minute = minute;
        e.second = second;
        e.gpsWeek = 2180;
        e.gpsSecondsOfWeek = 2 * 86400 + 3 * 3600 + minute * 60 + second + 18;
        return e;
    }
    // Key A: the time column of the point stored, or empty when the store was refused.
    std::string StoreWithKeyA(bool expectStore) {
        const size_t before = StoredLines().size();
        if (expectStore)
            ui_.OnModal(pointstore::IDD, [&](CDialog& d) { ui_.Click(d, IDOK); });
        else
            ui_.ExpectMessageBox(L"当前没有接收到数据,不能存储数据");
        FrameProbe::View(frame)->SetFocus();
        ui_.PressKey('A');
        const std::vector<CString> lines = StoredLines();
        if (lines.size() == before) return "";
        std::vector<CString> fields = SplitFields(lines.back(), L',', 12);
        return ToUtf8(fields[11]);
    }
    std::vector<CString> StoredLines() { return CutPointFileLines(FromGbk(ReadHostFile("job/data/j.xyh"))); }
    // The steps on `board` in 03:`minute` UTC. The fix of the board of position logs is its log, that
    // of the other the GGA.
    void Run(int board, int minute, const std::vector<Step>& steps) {
        ChangeSystemRecord(FrameProbe::Job(frame), [board](LastFilesRecord& r) { r.nGPSOEMType = board; });
        for (const Step& step : steps) {
            sim::Epoch e = At(minute, step.second);
            e.hour = (e.hour + step.hours + 24) % 24;
            if (step.zda)
                Feed(sim::ZdaSentence(e));
            else
                Feed(board == kBoardOemV ? sim::BestPosLog(e) : sim::GgaSentence(e));
            ui_.Advance(step.afterMs);
        }
    }
    CString Shown() { return FrameProbe::View(frame)->Texts().solution; }

    FrameJobStore job_{frame};
};

}  // namespace

// A fix the receiver keeps repeating is shown as stale and never stored once it has been for 2 s (twice
// the receiver's interval when that is longer). A fix whose time advances is current however far the
// receiver's ZDA lies from it: whole hours off is a ZDA in local time. Each row's times follow those of
// the row before it, as a receiver's do.
TEST_F(CurrentFixTest, ARepeatedFixIsShownStaleAndNeverStored) {
    const struct {
        const char* name;
        std::vector<Step> steps;
        bool current;
    } rows[] = {
        {"new every second", {Fix(0, 1000), Fix(1, 1000), Fix(2)}, true},
        {"repeated for 2 s", {Fix(0, 1000), Fix(0, 1000), Fix(0)}, true},
        {"repeated for 2.1 s", {Fix(0, 1000), Fix(0, 1000), Fix(0, 100), Fix(0)}, false},
        {"repeated for 6 s",
         {Fix(0, 1000), Fix(0, 1000), Fix(0, 1000), Fix(0, 1000), Fix(0, 1000), Fix(0, 1000), Fix(0)},
         false},
        {"2 s behind the ZDA", {Zda(2), Fix(0)}, true},
        {"2.5 s behind the ZDA", {Zda(2.5), Fix(0)}, true},
        {"10 s behind the ZDA", {Zda(10), Fix(0)}, true},
        {"a ZDA 8 h ahead", {Fix(0, 1000), Zda(1, 8), Fix(1, 1000), Zda(2, 8), Fix(2)}, true},
        {"a ZDA 5 h behind", {Fix(0, 1000), Zda(1, -5), Fix(1, 1000), Zda(2, -5), Fix(2)}, true},
        {"one ZDA 3 h ahead", {Fix(0, 1000), Zda(1, 3), Fix(1, 1000), Fix(2)}, true},
        {"repeated after a ZDA 8 h ahead",
         {Fix(0, 1000), Zda(1, 8), Fix(0, 1000), Fix(0, 100), Fix(0)},
         false},
    };
    int minute = 0;
    for (const int board : kBoards) {
        for (const auto& row : rows) {
            SCOPED_TRACE("board " + std::to_string(board) + ": " + row.name);
            Run(board, ++minute, row.steps);
            EXPECT_EQ(Shown(), CString(row.current ? L"固定解" : ViewStatusTexts::kStaleText));
            EXPECT_EQ(StoreWithKeyA(row.current).empty(), !row.current);
        }
    }
}

// A board that gives both its position log (in GPS time) and the GGA (in UTC) stores the times of both
// on one scale: they go on by the second, never 18 s ahead and back.
TEST_F(CurrentFixTest, TheTimesOfBothKindsOfFixAreStoredOnOneScale) {
    ChangeSystemRecord(FrameProbe::Job(frame), [](LastFilesRecord& r) { r.nGPSOEMType = kBoardOemD; });
    std::vector<std::string> stored;
    for (int second = 0; second < 4; ++second) {
        const sim::Epoch e = At(0, second);
        Feed(second % 2 == 0 ? sim::BestPosLog(e) : sim::GgaSentence(e));
        stored.push_back(StoreWithKeyA(true));
        ui_.Advance(1000);
    }
    EXPECT_EQ(stored, (std::vector<std::string>{"11:00:00", "11:00:01", "11:00:02", "11:00:03"}));
}

// A GSA of geometry worse than 100 is taken, and the fix's PDOP shown and stored as 99.9; a GSA refused
// (a number no DOP field holds, a failed check) changes nothing: the next fix carries the last good
// geometry.
TEST_F(CurrentFixTest, AGsaBeyond100IsBoundedAndARefusedOneLeavesTheLastGeometry) {
    ChangeSystemRecord(FrameProbe::Job(frame), [](LastFilesRecord& r) { r.nGPSOEMType = kBoardOemD; });
    const struct {
        const char* dops;
        const char* shown;
        const char* stored;  // PDOP column of the point stored, and the satellites column
        const char* satellites;
        bool checkFails = false;
    } rows[] = {
        {"1.6,0.9,1.3", "1.600", "1.60", "03"},         {"1e308,0.9,1.3", "1.600", "1.60", "03"},
        {"120.0,80.0,90.0", "99.900", "99.90", "03"},   {"9.9,1.6,0.9,1", "99.900", "99.90", "03"},
        {"2.4,1.2,2.1", "99.900", "99.90", "03", true},
    };
    int second = 0;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.dops);
        std::string gsa = sim::NmeaSentence(std::string("GPGSA,A,3,02,05,07,,,,,,,,,,") + row.dops);
        if (row.checkFails) gsa[gsa.rfind('*') + 1] ^= 1;
        Feed(gsa);
        Feed(sim::GgaSentence(At(0, second++)));
        EXPECT_EQ(ToUtf8(FrameProbe::View(frame)->Texts().pdop), row.shown);
        ASSERT_FALSE(StoreWithKeyA(true).empty());
        const std::vector<CString> fields = SplitFields(StoredLines().back(), L',', 12);
        EXPECT_EQ(ToUtf8(fields[10]), row.stored);
        EXPECT_EQ(ToUtf8(fields[9]), row.satellites);
        ui_.Advance(1000);
    }
}

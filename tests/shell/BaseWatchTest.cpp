// The base watch: the three result files byte for byte, the job's stored base, and the warnings it arms.
#include "platform/text/CodePage.h"
#include "platform/text/Format.h"
#include "tests/platform/files/RecordingCalls.h"
#include "tests/shell/FrameProbe.h"
#include "tests/shell/FrameTestSupport.h"
#include "tests/shell/JobChanges.h"

class BaseWatchTest : public FrameTest {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        // The fixture's job "j", with the result files of its point file.
        FrameProbe::Job(frame).UsePointFile(L"j.xyh");
        std::filesystem::create_directories(root_ / "job/result");
        std::filesystem::create_directories(root_ / "job/data");
        Feed(sim::BestPosLog(Epoch()));  // the rover is fixed
    }
    // A base at latitude 30°15'00", longitude 120°07'30", 20 m, with its identifier.
    void Base(double northShiftMetres, const char* id, sim::FixKind rover = sim::FixKind::kFixed) {
        sim::Epoch e = Epoch(rover);
        e.stationId = id;
        double x, y, z;
        sim::GeodeticToCartesian(30.25 + northShiftMetres / 111000.0, 120.125, 20.0, &x, &y, &z);
        base = {x, y, z};
        Feed(sim::BestPosLog(e) + sim::RefStationLog(e, x, y, z));
    }
    // The base's packed latitude and longitude are given; the rest is the state's, in the line's format.
    std::string NowBaseLine(const wchar_t* latLon, const wchar_t* id) {
        const CGpsState& s = FrameProbe::Receiver(frame).State();
        return ToGbk(Format(L"NowBase,%s,%.3f,00000000,0,%.3f,%.3f,%.3f,%s,%02d:%02d:%02d,%d-%02d-%02d\r\n",
                            latLon, s.baseHeight, base[0], base[1], base[2], id, s.hour, s.minute, s.second,
                            s.year, s.month, s.day));
    }

    // The numbers of a result file's line after its label.
    static std::vector<double> Numbers(const std::string& line) {
        std::vector<double> numbers;
        for (size_t at = line.find(','); at != std::string::npos; at = line.find(',', at + 1))
            numbers.push_back(std::stod(line.substr(at + 1)));
        return numbers;
    }

    // A base at earth-centred `xyz`, heard while the rover is fixed.
    void BaseAt(const std::array<double, 3>& xyz, const char* id) {
        sim::Epoch e = Epoch();
        e.stationId = id;
        Feed(sim::BestPosLog(e) + sim::RefStationLog(e, xyz[0], xyz[1], xyz[2]));
    }

    std::array<double, 3> base{};
};

TEST_F(BaseWatchTest, FirstBaseIsTakenSilentlyThenTheSameBaseChangesNothing) {
    WriteHostFile("job/data/j.blh", "raw\r\n");
    Base(0, "0001");
    const std::string now = NowBaseLine(L"30.15000000,120.07300000", L"0001");
    EXPECT_EQ(ReadHostFile("job/result/basecoord.blh"), now);
    const std::string known = ReadHostFile("job/result/BaseKnown.xyh");
    EXPECT_EQ(known.rfind("BaseKnown,", 0), 0u);
    EXPECT_EQ(known.substr(known.size() - 11), ",00000000\r\n");
    const std::string old = ReadHostFile("job/result/OldForAutoAdjust.xyh");
    EXPECT_EQ(old.rfind("OldBase,", 0), 0u);
    EXPECT_EQ(old.substr(old.size() - 11), ",00000000\r\n");
    EXPECT_EQ(FrameProbe::Job(frame).CoordParams().base.szBaseStationID, L"0001");
    EXPECT_NEAR(FrameProbe::Job(frame).CoordParams().base.szdBaseLat, 30.15, 1e-8);
    EXPECT_FALSE(FrameProbe::Watch(frame).BaseIdChanged() || FrameProbe::Watch(frame).BaseCoordChanged());
    EXPECT_NE(ReadHostFile("job/j.qza").find("szBaseStationID=0001"), std::string::npos);
    EXPECT_NE(ReadHostFile("job/data/j.blh").find("Rem BaseStation"), std::string::npos);

    // Within 1 cm, under a new identifier too: the same base.
    Base(0.005, "0007");
    EXPECT_EQ(ReadHostFile("job/result/basecoord.blh"), now);
    EXPECT_EQ(FrameProbe::Job(frame).CoordParams().base.szBaseStationID, L"0001");
    EXPECT_FALSE(FrameProbe::Watch(frame).BaseIdChanged() || FrameProbe::Watch(frame).BaseCoordChanged());
}

TEST_F(BaseWatchTest, AMovedBaseOrAnotherOneArmsItsWarning) {
    Base(0, "0001");
    Base(12, "0001");
    EXPECT_TRUE(FrameProbe::Watch(frame).BaseCoordChanged());
    EXPECT_EQ(FrameProbe::Watch(frame).BaseChangeText().Find(L"新旧基站距离::"), 0);
    Base(30, "0002");
    EXPECT_TRUE(FrameProbe::Watch(frame).BaseIdChanged());
    EXPECT_EQ(FrameProbe::Watch(frame).BaseChangeText().Find(
                  L"当前基站号::0002  上次基站号::0001\r\n新旧基站距离::"),
              0);
    const std::string lines = ReadHostFile("job/result/basecoord.blh");
    EXPECT_EQ(std::count(lines.begin(), lines.end(), '\n'), 3);
    const std::string last = NowBaseLine(L"30.15009730,120.07300000", L"0002");
    EXPECT_EQ(lines.substr(lines.size() - last.size()), last);
}

TEST_F(BaseWatchTest, ABaseHeardWhileTheRoverIsNotFixedChangesNoFile) {
    Base(0, "0001", sim::FixKind::kFloat);
    EXPECT_TRUE(FrameProbe::Watch(frame).BaseHeard());
    EXPECT_FALSE(std::filesystem::exists(root_ / "job/result/basecoord.blh"));
    EXPECT_FALSE(std::filesystem::exists(root_ / "job/j.qza"));
}

// A coordinate file start-up could not use and could not keep a copy of stays as it is, whatever the
// watch hears: here the default job's, on which the program then runs.
TEST_F(BaseWatchTest, ACoordinateFileThatCannotBeUsedIsNeverWritten) {
    const std::string unusable = "garbage";
    WriteHostFile("Program Files/Jobs/vorna/vorna.qza", unusable);
    ui_.ExpectMessageBox(L"读qza文件错误,请检查错误!");
    ui_.ExpectMessageBox(L"当前打开的工程为\\Program Files\\Jobs\\vorna\\vorna.qzs");
    {
        RecordingCalls noCopy;
        noCopy.failingName = ".bad";
        const ScopedFileSystemCalls calls(noCopy);
        FrameProbe::Job(frame).LoadAtStartup();
    }
    ASSERT_EQ(FrameProbe::Job(frame).Paths().coordFileName, L"vorna.qza");
    Base(0, "0001");
    Base(50, "0002");
    EXPECT_EQ(ReadHostFile("Program Files/Jobs/vorna/vorna.qza"), unusable);
    EXPECT_TRUE(std::filesystem::exists(root_ / "Program Files/Jobs/vorna/result/basecoord.blh"));
}

// A base log out of range, with a valid CRC, from the simulator: refused before the watch, so it
// reaches neither the job's coordinate file nor a result file, and the next start reads no junk.
TEST_F(BaseWatchTest, ABaseBeyondTheEarthNeverReachesTheJob) {
    for (const std::array<double, 3>& xyz : {std::array<double, 3>{1e300, 1e300, 1e300},
                                             std::array<double, 3>{-2327589.193, 5387652.126, 1e7}}) {
        sim::Epoch e = Epoch();
        e.stationId = "0009";
        Feed(sim::BestPosLog(e) + sim::RefStationLog(e, xyz[0], xyz[1], xyz[2]));
    }
    EXPECT_FALSE(FrameProbe::Watch(frame).BaseHeard());
    EXPECT_FALSE(std::filesystem::exists(root_ / "job/j.qza"));
    EXPECT_FALSE(std::filesystem::exists(root_ / "job/result" / "basecoord.blh"));
    EXPECT_FALSE(std::filesystem::exists(root_ / "job/result/OldForAutoAdjust.xyh"));
}

// "BaseKnown.xyh" holds the current base in the grid, "OldForAutoAdjust.xyh" the one stored before it;
// the job keeps the current base's grid after the seven-parameter step and the projection alone.
TEST_F(BaseWatchTest, KnownAndOldBaseFilesHoldTheCurrentAndThePreviousBaseInTheGrid) {
    ChangeCoordParams(FrameProbe::Job(frame), [](CoordSysParams& coord) {
        coord.seven = {1, 120.0, -80.0, 45.0, 0.00001, -0.00002, 0.00001, 0.000004};
    });
    const CoordSysParams& coord = FrameProbe::Job(frame).CoordParams();
    Base(0, "0001");
    const std::string first = ReadHostFile("job/result/BaseKnown.xyh");
    Base(12, "0001");
    // The stored base went through its packed degrees and back: within a millimetre.
    const std::vector<double> was = Numbers(first),
                              old = Numbers(ReadHostFile("job/result/OldForAutoAdjust.xyh"));
    ASSERT_EQ(old.size(), 4u);
    EXPECT_EQ(ReadHostFile("job/result/OldForAutoAdjust.xyh").rfind("OldBase,", 0), 0u);
    for (size_t i = 0; i < 3; ++i) EXPECT_NEAR(old[i], was[i], 0.0015) << i;
    const BaseStationRec& stored = coord.base;
    EXPECT_EQ(ReadHostFile("job/result/BaseKnown.xyh"),
              ToGbk(Format(L"BaseKnown,%.3f,%.3f,%.3f,00000000\r\n", stored.szdBaseX, stored.szdBaseY,
                           stored.szdBaseH)));
    const BaseCalibSlot& slot = coord.calib.slot[0];
    EXPECT_EQ(std::tuple(slot.szdSx, slot.szdSy, slot.szdSh),
              std::tuple(stored.szdBaseX, stored.szdBaseY, stored.szdBaseH));
}

// Within 1 cm on every axis a base is the one stored; beyond, it is a moved base and its warning is armed.
TEST_F(BaseWatchTest, ABaseMovedMoreThanOneCentimetreIsANewPosition) {
    struct Case {
        const char* name;
        std::array<double, 3> shift;  // metres along the earth-centred axes
        bool moved;
    } cases[] = {
        {"9 mm along x", {0.009, 0, 0}, false},
        {"10 mm along x", {0.010, 0, 0}, false},
        {"10 mm along y", {0, 0.010, 0}, false},
        {"10 mm along z", {0, 0, 0.010}, false},
        {"10 mm on every axis", {-0.010, 0.010, -0.010}, false},
        {"11 mm along x", {0.011, 0, 0}, true},
        {"11 mm along z", {0, 0, -0.011}, true},
        {"5 cm along y", {0, 0.050, 0}, true},
    };
    Base(0, "0001");
    // In whole millimetres, as the log gave them.
    const BaseStationRec& stored = FrameProbe::Job(frame).CoordParams().base;
    const std::array<double, 3> at{stored.szdBasePX, stored.szdBasePY, stored.szdBasePH};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        BaseAt(at, "0001");
        FrameProbe::Watch(frame).Acknowledge(WarningKind::kBaseCoord);
        const std::array<double, 3> heard{at[0] + c.shift[0], at[1] + c.shift[1], at[2] + c.shift[2]};
        BaseAt(heard, "0001");
        EXPECT_EQ(FrameProbe::Watch(frame).BaseCoordChanged(), c.moved);
        const std::array<double, 3>& kept = c.moved ? heard : at;
        EXPECT_NEAR(stored.szdBasePX, kept[0], 1e-6);
        EXPECT_NEAR(stored.szdBasePH, kept[2], 1e-6);
    }
}

// "basecoord.blh" is appended outside a store: a whole last line is kept and given its line end, a
// line cut short goes to the file's ".bad" copy and is told once.
TEST_F(BaseWatchTest, TheBaseFileKeepsAWholeLastLineAndCutsAPieceAsideAndTellsIt) {
    const std::string whole = "NowBase,30.15,120.07,20.000,00000000,0,1.0,2.0,3.0,0001,08:00:00,2026-12-07";
    const std::string piece = whole.substr(0, whole.size() - 1);
    double north = 0.0;
    for (const std::string& end : {whole, piece}) {
        WriteHostFile("job/result/basecoord.blh", end);
        if (end == piece) ui_.ExpectMessageBox(L"basecoord.blh末尾的损坏内容已移到basecoord.blh.bad");
        Base(north += 20.0, "0001");
        const std::string lines = ReadHostFile("job/result/basecoord.blh");
        EXPECT_EQ(lines.rfind(end == piece ? "NowBase," : whole + "\r\nNowBase,", 0), 0u);
        EXPECT_EQ(std::count(lines.begin(), lines.end(), '\n'), end == piece ? 1 : 2);
    }
    EXPECT_EQ(ReadHostFile("job/result/basecoord.blh.bad"), piece);
}

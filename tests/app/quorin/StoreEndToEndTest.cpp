// Storing in the built program: an X11 window on a private Xvfb server, the receiver simulator on a
// pseudo-terminal, keys and taps by xdotool. Key A and the map's store button store a point each,
// then automatic storing by time; the three files must hold what the simulator's fixes give.
#include <algorithm>
#include <cmath>

#include "foundation/CJobSettings.h"
#include "foundation/StoredPointLines.h"
#include "platform/files/DevicePath.h"
#include "platform/text/Format.h"
#include "platform/text/Numbers.h"
#include "shell/frame/PositionConverter.h"
#include "tests/app/quorin/ProgramInXvfb.h"

namespace {

constexpr double kDegreesPerRadian = 57.29577951308402;

// A GGA position the simulator sent, in decimal degrees.
struct SentPosition {
    double latitude, longitude;
};

// Fields 2-5 of every GGA sentence: ddmm.mmmm, N or S, dddmm.mmmm, E or W.
std::vector<SentPosition> SentGga(const std::string& sent) {
    std::vector<SentPosition> positions;
    for (size_t at = sent.find("GGA,"); at != std::string::npos; at = sent.find("GGA,", at + 1)) {
        std::vector<std::string> f;
        size_t start = at + 4;
        for (int i = 0; i < 5; ++i) {
            const size_t comma = sent.find(',', start);
            if (comma == std::string::npos) break;
            f.push_back(sent.substr(start, comma - start));
            start = comma + 1;
        }
        if (f.size() < 5 || f[1].size() < 4 || f[3].size() < 5) continue;
        const double lat = std::stod(f[1].substr(0, 2)) + std::stod(f[1].substr(2)) / 60.0;
        const double lon = std::stod(f[3].substr(0, 3)) + std::stod(f[3].substr(3)) / 60.0;
        positions.push_back({f[2] == "S" ? -lat : lat, f[4] == "W" ? -lon : lon});
    }
    return positions;
}

class StoreEndToEnd : public ProgramInXvfb {};

}  // namespace

TEST_F(StoreEndToEnd, KeyAButtonAndAutomaticStoringStoreTheSimulatorsFixes) {
    // A first start lays the default job out; its central meridian is then set to the walk's, so
    // that no warning takes the keyboard.
    ASSERT_NO_FATAL_FAILURE(StartProgram());
    ASSERT_NO_FATAL_FAILURE(StopProgram());
    Edit(Job("vorna.qza"), "szdCenter=0.0000000000", "szdCenter=120.0000000000");
    ASSERT_NO_FATAL_FAILURE(StartProgram());
    ASSERT_NO_FATAL_FAILURE(WaitForFixes());
    // The store button lies at (125, 122) of the handheld's screen; the window shows it twice as
    // large. The store dialog's OK is its default button; the walk's precision is over the job's
    // limits, and Yes is the first button of the question that follows.
    Xdo("mousemove --window " + window_ + " 250 244 click 1");
    Keys("Return Return");
    ASSERT_TRUE(PlayUntil([&] { return PointLines() == 1; }, 30000)) << "the store button stored nothing";
    // The tap left the keyboard with the map: key A stores too.
    Keys("a Return Return");
    ASSERT_TRUE(PlayUntil([&] { return PointLines() == 2; }, 30000)) << "key A stored nothing";
    ASSERT_NO_FATAL_FAILURE(StopProgram());

    // Automatic storing every second.
    Edit(Job("vorna.qzs"), "nSaveType=0", "nSaveType=3");
    Edit(Job("vorna.qzs"), "nAutoSaveTime=5", "nAutoSaveTime=1");
    ASSERT_NO_FATAL_FAILURE(StartProgram());
    ASSERT_NO_FATAL_FAILURE(WaitForFixes());
    // The store button opens 自动存储, Enter starts, and its OK lies at (62, 258).
    Xdo("mousemove --window " + window_ + " 250 244 click 1");
    Keys("Return");
    Xdo("mousemove --window " + window_ + " 124 516 click 1");
    ASSERT_TRUE(PlayUntil([&] { return PointLines() >= 5; }, 30000)) << "automatic storing stored nothing";
    ASSERT_NO_FATAL_FAILURE(StopProgram());

    // Every point: its raw line's geodetic position is one the simulator sent, its grid position
    // that position through the job's projection, and its library line the same point.
    SetDeviceRoot(Root());
    CJobSettings jobs;
    jobs.SetJobFilePaths(
        {L"\\Program Files\\Jobs\\vorna\\vorna.qzs", L"\\Program Files\\Jobs\\vorna\\vorna.qza"});
    CoordSysParams params;
    ASSERT_TRUE(jobs.ReadCoordParams(params));
    PositionConverter converter;
    converter.Apply(params);
    const std::vector<SentPosition> sent = SentGga(simulator_.Sent());
    ASSERT_FALSE(sent.empty());
    const std::vector<CString> raw = CutPointFileLines(FromGbk(ReadAll(Job("data/vorna.blh"))));
    const std::vector<CString> points = CutPointFileLines(FromGbk(ReadAll(Job("data/vorna.xyh"))));
    const std::vector<CString> library = CutPointFileLines(FromGbk(ReadAll(Job("vorna.lib"))));
    ASSERT_EQ(raw.size(), points.size() + 2);  // two headers
    ASSERT_EQ(library.size(), points.size());
    const CCoordTransform angles;
    for (size_t i = 0; i < points.size(); ++i) {
        const CString& line = raw[i + 2];
        SurveyPointRec point;
        ASSERT_TRUE(ReadPointFileLine(points[i], point));
        EXPECT_EQ(LineField(line, 0), point.name);
        CGpsState fix;
        fix.latitude = angles.ConvertDmsAngle(ToDouble(LineField(line, 1)), 1) * kDegreesPerRadian;
        fix.longitude = angles.ConvertDmsAngle(ToDouble(LineField(line, 2)), 1) * kDegreesPerRadian;
        fix.height = ToDouble(LineField(line, 3));
        EXPECT_TRUE(std::any_of(sent.begin(), sent.end(),
                                [&](const SentPosition& p) {
                                    return std::fabs(p.latitude - fix.latitude) < 2e-6 &&
                                           std::fabs(p.longitude - fix.longitude) < 2e-6;
                                }))
            << "raw line " << i << " is no position the simulator sent";
        converter.Convert(fix, params);
        EXPECT_NEAR(point.pointX, fix.gridX, 0.002) << i;
        EXPECT_NEAR(point.pointY, fix.gridY, 0.002) << i;
        EXPECT_EQ(library[i], Format(L"%d,%s,%.3f,%.3f,%.3f,%s", point.pointKind + 1, point.name,
                                     point.pointX, point.pointY, point.pointH, point.code));
    }
    EXPECT_EQ(LineField(points.back(), 14), L"3");  // automatic points are terrain points
}

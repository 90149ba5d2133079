// An offset store and a smoothing store keep in the raw file the fixes the point was measured
// from; BLH输出 gives the stored point's own position. Each case stores its point the way the store
// path does (the fix's grid moved by the offset, or the epochs' mean, then the lines built by the
// store's own builder) and checks that the exported latitude, longitude and height, converted to
// the job's grid, land on the point file's x, y and h plus antenna height.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "export/BlhExport.h"
#include "foundation/PointLines.h"
#include "geodesy/CoordParamsApply.h"
#include "geodesy/JobGrid.h"
#include "platform/text/CodePage.h"
#include "platform/text/Numbers.h"
#include "survey/OffsetPoint.h"
#include "survey/StoreFiles.h"

namespace {
// The exported decimal degrees carry 1e-9° (0.1 mm) and the offset dialog rounds the fix to 1 mm.
constexpr double kToleranceM = 0.002;

struct Job {
    CoordSysParams params;
    CCoordTransform converter;
};

// Gauss-Krüger on WGS-84 at 114°E; `calibrated` adds four parameters, shifts and a height plane.
void LoadJob(Job& job, bool calibrated) {
    job.params.ellipsoid = {L"WGS84", 6378137.0, 298.257223563};
    job.params.projection.szdCenter = 114.0;
    job.params.projection.szlTy = 500000;
    job.params.projection.szdTk = 1.0;
    if (calibrated) {
        job.params.four = {1, -120.5, 73.25, 0.0021, 1.000035};
        job.params.adjust = {0, 0.412, -0.233, 1.05};
        job.params.heightFit.nNiheMode = 1;
        job.params.heightFit.szdNiheA = {-11.2, 0.0004, -0.0002, 0.0, 0.0, 0.0};
        job.params.heightFit.szdNiheX0 = 3375000.0;
        job.params.heightFit.szdNiheY0 = 514000.0;
    }
    ApplyCoordParams(job.params, job.converter);
}

// A fix of the receiver at that second, converted as the frame converts it.
CGpsState Fix(const Job& job, double lat, double lon, double height, int second) {
    CGpsState fix;
    fix.latitude = lat;
    fix.longitude = lon;
    fix.height = height;
    fix.second = second;
    JobGridFromWgs84(job.converter, job.params, lat, lon, height, fix.gridX, fix.gridY, fix.gridH);
    return fix;
}

struct Stored {
    CString pointFile;
    CString rawFile;
};

Stored Store(const CString& name, const CGpsState& pointFix, const std::vector<StoreEpoch>& epochs) {
    SurveyPointRec point;
    point.name = name;
    point.code = L"00000000";
    point.antennaHeight = 1.8;
    TakeFix(point, pointFix);
    const StoreLines lines = *BuildStoreLines(point, epochs);
    Stored stored{lines.point, {}};
    for (const CString& raw : lines.raw) stored.rawFile += raw;
    return stored;
}

// The offset dialog's arithmetic on the fix's grid as it shows it (three decimals).
Stored StoreOffset(const CGpsState& fix, double distance, double packedAzimuth, double heightDiff) {
    const auto shown = [](double v) { return std::round(v * 1000.0) / 1000.0; };
    const OffsetPoint at =
        OffsetFrom(shown(fix.gridX), shown(fix.gridY), shown(fix.gridH), distance, packedAzimuth, heightDiff);
    CGpsState moved = fix;
    moved.gridX = at.x;
    moved.gridY = at.y;
    moved.gridH = at.h;
    RawStoreTail tail;
    tail.mode = 1;
    tail.offsetDistance = distance;
    tail.offsetHeight = heightDiff;
    tail.offsetAngle = at.packedAngle;
    return Store(L"偏1", moved, {{fix, tail}});
}

// The smoothing dialog's mean of the epochs' grid positions, closed by the last epoch's fix.
Stored StoreSmoothed(const std::vector<CGpsState>& fixes) {
    CGpsState mean = fixes.back();
    mean.gridX = mean.gridY = mean.gridH = 0.0;
    std::vector<StoreEpoch> epochs;
    for (const CGpsState& fix : fixes) {
        mean.gridX += fix.gridX / static_cast<double>(fixes.size());
        mean.gridY += fix.gridY / static_cast<double>(fixes.size());
        mean.gridH += fix.gridH / static_cast<double>(fixes.size());
        RawStoreTail tail;
        tail.mode = 2;
        tail.smoothTarget = tail.smoothAchieved = static_cast<int>(fixes.size());
        tail.epochIndex = static_cast<int>(epochs.size()) + 1;
        epochs.push_back({fix, tail});
    }
    return Store(L"平1", mean, epochs);
}

void ExpectExportOnThePoint(const Job& job, const Stored& stored, const char* label) {
    const ExportText text = BuildBlhExport(stored.pointFile, stored.rawFile, LatLonStyle::kDecimalDegrees,
                                           {job.converter, job.params});
    ASSERT_EQ(text.points, 1) << label;
    const CString line = CutPointFileLines(FromGbk(text.bytes)).front();
    double n = 0.0, e = 0.0, h = 0.0;
    JobGridFromWgs84(job.converter, job.params, ToDouble(LineField(line, 1)), ToDouble(LineField(line, 2)),
                     ToDouble(LineField(line, 3)), n, e, h);
    const CString pointLine = CutPointFileLines(stored.pointFile).front();
    EXPECT_NEAR(n, ToDouble(LineField(pointLine, 1)), kToleranceM) << label;
    EXPECT_NEAR(e, ToDouble(LineField(pointLine, 2)), kToleranceM) << label;
    EXPECT_NEAR(h - 1.8, ToDouble(LineField(pointLine, 3)), kToleranceM) << label;
}
}  // namespace

TEST(BlhStoredPosition, OffsetPointsAtTheirOwnPosition) {
    const struct {
        const char* label;
        bool calibrated;
        double distance;
        double packedAzimuth;
        double heightDiff;
    } cases[] = {
        {"10 m east, as in the field", false, 10.0, 90.0, 0.0},
        {"calibrated grid, 25 m at 212°30', 1.2 m down", true, 25.0, 212.3, -1.2},
        {"calibrated grid, 3.5 m at 5°00'30\", 0.4 m up", true, 3.5, 5.003, 0.4},
    };
    for (const auto& c : cases) {
        Job job;
        LoadJob(job, c.calibrated);
        const CGpsState fix = Fix(job, 30.4971, 114.1463, 26.3, 5);
        const Stored stored = StoreOffset(fix, c.distance, c.packedAzimuth, c.heightDiff);
        ExpectExportOnThePoint(job, stored, c.label);
    }
}

TEST(BlhStoredPosition, SmoothedPointAtTheMeanOfItsEpochs) {
    Job job;
    LoadJob(job, true);
    // Epochs a few centimetres apart, as a pole held on a mark gives them.
    const Stored stored = StoreSmoothed({Fix(job, 30.49710012, 114.14630021, 26.31, 5),
                                         Fix(job, 30.49709977, 114.14629968, 26.28, 6),
                                         Fix(job, 30.49710031, 114.14630044, 26.35, 7)});
    ExpectExportOnThePoint(job, stored, "three epochs");

    // Two smoothing stores in a row: the second point's mean takes only its own epochs.
    const Stored first =
        StoreSmoothed({Fix(job, 30.4980, 114.1470, 20.0, 10), Fix(job, 30.4980, 114.1470, 20.0, 11)});
    const Stored both{first.pointFile + stored.pointFile, first.rawFile + stored.rawFile};
    const ExportText text = BuildBlhExport(both.pointFile, both.rawFile, LatLonStyle::kDecimalDegrees,
                                           {job.converter, job.params});
    EXPECT_EQ(text.points, 2);
    const CString second = CutPointFileLines(FromGbk(text.bytes)).back();
    const ExportText alone = BuildBlhExport(stored.pointFile, stored.rawFile, LatLonStyle::kDecimalDegrees,
                                            {job.converter, job.params});
    EXPECT_EQ(second + L"\r\n", FromGbk(alone.bytes));
}

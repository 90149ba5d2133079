// One receiver epoch as the frame meets it: GGA, GSA, the GSV group, GST and ZDA parsed into the
// state, and the position taken to the job's grid.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "geodesy/CoordTransform.h"
#include "receiver/CGpsParser.h"
#include "tools/receiver-sim/sim/SimSentences.h"

namespace {

std::vector<CString> EpochLines() {
    sim::Epoch e;
    e.point = {30.2416666667, 120.1716666667, 12.5, sim::FixKind::kFixed};
    e.gps = {{2, 67, 45, 48},   {5, 41, 130, 45},  {6, 22, 210, 40}, {12, 55, 300, 47}, {15, 12, 80, 36},
             {17, 33, 170, 42}, {19, 70, 260, 49}, {24, 18, 20, 38}, {25, 48, 340, 46}};
    e.glonass = {{65, 52, 100, 44}, {66, 28, 160, 40}, {72, 61, 240, 46}, {73, 15, 300, 35}};
    e.gpsUsed = 9;
    e.diffAge = 1;
    std::vector<std::string> lines = {sim::GgaSentence(e), sim::GsaSentence(e)};
    for (const std::string& s : sim::GsvSentences(e, false)) lines.push_back(s);
    for (const std::string& s : sim::GsvSentences(e, true)) lines.push_back(s);
    lines.push_back(sim::GstSentence(e));
    lines.push_back(sim::ZdaSentence(e));
    std::vector<CString> out;
    for (std::string& line : lines) {
        line.resize(line.size() - 2);
        out.emplace_back(std::wstring(line.begin(), line.end()));
    }
    return out;
}

void ParseAndConvertOneEpoch(benchmark::State& run) {
    CGpsParser parser({.boardType = kBoardOemD});
    CGpsState state;
    CCoordTransform transform;
    transform.SetEllipsoid(6378137.0, 298.257223563);
    transform.SetProjection(0, 0.0, 500000.0, 120.0, 1.0, 0.0, 0.0);
    transform.SetSevenParams(1, 12.1, -30.4, 5.5, 0.000001, -0.000002, 0.0000015, 1.2e-6);
    transform.SetFourParams(1, 100.0, -50.0, 0.0001, 1.00001);
    const std::vector<CString> lines = EpochLines();
    for (auto _ : run) {
        int type = 0;
        for (const CString& line : lines) parser.Parse(line, state, type);
        double x, y, h;
        transform.Wgs84ToLocalPlane(state.latitude, state.longitude, state.height, x, y, h);
        benchmark::DoNotOptimize(x + y + h);
    }
    run.SetItemsProcessed(run.iterations());
}
BENCHMARK(ParseAndConvertOneEpoch);

}  // namespace

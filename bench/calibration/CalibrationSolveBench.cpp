// The control-point solve of a 50-row list (four parameters, height surface, residuals and
// limits) and seven parameters from 50 pairs of geodetic and grid positions.
#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "calibration/ControlPointTable.h"
#include "calibration/ParameterComputation.h"
#include "geodesy/CoordParamsApply.h"
#include "platform/text/Format.h"

namespace {
constexpr int kRows = 50;

CoordSysParams Job() {
    CoordSysParams params;
    params.ellipsoid = {L"北京54", 6378245.0, 298.3};
    params.projection.szdCenter = 114.0;
    params.projection.szlTy = 500000;
    params.projection.szdTk = 1.0;
    return params;
}

void BM_ControlPointSolve50Rows(benchmark::State& state) {
    std::mt19937 rng(1);
    std::uniform_real_distribution<double> spread(-2000.0, 2000.0);
    ControlPointTable table;
    for (int i = 0; i < kRows; ++i) {
        const double n = 2544000.0 + spread(rng), e = 448000.0 + spread(rng);
        table.Rows().push_back({Format(L"P%d", i), Format(L"%.3f", n + 12.3), Format(L"%.3f", e - 4.5),
                                L"20.000", Format(L"%.3f", n), Format(L"%.3f", e), L"19.500", L"", L"", L"Y",
                                L"Y"});
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(table.Solve(1, 1, CalibrationMemory{}, CoordSysParams{}).heightMode);
}
BENCHMARK(BM_ControlPointSolve50Rows);

void BM_SevenParams50Pairs(benchmark::State& state) {
    const CoordSysParams job = Job();
    CCoordTransform converter;
    ApplyCoordParams(job, converter);
    std::mt19937 rng(2);
    std::uniform_real_distribution<double> spread(-0.3, 0.3);
    std::vector<PairFields> pairs;
    for (int i = 0; i < kRows; ++i) {
        const double b = 23.0 + spread(rng), l = 114.0 + spread(rng);
        double n = 0.0, e = 0.0;
        converter.GeodeticToPlane(0, b, l, n, e);
        pairs.push_back({Format(L"S%d", i),
                         Format(L"%.10f", converter.ConvertDmsAngle(b / 57.29577951308402, 0)),
                         Format(L"%.10f", converter.ConvertDmsAngle(l / 57.29577951308402, 0)), L"40.0",
                         Format(L"%.4f", n + 30.0), Format(L"%.4f", e - 60.0), L"30.0"});
    }
    for (auto _ : state) {
        SevenParamBlock seven;
        benchmark::DoNotOptimize(ComputeSevenParams(pairs, job, converter, seven));
    }
}
BENCHMARK(BM_SevenParams50Pairs);
}  // namespace

// Time per fix of the conversion every receiver position goes through: WGS-84 to the local grid
// with the seven-parameter datum shift and the four-parameter plane similarity both on.
#include <benchmark/benchmark.h>

#include "geodesy/CoordTransform.h"
#include "geodesy/GeodesyConstants.h"

namespace {
CCoordTransform LocalSystem(int32_t type) {
    CCoordTransform t;
    t.SetEllipsoid(6378140.0, 298.257);
    t.SetProjection(type, 0.0, 500000.0, 117.0, 1.0, type >= kProjObliqueStereographic ? 31.0 : 0.0, 0.0);
    t.SetSevenParams(1, 112.4, -63.8, -41.2, 1.7 / kArcSecondsPerRadian, -2.3 / kArcSecondsPerRadian,
                     0.9 / kArcSecondsPerRadian, -4.2e-6);
    t.SetFourParams(1, -81.25, 42.5, 0.8 / kArcSecondsPerRadian, 1.0000031);
    return t;
}

void Wgs84ToLocalPlane(benchmark::State& state) {
    CCoordTransform t = LocalSystem(static_cast<int32_t>(state.range(0)));
    double lat = 31.2;
    for (auto _ : state) {
        double x = 0.0, y = 0.0, h = 0.0;
        t.Wgs84ToLocalPlane(lat, 117.6, 25.0, x, y, h);
        benchmark::DoNotOptimize(x);
        benchmark::DoNotOptimize(y);
        benchmark::DoNotOptimize(h);
        lat += 1e-9;
    }
    state.SetItemsProcessed(state.iterations());
}

void LocalPlaneToWgs84(benchmark::State& state) {
    CCoordTransform t = LocalSystem(kProjGauss);
    double x0 = 0.0, y0 = 0.0, h0 = 0.0;
    t.Wgs84ToLocalPlane(31.2, 117.6, 25.0, x0, y0, h0);
    for (auto _ : state) {
        double b = 0.0, l = 0.0, h = 0.0;
        t.LocalPlaneToWgs84(x0, y0, h0, b, l, h);
        benchmark::DoNotOptimize(b);
        benchmark::DoNotOptimize(l);
        benchmark::DoNotOptimize(h);
        x0 += 1e-6;
    }
    state.SetItemsProcessed(state.iterations());
}
}  // namespace

BENCHMARK(Wgs84ToLocalPlane)->Arg(kProjGauss)->Arg(kProjObliqueStereographic)->Arg(kProjDoubleStereographic);
BENCHMARK(LocalPlaneToWgs84);

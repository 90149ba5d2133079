// Time per point of the transverse Mercator series both ways, beside PROJ's tmerc (+approx, the
// same kind of series, and the exact one) on the same grid when PROJ was found at configure time.
#include <benchmark/benchmark.h>

#include "geodesy/CoordTransform.h"
#include "geodesy/GeodesyConstants.h"
#ifdef QZ_HAVE_PROJ
#include <proj.h>
#endif

namespace {
CCoordTransform Grid() {
    CCoordTransform t;
    t.SetEllipsoid(6378137.0, 298.257222101);
    t.SetProjection(kProjGauss, 0.0, 500000.0, 117.0, 1.0, 0.0, 0.0);
    return t;
}

void GaussForward(benchmark::State& state) {
    const CCoordTransform t = Grid();
    double lat = 31.2;
    for (auto _ : state) {
        double x = 0.0, y = 0.0;
        t.GaussForward(lat, 118.6, x, y);
        benchmark::DoNotOptimize(x);
        benchmark::DoNotOptimize(y);
        lat += 1e-9;
    }
    state.SetItemsProcessed(state.iterations());
}

void GaussInverse(benchmark::State& state) {
    const CCoordTransform t = Grid();
    double x = 3454118.13;
    for (auto _ : state) {
        double b = 0.0, l = 0.0;
        t.GaussInverse(x, 652035.84, b, l);
        benchmark::DoNotOptimize(b);
        benchmark::DoNotOptimize(l);
        x += 1e-4;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(GaussForward);
BENCHMARK(GaussInverse);

#ifdef QZ_HAVE_PROJ
// range(0): 1 for +approx, 0 for the exact series.
PJ* ProjGrid(PJ_CONTEXT* context, bool approx) {
    const char* definition = approx ? "+proj=tmerc +approx +lat_0=0 +lon_0=117 +k=1 +x_0=500000 +y_0=0 "
                                      "+a=6378137 +rf=298.257222101 +units=m"
                                    : "+proj=tmerc +lat_0=0 +lon_0=117 +k=1 +x_0=500000 +y_0=0 "
                                      "+a=6378137 +rf=298.257222101 +units=m";
    return proj_create(context, definition);
}

void ProjForward(benchmark::State& state) {
    PJ_CONTEXT* context = proj_context_create();
    PJ* pj = ProjGrid(context, state.range(0) != 0);
    double lat = 31.2;
    for (auto _ : state) {
        const PJ_COORD out = proj_trans(pj, PJ_FWD, proj_coord(118.6 * kDegToRad, lat * kDegToRad, 0.0, 0.0));
        benchmark::DoNotOptimize(out);
        lat += 1e-9;
    }
    state.SetItemsProcessed(state.iterations());
    proj_destroy(pj);
    proj_context_destroy(context);
}

void ProjInverse(benchmark::State& state) {
    PJ_CONTEXT* context = proj_context_create();
    PJ* pj = ProjGrid(context, state.range(0) != 0);
    double x = 3454118.13;
    for (auto _ : state) {
        const PJ_COORD out = proj_trans(pj, PJ_INV, proj_coord(652035.84, x, 0.0, 0.0));
        benchmark::DoNotOptimize(out);
        x += 1e-4;
    }
    state.SetItemsProcessed(state.iterations());
    proj_destroy(pj);
    proj_context_destroy(context);
}
BENCHMARK(ProjForward)->ArgName("approx")->Arg(1)->Arg(0);
BENCHMARK(ProjInverse)->ArgName("approx")->Arg(1)->Arg(0);
#endif
}  // namespace

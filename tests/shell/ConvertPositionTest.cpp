// A fix to the job's grid, step by step against the geodesy engine: seven parameters on and off, the
// adjust shifts, the height fit.
#include "geodesy/CoordParamsApply.h"
#include "tests/shell/FrameProbe.h"
#include "tests/shell/FrameTestSupport.h"
#include "tests/shell/JobChanges.h"

TEST_F(FrameTest, ConvertPositionFollowsTheEngineStepByStep) {
    struct Case {
        const char* name;
        int seven;
        double adjust;
        int heightFit;
    } cases[] = {
        {"plain", 0, 0.0, 0},         {"seven parameters", 1, 0.0, 0},
        {"adjust shifts", 0, 2.5, 0}, {"height fit", 0, 0.0, 1},
        {"all", 1, -1.25, 1},
    };
    for (const Case& c : cases) {
        ChangeCoordParams(FrameProbe::Job(frame), [&c](CoordSysParams& p) {
            p.seven = {c.seven, 80.0, -60.0, 40.0, 1e-5, -2e-5, 3e-5, 2e-6};
            p.adjust = {0, c.adjust, -c.adjust, c.adjust / 2};
            p.heightFit.nNiheMode = c.heightFit;
            p.heightFit.szdNiheA = {0.5, 1e-4, -2e-4, 0, 0, 0};
            p.heightFit.szdNiheX0 = 3340000.0;
            p.heightFit.szdNiheY0 = 500000.0;
        });
        const CoordSysParams& p = FrameProbe::Job(frame).CoordParams();

        CGpsState state;
        state.latitude = 30.2416666667;
        state.longitude = 120.1716666667;
        state.height = 12.5;
        FrameProbe::ConvertPosition(frame, state);

        CCoordTransform engine;
        ApplyCoordParams(p, engine);
        double b = state.latitude, l = state.longitude, h = state.height, x = 0, y = 0;
        if (c.seven) engine.Wgs84ToLocalBlh(b, l, h);
        engine.GeodeticToPlane(p.projection.nTouYin, b, l, x, y);
        EXPECT_EQ(state.projX, x) << c.name;
        EXPECT_EQ(state.projY, y) << c.name;
        EXPECT_EQ(state.projH, h) << c.name;
        double gx = 0, gy = 0, gh = 0, fit = 0;
        engine.Wgs84ToLocalPlane(state.latitude, state.longitude, state.height, gx, gy, gh);
        gx += c.adjust;
        gy -= c.adjust;
        gh += c.adjust / 2;
        if (c.heightFit) engine.ApplyHeightFit(gx, gy, fit);
        EXPECT_EQ(state.gridX, gx) << c.name;
        EXPECT_EQ(state.gridY, gy) << c.name;
        EXPECT_EQ(state.gridH, gh - fit) << c.name;
    }
}

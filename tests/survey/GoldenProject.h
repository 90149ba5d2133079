#pragma once
// The golden survey project: its files under tests/survey/golden and the job parameters they were
// worked out with (project.xyh from project.blh: on the equator at the central meridian a point's
// grid is (0, 500000), plus the shifts (10, 20, 0.5)).
#include <filesystem>
#include <fstream>
#include <string>

#include "foundation/CoordSysParams.h"

inline std::string SurveyGolden(const char* name) {
    std::ifstream in(std::filesystem::path(QZ_SOURCE_DIR) / "tests/survey/golden" / name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

inline CoordSysParams ProjectParams() {
    CoordSysParams p;
    p.ellipsoid.szdDa = 6378137.0;
    p.ellipsoid.szdDf = 298.257223563;
    p.projection.nTouYin = 0;
    p.projection.szdCenter = 120.0;
    p.projection.szlTy = 500000;
    p.projection.szdTk = 1.0;
    p.adjust.szdAdjustX = 10.0;
    p.adjust.szdAdjustY = 20.0;
    p.adjust.szdAdjustH = 0.5;
    return p;
}

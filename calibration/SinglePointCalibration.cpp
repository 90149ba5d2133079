#include "calibration/SinglePointCalibration.h"

#include "geodesy/CoordParamsApply.h"
#include "geodesy/GeodesyConstants.h"
#include "platform/text/Format.h"
#include "platform/text/Numbers.h"

namespace {
constexpr double kRadiansPerDegree = 0.01745329251994278;
constexpr double kDerivedBaseAntenna = 1.2;

// The parameters' own converter: four parameters and height surface as they stand now.
CCoordTransform Loaded(const CoordSysParams& params, const CCoordTransform& converter) {
    CCoordTransform t = converter;
    ApplyCoordParams(params, t);
    return t;
}

double FitAt(const CoordSysParams& params, const CCoordTransform& t, double x, double y) {
    if (params.heightFit.nNiheMode != 1) return 0.0;
    double value = 0.0;
    t.ApplyHeightFit(x, y, value);
    return value;
}

// A slot's surveyed height as the converted fixes carry it: off the height surface at its mark.
double SurveyedHeight(const CoordSysParams& params, const CCoordTransform& t, const BaseCalibSlot& slot) {
    return slot.szdSh - FitAt(params, t, slot.szdKx, slot.szdKy);
}

void Planar(const CoordSysParams& params, const CCoordTransform& t, const BaseCalibSlot& slot, double& x,
            double& y) {
    x = slot.szdSx;
    y = slot.szdSy;
    if (params.four.nDifang != 0) t.ApplyFourParams(x, y);
}

// Four parameters from two slots' surveyed and known positions, and how firmly the two hold them;
// false when they coincide.
bool SolvePairs(CoordSysParams& params, const BaseCalibSlot& a, const BaseCalibSlot& b,
                GeometryEstimate& geometry) {
    CCoordTransform solver;
    for (const BaseCalibSlot* slot : {&a, &b})
        solver.m_arrFourPairs.push_back(PlanePointPair{slot->szdSx, slot->szdSy, slot->szdKx, slot->szdKy});
    geometry = FourParamGeometry(solver.m_arrFourPairs);
    if (solver.SolveFourParams() != kSolved) return false;
    params.four = FourParamBlock{1, solver.m_dFourShiftX, solver.m_dFourShiftY, solver.m_dFourRotation,
                                 solver.m_dFourScale};
    return true;
}

// The datum shift that puts a WGS-84 position (packed B, L and ellipsoidal height) on a local
// grid point whose height above the ellipsoid is hk: translations only.
SevenParamBlock TranslationsOnly(const CoordSysParams& params, const CCoordTransform& converter,
                                 double packedB, double packedL, double h, double x, double y, double hk) {
    CCoordTransform wgs84 = converter;
    wgs84.SetEllipsoid(kWgs84SemiMajor, kWgs84InvFlattening);
    CCoordTransform local = converter;
    local.SetEllipsoid(params.ellipsoid.szdDa, params.ellipsoid.szdDf);
    CCoordTransform solver;
    SpacePointPair pair;
    wgs84.BlhToXyz(converter.ConvertDmsAngle(packedB, 1) * kRadToDeg,
                   converter.ConvertDmsAngle(packedL, 1) * kRadToDeg, h, pair.v[0], pair.v[1], pair.v[2]);
    double b = 0.0, l = 0.0;
    local.PlaneToGeodetic(params.projection.nTouYin, x, y, b, l);
    local.BlhToXyz(b * kRadToDeg, l * kRadToDeg, hk, pair.v[3], pair.v[4], pair.v[5]);
    solver.m_arrSevenPairs.push_back(pair);
    solver.SolveSevenParams();
    return SevenParamBlock{1,   solver.m_dDX, solver.m_dDY, solver.m_dDZ,
                           0.0, 0.0,          0.0,          ToDouble(Format(L"%.15f", solver.m_dM))};
}

void ZeroShifts(CoordSysParams& params) {
    params.adjust.szdAdjustX = params.adjust.szdAdjustY = params.adjust.szdAdjustH = 0.0;
}

void KnownBaseShifts(CoordSysParams& p, const CCoordTransform& t, int count) {
    const auto& slots = p.calib.slot;
    double sx = 0.0, sy = 0.0;
    Planar(p, t, slots[0], sx, sy);
    p.adjust.szdAdjustX = slots[0].szdKx - sx;
    p.adjust.szdAdjustY = slots[0].szdKy - sy;
    double sum = 0.0;
    for (int i = 0; i < count && i < 2; ++i)
        sum += slots[i].szdKAnh + slots[i].szdKh - SurveyedHeight(p, t, slots[i]);
    p.adjust.szdAdjustH = sum / count;
}

std::optional<KnownBaseRow> UnknownBaseShifts(CoordSysParams& p, const CCoordTransform& t, int count) {
    auto& slots = p.calib.slot;
    double sx1 = 0.0, sy1 = 0.0;
    Planar(p, t, slots[1], sx1, sy1);
    p.adjust.szdAdjustX = slots[1].szdKx - sx1;
    p.adjust.szdAdjustY = slots[1].szdKy - sy1;
    double sum = 0.0;
    for (int i = 1; i < count; ++i) sum += slots[i].szdKAnh + slots[i].szdKh - SurveyedHeight(p, t, slots[i]);
    p.adjust.szdAdjustH = sum / (count - 1);

    double sx0 = 0.0, sy0 = 0.0;
    Planar(p, t, slots[0], sx0, sy0);
    slots[0].szdKx = p.adjust.szdAdjustX + sx0;
    slots[0].szdKy = p.adjust.szdAdjustY + sy0;
    slots[0].szdKh = p.adjust.szdAdjustH + slots[0].szdSh - FitAt(p, t, slots[0].szdKx, slots[0].szdKy);
    slots[0].szdKAnh = kDerivedBaseAntenna;
    return KnownBaseRow{L"0", Format(L"%.3f", slots[0].szdKx), Format(L"%.3f", slots[0].szdKy),
                        Format(L"%.3f", slots[0].szdKh), Format(L"%.3f", kDerivedBaseAntenna)};
}
}  // namespace

CalibrationFix CaptureFix(const CGpsState& state) {
    return CalibrationFix{state.projX,     state.projY,  state.projH,       state.latitude,
                          state.longitude, state.height, state.solutionCode};
}

CString AdjustLogLine(const CalibrationFix& fix, const CCoordTransform& angles) {
    return Format(L"adjust,%s,%s,%.3f,00000000",
                  Format(L"%.10f", angles.ConvertDmsAngle(fix.latDeg * kRadiansPerDegree, 0)),
                  Format(L"%.10f", angles.ConvertDmsAngle(fix.lonDeg * kRadiansPerDegree, 0)), fix.height);
}

CalibrationResult Calibrate(const CoordSysParams& params, const CalibrationChoice& choice,
                            const CalibrationFix& fix, const CCoordTransform& converter) {
    CalibrationResult result{params, std::nullopt, false, {}};
    CoordSysParams& p = result.params;
    auto& slots = p.calib.slot;
    if (choice.threeParameter) {
        if (choice.knownBase) {
            p.seven = TranslationsOnly(p, converter, p.base.szdBaseLat, p.base.szdBaseLon, p.base.szdBaseHgt,
                                       slots[0].szdKx, slots[0].szdKy, slots[0].szdKh + slots[0].szdKAnh);
        } else {
            // The fix's position as the log line keeps it.
            const CString line = AdjustLogLine(fix, converter);
            const int first = line.Find(L',') + 1;
            const int second = line.Find(L',', first) + 1;
            p.seven = TranslationsOnly(p, converter, ToDouble(line.Mid(first)), ToDouble(line.Mid(second)),
                                       fix.height, slots[1].szdKx, slots[1].szdKy,
                                       slots[1].szdKh + slots[1].szdKAnh);
        }
        ZeroShifts(p);
        return result;
    }

    if (choice.count >= 2 && choice.count <= 3) {
        BaseCalibSlot& slot = slots[static_cast<size_t>(choice.count - 1)];
        slot.szdSx = fix.x;
        slot.szdSy = fix.y;
        slot.szdSh = fix.h;
    }
    const bool pairs = choice.knownBase ? choice.count > 1 : choice.count > 2;
    if (p.four.nDifang == 0 && pairs) {
        const int first = choice.knownBase ? 0 : 1;
        result.fourParamsRefused = !SolvePairs(p, slots[static_cast<size_t>(first)],
                                               slots[static_cast<size_t>(first + 1)], result.geometry);
    }
    const CCoordTransform t = Loaded(p, converter);
    if (choice.knownBase) {
        KnownBaseShifts(p, t, choice.count);
    } else {
        result.derivedBase = UnknownBaseShifts(p, t, choice.count);
    }
    return result;
}

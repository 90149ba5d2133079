#pragma once
// The groups of a job's coordinate-system record in the units the dialogs show and take: angles as
// packed degrees-minutes-seconds (ddd.mmssff), datum rotations in arc seconds, the datum scale in
// parts per million. Each group converts from and to the record in one place, for every editor,
// the set-up wizard and calibration. Also: the checks a group must pass before it is stored, and
// the base station's grid position recomputed after the datum or projection changed.
#include <array>
#include <cstdint>
#include <optional>

#include "foundation/CoordSysParams.h"
#include "geodesy/CoordTransform.h"

struct ProjectionValues {
    int32_t type = 0;
    double centralMeridian = 0.0;  // packed
    int32_t falseNorthing = 0;
    int32_t falseEasting = 0;
    double scale = 0.0;
    double height = 0.0;
    double baseLatitude = 0.0;  // packed
};
ProjectionValues ProjectionValuesOf(const ProjectionBlock& block);
// szdTlon is left as it is.
void StoreProjectionValues(const ProjectionValues& values, ProjectionBlock& block);
// The scale a projection type proposes when chosen.
double ProposedScale(int32_t type);
// Only the oblique projections and the transverse Mercator use a base latitude.
bool UsesBaseLatitude(int32_t type);

struct FourParamValues {
    int32_t enabled = 0;
    double shiftX = 0.0;
    double shiftY = 0.0;
    double rotation = 0.0;  // packed
    double scale = 0.0;
};
FourParamValues FourParamValuesOf(const FourParamBlock& block);
void StoreFourParamValues(const FourParamValues& values, FourParamBlock& block);

struct SevenParamValues {
    int32_t enabled = 0;
    double dx = 0.0;
    double dy = 0.0;
    double dz = 0.0;
    double rx = 0.0;  // arc seconds
    double ry = 0.0;
    double rz = 0.0;
    double ppm = 0.0;
};
SevenParamValues SevenParamValuesOf(const SevenParamBlock& block);
void StoreSevenParamValues(const SevenParamValues& values, SevenParamBlock& block);

struct HeightFitValues {
    int32_t enabled = 0;
    std::array<double, 6> a{};
    double x0 = 0.0;
    double y0 = 0.0;
};
HeightFitValues HeightFitValuesOf(const HeightFitParams& params);
// szConF is left as it is.
void StoreHeightFitValues(const HeightFitValues& values, HeightFitParams& params);

// The field a refusal points at, for the dialog to put the focus there.
enum class ParamField {
    kSemiMajor,
    kInvFlattening,
    kCentralMeridian,
    kScale,
    kBaseLatitude,
    kRotation,
    kFourScale
};
struct ParamRefusal {
    const wchar_t* text;
    ParamField field;
};
// A typed ellipsoid needs a > 0 and 1/f > 1.
std::optional<ParamRefusal> CheckEllipsoid(const EllipsoidParams& ellipsoid, bool typed);
// The base latitude is checked only for the projections that use it.
std::optional<ParamRefusal> CheckProjection(const ProjectionValues& values);
// The rotation and scale are checked only while the four parameters are on.
std::optional<ParamRefusal> CheckFourParams(const FourParamValues& values);
// Minutes and seconds of a packed angle below 60 (a fraction that rounds up to 60 seconds is fine).
bool IsPackedAngle(double packed);

// Everything the new-job set-up wizard asks for.
struct CoordSysValues {
    EllipsoidParams ellipsoid;
    ProjectionValues projection;
    FourParamValues four;
    SevenParamValues seven;
    HeightFitValues heightFit;  // x0 and y0 are not asked for
};
// A new job's record: the new-job defaults, the base station's WGS-84 position (Cartesian and
// geodetic), height and identifier kept from `current`, then the wizard's values. The base grid
// position is left for RecomputeBaseStation.
CoordSysParams NewJobCoordParams(const CoordSysParams& defaults, const CoordSysParams& current,
                                 const CoordSysValues& values);

// Base latitude and longitude (packed, WGS-84) and height to the grid with the applied parameters:
// through the datum shift when on, then the projection; into szdBaseX/Y/H and the first calibration
// slot's szdSx/Sy/Sh. The Cartesian position szdBasePX/PY/PH stays. A record that holds no base
// yet (see BaseStationRec::HoldsBase) keeps its grid: there is nothing to project.
void RecomputeBaseStation(CoordSysParams& params, CCoordTransform& transform);

// The coordinate-system groups in dialog units: the ellipsoid table, the conversions to and from the
// job record, the checks before storing, loading a converter, the base station's grid position and
// a new job's record.
#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

#include "geodesy/CoordParamGroups.h"
#include "geodesy/CoordParamsApply.h"
#include "geodesy/EllipsoidTable.h"

TEST(EllipsoidTable, AllRowsInOrderAndFoundByTheirExactName) {
    const std::vector<EllipsoidParams> expected = {{L"北京-54", 6378245.0, 298.3},
                                                   {L"国家-80", 6378140.0, 298.257},
                                                   {L"WGS-84", 6378137.0, 298.257223563},
                                                   {L"WGS-72", 6378135.0, 298.26},
                                                   {L"WGS-66", 6378145.0, 298.25},
                                                   {L"WGS-60", 6378165.0, 298.3},
                                                   {L"krassovsky", 6378245.0, 298.3},
                                                   {L"clarke-1880", 6378249.145, 293.4663},
                                                   {L"International", 6378388.0, 297.0},
                                                   {L"bessel-1841", 6377397.155, 299.1528128},
                                                   {L"MERIT-83", 6378137.0, 298.257},
                                                   {L"SGS85", 6378136.0, 298.257},
                                                   {L"GRS80", 6378137.0, 298.257222101},
                                                   {L"IAU76", 6378140.0, 298.257},
                                                   {L"Airy-1830", 6377563.396, 299.324975315},
                                                   {L"APL4.9", 6378137.0, 298.25},
                                                   {L"NWL9D", 6378145.0, 298.25},
                                                   {L"mod_airy", 6377340.189, 299.32493736548},
                                                   {L"andrae", 6377104.43, 300.0},
                                                   {L"aust_SA", 6378160.0, 298.25},
                                                   {L"GRS67", 6378160.0, 298.247167427},
                                                   {L"bessel_nam", 6377483.865, 299.1528128},
                                                   {L"clarke66", 6378206.4, 294.9786982139},
                                                   {L"CPM", 6375738.7, 334.29},
                                                   {L"delamber", 6376428.0, 311.5},
                                                   {L"engelis", 6378136.05, 298.2566},
                                                   {L"everest30", 6377276.345, 300.8017},
                                                   {L"everest48", 6377304.063, 300.8017},
                                                   {L"everest56", 6377301.243, 300.8017},
                                                   {L"everest69", 6377295.664, 300.8017},
                                                   {L"everestSS", 6377298.556, 300.8017},
                                                   {L"fischer60", 6378166.0, 298.3},
                                                   {L"fischer60m", 6378155.0, 298.3},
                                                   {L"fischer68", 6378150.0, 298.3},
                                                   {L"helmert", 6378200.0, 298.3},
                                                   {L"hough", 6378270.0, 297.0},
                                                   {L"kaula", 6378163.0, 298.24},
                                                   {L"lerch", 6378139.0, 298.257},
                                                   {L"maupertius", 6397300.0, 191.0},
                                                   {L"new_intl", 6378157.5, 298.24961539},
                                                   {L"plessis", 6376523.0, 308.64099709583735},
                                                   {L"Southeast_asia", 6378155.0, 298.3000002409},
                                                   {L"walbeck", 6376896.0, 302.7800001817},
                                                   {L"sphere", 6370997.0, 298.257},
                                                   {L"用户自定义", 6378245.0, 298.3}};
    std::vector<EllipsoidParams> rows(3);
    FillEllipsoidList(rows);
    EXPECT_EQ(rows, expected);
    EXPECT_EQ(kUserDefinedEllipsoid, 44);
    EXPECT_EQ(FindEllipsoidRow(rows, L"国家-80"), 1);
    EXPECT_EQ(FindEllipsoidRow(rows, L"krassovsky"), 6);  // same values as row 0, its own name
    EXPECT_EQ(FindEllipsoidRow(rows, L"wgs-84"), -1);
    EXPECT_EQ(FindEllipsoidRow(rows, L"WGS-84 "), -1);
}

TEST(CoordParamGroups, DialogUnitsConvertBothWays) {
    ProjectionBlock projection;
    projection.szdCenter = 117.5;
    projection.ProjectLat = -23.25;
    projection.szdTlon = 9.0;
    const ProjectionValues shown = ProjectionValuesOf(projection);
    EXPECT_DOUBLE_EQ(shown.centralMeridian, 117.3);
    EXPECT_DOUBLE_EQ(shown.baseLatitude, -23.15);
    ProjectionBlock stored;
    stored.szdTlon = 9.0;
    StoreProjectionValues(shown, stored);
    EXPECT_NEAR(stored.szdCenter, 117.5, 1e-12);
    EXPECT_NEAR(stored.ProjectLat, -23.25, 1e-12);
    EXPECT_EQ(stored.szdTlon, 9.0);

    const SevenParamBlock seven{1,   1.0,    2.0, 3.0, 4.848136811095216e-06, -2 * 4.848136811095216e-06,
                                0.0, 3.5e-06};
    const SevenParamValues sevenShown = SevenParamValuesOf(seven);
    EXPECT_DOUBLE_EQ(sevenShown.rx, 1.0);
    EXPECT_DOUBLE_EQ(sevenShown.ry, -2.0);
    EXPECT_DOUBLE_EQ(sevenShown.ppm, 3.5);
    SevenParamBlock sevenBack;
    StoreSevenParamValues(sevenShown, sevenBack);
    EXPECT_EQ(sevenBack.szdWx, 4.848136811095216e-06);
    EXPECT_DOUBLE_EQ(sevenBack.szddK, 3.5e-06);

    const FourParamBlock four{1, 10.5, -3.25, 0.0001, 1.000002};
    FourParamBlock fourBack;
    StoreFourParamValues(FourParamValuesOf(four), fourBack);
    EXPECT_NEAR(fourBack.szdCa1, 0.0001, 1e-10);  // packed keeps ten decimals of a second's fraction
    EXPECT_EQ(fourBack.szdCk1, four.szdCk1);
}

TEST(CoordParamGroups, PackedAnglesNeedMinutesAndSecondsBelowSixty) {
    const std::pair<double, bool> cases[] = {
        {117.3, true},          {0.0, true},     {-45.3030, true}, {30.355999999, true},  // 59.9999" carries
        {30.59599999, true},    {30.75, false},  {30.0060, false}, {-10.6, false},
        {179.5959999999, true}, {12.306, false},
    };
    for (const auto& [packed, valid] : cases) EXPECT_EQ(IsPackedAngle(packed), valid) << packed;
}

TEST(CoordParamGroups, ChecksRefuseValuesThatCannotBeRight) {
    EXPECT_FALSE(CheckEllipsoid({L"北京-54", 0.0, 0.0}, false));  // a table row is not typed
    EXPECT_EQ(CheckEllipsoid({L"用户自定义", 0.0, 298.3}, true)->field, ParamField::kSemiMajor);
    EXPECT_EQ(CheckEllipsoid({L"用户自定义", 6378245.0, 1.0}, true)->field, ParamField::kInvFlattening);
    EXPECT_FALSE(CheckEllipsoid({L"用户自定义", 1.0, 1.0001}, true));

    struct Case {
        ProjectionValues values;
        std::optional<ParamField> refused;
    };
    const Case cases[] = {
        {{0, 117.3, 0, 500000, 1.0, 0.0, 99.0}, std::nullopt},  // base latitude unused by Gauss
        {{2, 117.3, 0, 500000, 1.0, 0.0, 45.3}, std::nullopt},
        {{0, 117.75, 0, 500000, 1.0, 0.0, 0.0}, ParamField::kCentralMeridian},
        {{0, -180.0001, 0, 500000, 1.0, 0.0, 0.0}, ParamField::kCentralMeridian},
        {{0, 180.0, 0, 500000, 1.0, 0.0, 0.0}, std::nullopt},
        {{1, 117.0, 0, 500000, 0.0, 0.0, 0.0}, ParamField::kScale},
        {{3, 117.0, 0, 500000, 0.99975, 0.0, 90.0001}, ParamField::kBaseLatitude},
        {{3, 117.0, 0, 500000, 0.99975, 0.0, -90.0}, std::nullopt},
        {{4, 117.0, 0, 500000, 0.99975, 0.0, 45.61}, ParamField::kBaseLatitude},
        // Each bound from both sides: on it is inside.
        {{0, -180.0, 0, 500000, 1.0, 0.0, 0.0}, std::nullopt},
        {{0, 180.0001, 0, 500000, 1.0, 0.0, 0.0}, ParamField::kCentralMeridian},
        {{0, 179.5959999, 0, 500000, 1.0, 0.0, 0.0}, std::nullopt},
        {{3, 117.0, 0, 500000, 0.99975, 0.0, 90.0}, std::nullopt},
        {{3, 117.0, 0, 500000, 0.99975, 0.0, -90.0001}, ParamField::kBaseLatitude},
        {{3, 117.0, 0, 500000, 0.99975, 0.0, 89.5959999}, std::nullopt},
        {{1, 117.0, 0, 500000, 1e-9, 0.0, 0.0}, std::nullopt},
        {{1, 117.0, 0, 500000, -1e-9, 0.0, 0.0}, ParamField::kScale},
    };
    for (const Case& c : cases) {
        const auto refusal = CheckProjection(c.values);
        EXPECT_EQ(refusal ? std::optional(refusal->field) : std::nullopt, c.refused)
            << c.values.centralMeridian;
    }
    const auto scale = CheckProjection({0, 117.0, 0, 0, -1.0, 0.0, 0.0});
    EXPECT_STREQ(scale->text, L"比例必须大于0!");
    EXPECT_STREQ(CheckProjection({0, 117.75, 0, 0, 1.0, 0.0, 0.0})->text, L"角度格式错误,分和秒须小于60!");

    EXPECT_FALSE(CheckFourParams({0, 0.0, 0.0, 0.75, 0.0}));  // off: nothing is used
    EXPECT_EQ(CheckFourParams({1, 0.0, 0.0, 0.0, 0.0})->field, ParamField::kFourScale);
    EXPECT_EQ(CheckFourParams({1, 0.0, 0.0, 0.0075, 1.0})->field, ParamField::kRotation);
    EXPECT_FALSE(CheckFourParams({1, 0.0, 0.0, -0.0001, 0.9999}));
    EXPECT_FALSE(CheckFourParams({1, 0.0, 0.0, 0.005959, 1e-9}));
    EXPECT_EQ(CheckFourParams({1, 0.0, 0.0, 0.0060, 1.0})->field, ParamField::kRotation);
    EXPECT_EQ(CheckFourParams({1, 0.0, 0.0, 0.0, -1e-9})->field, ParamField::kFourScale);
    EXPECT_FALSE(CheckEllipsoid({L"用户自定义", 1e-9, 1.0000001}, true));
    EXPECT_EQ(CheckEllipsoid({L"用户自定义", 6378245.0, 0.9999999}, true)->field, ParamField::kInvFlattening);
}

namespace {
CoordSysParams SampleJob() {
    CoordSysParams p;
    p.ellipsoid = {L"国家-80", 6378140.0, 298.257};
    p.projection = {0, 114.0, 0, 500000, 1.0, 7.0, 25.0, 0.0};
    p.seven = {0, 100.0, -50.0, 20.0, 1e-05, -2e-05, 3e-05, 2e-06};
    p.four = {1, 10.0, -20.0, 0.001, 1.00001};
    p.heightFit.szdNiheA = {1, 2, 3, 4, 5, 6};
    p.heightFit.szdNiheX0 = 2500000.0;
    p.heightFit.szdNiheY0 = 400000.0;
    p.base = {-2327589.193, 5387652.126, 2488947.802, 23.07115488, 113.21556238,
              35.0,         2558000.0,   435000.0,    35.0,        L"0007"};
    return p;
}
}  // namespace

TEST(CoordParamGroups, ApplyLoadsEveryGroupOfTheRecord) {
    CoordSysParams p = SampleJob();
    p.projection = {3, 114.0, 2000, 500000, 0.99975, 7.0, 25.0, 30.5};
    CCoordTransform t;
    ApplyCoordParams(p, t);
    EXPECT_EQ(std::make_tuple(t.m_dSemiMajor, t.m_dInvFlattening), std::make_tuple(6378140.0, 298.257));
    EXPECT_EQ(std::make_tuple(t.m_nProjType, t.m_dFalseNorthing, t.m_dFalseEasting, t.m_dCentralMeridian,
                              t.m_dScale, t.m_dBaseLatitude, t.m_dProjHeight),
              std::make_tuple(3, 2000.0, 500000.0, 114.0, 0.99975, 30.5, 25.0));
    EXPECT_EQ(
        std::make_tuple(t.m_nFourParam, t.m_dFourShiftX, t.m_dFourShiftY, t.m_dFourRotation, t.m_dFourScale),
        std::make_tuple(1, 10.0, -20.0, 0.001, 1.00001));
    EXPECT_EQ(std::make_tuple(t.m_nSevenParam, t.m_dDX, t.m_dDY, t.m_dDZ, t.m_dEx, t.m_dEy, t.m_dEz, t.m_dM),
              std::make_tuple(0, 100.0, -50.0, 20.0, 1e-05, -2e-05, 3e-05, 2e-06));
    EXPECT_EQ(std::vector<double>(std::begin(t.m_dA), std::end(t.m_dA)),
              (std::vector<double>{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(std::make_tuple(t.m_dX0, t.m_dY0), std::make_tuple(2500000.0, 400000.0));
}

TEST(CoordParamGroups, BaseStationFollowsTheDatumAndKeepsItsCartesianPosition) {
    CoordSysParams p = SampleJob();
    CCoordTransform t;
    ApplyCoordParams(p, t);
    RecomputeBaseStation(p, t);
    double x = 0.0, y = 0.0;
    t.GeodeticToPlane(0, 23.0 + 7 / 60.0 + 11.5488 / 3600.0, 113.0 + 21 / 60.0 + 55.6238 / 3600.0, x, y);
    EXPECT_NEAR(p.base.szdBaseX, x, 1e-6);
    EXPECT_NEAR(p.base.szdBaseY, y, 1e-6);
    EXPECT_EQ(p.base.szdBaseH, 35.0);
    EXPECT_EQ(p.calib.slot[0], (BaseCalibSlot{p.base.szdBaseX, p.base.szdBaseY, 35.0}));

    p.seven.nSevenPar = 1;
    ApplyCoordParams(p, t);
    RecomputeBaseStation(p, t);
    EXPECT_GT(std::fabs(p.base.szdBaseX - x), 0.01);
    EXPECT_NE(p.base.szdBaseH, 35.0);
    EXPECT_EQ(p.calib.slot[0].szdSh, p.base.szdBaseH);
    EXPECT_EQ(p.base.szdBasePX, -2327589.193);
    EXPECT_EQ(p.calib.slot[1], BaseCalibSlot{});
}

// Before any base was received the record's position is zero: new parameters leave its grid and
// slot 0 as they were, where a base a hair off zero is projected.
TEST(CoordParamGroups, ARecordWithoutABaseKeepsItsGrid) {
    const struct {
        double latitude, longitude;  // packed degrees
        bool projected;
    } cases[] = {{0.0, 0.0, false},        {0.0, 113.2155, false}, {23.0711, 0.0, false},
                 {-1e-6, 113.2155, false}, {23.0711, 2e-6, true},  {23.0711, 113.2155, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.latitude) + " " + std::to_string(c.longitude));
        CoordSysParams p = SampleJob();
        p.base.szdBaseLat = c.latitude;
        p.base.szdBaseLon = c.longitude;
        p.base.szdBaseX = 1.0;
        p.base.szdBaseY = 2.0;
        p.base.szdBaseH = 3.0;
        p.calib.slot[0] = {4.0, 5.0, 6.0};
        const CoordSysParams before = p;
        CCoordTransform t;
        ApplyCoordParams(p, t);
        RecomputeBaseStation(p, t);
        EXPECT_EQ(p == before, !c.projected);
        EXPECT_EQ(p.calib.slot[0].szdSx == 4.0, !c.projected);
    }
}

TEST(CoordParamGroups, NewJobRecordKeepsTheBaseStationAndTakesTheWizardValues) {
    CoordSysParams defaults;
    defaults.szVersion = L"v";
    defaults.projection.szlTy = 500000;
    defaults.heightFit.szdNiheX0 = 11.0;
    defaults.base.szdBaseX = 2558000.0;
    const CoordSysParams current = SampleJob();
    CoordSysValues values;
    values.ellipsoid = {L"WGS-84", 6378137.0, 298.257223563};
    values.projection = {1, 117.3, 0, 500000, 0.9996, 0.0, 0.0};
    values.seven = {1, 1.0, 2.0, 3.0, 1.0, 0.0, 0.0, 3.5};
    values.heightFit = {1, {0.5, 0, 0, 0, 0, 0}, 99.0, 99.0};
    const CoordSysParams p = NewJobCoordParams(defaults, current, values);
    EXPECT_EQ(p.szVersion, L"v");
    EXPECT_EQ(p.ellipsoid, values.ellipsoid);
    EXPECT_NEAR(p.projection.szdCenter, 117.5, 1e-12);
    EXPECT_EQ(p.seven.szdWx, 4.848136811095216e-06);
    EXPECT_EQ(p.heightFit.szdNiheA[0], 0.5);
    EXPECT_EQ(p.heightFit.szdNiheX0, 11.0);  // the wizard has no origin
    EXPECT_EQ(p.four, FourParamBlock{});
    const BaseStationRec expected{-2327589.193, 5387652.126, 2488947.802, 23.07115488, 113.21556238,
                                  35.0,         2558000.0,   0.0,         0.0,         L"0007"};
    EXPECT_EQ(p.base, expected);
}

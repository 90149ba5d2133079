// The parameter computations' pair files and solves: flagged lines only, bytes as the device
// writes them; four parameters by hand; seven parameters recovered from synthetic marks made with
// known parameters through the job's projection; degenerate layouts refused.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "calibration/ParameterComputation.h"
#include "geodesy/GeodesyConstants.h"
#include "platform/text/Format.h"
#include "tests/calibration/CalibrationJob.h"
#include "tests/platform/files/DeviceRootFixture.h"

namespace {
using PairFileTest = DeviceRootTest;
constexpr double kSecond = 1.0 / 206264.80624709636;

// A seven-parameter pair made from a WGS-84 position: the truth takes its earth-centred position
// to the local datum, which the job's ellipsoid and projection turn into grid coordinates.
PairFields SevenPair(const CCoordTransform& truth, const CCoordTransform& job, double bDeg, double lDeg,
                     double h) {
    double x = 0, y = 0, z = 0;
    CCoordTransform wgs84;
    wgs84.SetEllipsoid(kWgs84SemiMajor, kWgs84InvFlattening);
    wgs84.BlhToXyz(bDeg, lDeg, h, x, y, z);
    truth.ApplySevenParams(x, y, z);
    double b = 0, l = 0, localH = 0, n = 0, e = 0;
    job.XyzToBlh(x, y, z, b, l, localH);
    job.GeodeticToPlane(0, b * 57.29577951308402, l * 57.29577951308402, n, e);
    const double packedB = job.ConvertDmsAngle(bDeg / 57.29577951308402, 0);
    const double packedL = job.ConvertDmsAngle(lDeg / 57.29577951308402, 0);
    return {L"S",
            Format(L"%.10f", packedB),
            Format(L"%.10f", packedL),
            Format(L"%.4f", h),
            Format(L"%.4f", n),
            Format(L"%.4f", e),
            Format(L"%.4f", localH)};
}
}  // namespace

TEST_F(PairFileTest, OnlyFlaggedLinesAreReadAndTheRestDisappearsOnSaving) {
    WriteHostFile("Jobs/road/CalFour.fou",
                  "1,A,1,2,3,4,\r\n0,B,5,6,7,8,\r\n\r\n1,\xbf\xd8,9,10,11,12,\r\n1,D,13,14,15");
    std::vector<PairFields> pairs;
    ASSERT_TRUE(ReadPairFile(L"\\Jobs\\road\\CalFour.fou", 5, pairs));
    ASSERT_EQ(pairs.size(), 3u);
    EXPECT_EQ(pairs[1][0], L"控");
    EXPECT_EQ(pairs[2], (PairFields{L"D", L"13", L"14", L"15", L""}));
    ASSERT_TRUE(WritePairFile(L"\\Jobs\\road\\CalFour.fou", pairs));
    EXPECT_EQ(ReadHostFile("Jobs/road/CalFour.fou"),
              "1,A,1,2,3,4,\r\n1,\xbf\xd8,9,10,11,12,\r\n1,D,13,14,15,,\r\n");
}

TEST(ComputeFourParams, HandComputedPairsAndRefusals) {
    // Source step (30, 40) becomes (0, 100): scale 2, cos 0.8, sin 0.6, shift (1008, 456).
    FourParamBlock four{0, 7, 7, 7, 7};
    EXPECT_EQ(ComputeFourParams({{L"A", L"10", L"20", L"1000", L"500"}}, four), kSolveNothing);
    EXPECT_EQ(ComputeFourParams(
                  {{L"A", L"10", L"20", L"1000", L"500"}, {L"B", L"10", L"20", L"1000", L"600"}}, four),
              kSolveDegenerate);
    EXPECT_EQ(four, (FourParamBlock{0, 7, 7, 7, 7}));
    ASSERT_EQ(ComputeFourParams(
                  {{L"A", L"10", L"20", L"1000", L"500"}, {L"B", L"40", L"60", L"1000", L"600"}}, four),
              kSolved);
    EXPECT_EQ(four.nDifang, 1);
    EXPECT_NEAR(four.szdCk1, 2.0, 1e-12);
    EXPECT_NEAR(four.szdCa1, std::atan2(0.6, 0.8), 1e-12);
    EXPECT_NEAR(four.szdCx1, 1008.0, 1e-9);
    EXPECT_NEAR(four.szdCy1, 456.0, 1e-9);
}

TEST(ComputeSevenParams, RecoversKnownParametersThroughTheJobsProjection) {
    // Marks over about 60 km made from known parameters (Bursa-Wolf, rotations of a few seconds)
    // and written as the lists hold them (ten decimals of packed angles, four of metres).
    CCoordTransform truth;
    truth.SetSevenParams(1, -15.4, 120.3, 68.2, 1.2 * kSecond, -2.1 * kSecond, 3.4 * kSecond, 4.5e-6);
    const CoordSysParams job = CalibrationJobParams();
    const CCoordTransform converter = CalibrationJobConverter();
    std::vector<PairFields> pairs;
    for (double b : {22.8, 23.1, 23.4})
        for (double l : {113.7, 114.0, 114.3}) pairs.push_back(SevenPair(truth, converter, b, l, 30.0 + b));
    SevenParamBlock seven;
    ASSERT_EQ(ComputeSevenParams(pairs, job, converter, seven), kSolved);
    EXPECT_EQ(seven.nSevenPar, 1);
    EXPECT_NEAR(seven.szddK, 4.5e-6, 0.05e-6);
    EXPECT_NEAR(seven.szdWz, 3.4 * kSecond, 0.1 * kSecond);
    // Every mark is reproduced within a centimetre by the solved parameters.
    CCoordTransform solved;
    solved.SetSevenParams(1, seven.szddx, seven.szddy, seven.szddz, seven.szdWx, seven.szdWy, seven.szdWz,
                          seven.szddK);
    for (double b : {22.9, 23.3}) {
        double x = 0, y = 0, z = 0, tx = 0, ty = 0, tz = 0;
        CCoordTransform wgs84;
        wgs84.SetEllipsoid(kWgs84SemiMajor, kWgs84InvFlattening);
        wgs84.BlhToXyz(b, 114.1, 40.0, x, y, z);
        tx = x, ty = y, tz = z;
        truth.ApplySevenParams(tx, ty, tz);
        solved.ApplySevenParams(x, y, z);
        EXPECT_LT(std::hypot(x - tx, y - ty, z - tz), 0.01) << b;
    }

    // One pair: translations only; a point entered three times: refused, nothing changed.
    ASSERT_EQ(ComputeSevenParams({pairs[0]}, job, converter, seven), kSolved);
    EXPECT_EQ(seven.szdWx, 0.0);
    EXPECT_EQ(seven.szddK, 0.0);
    SevenParamBlock kept{0, 1, 2, 3, 4, 5, 6, 7};
    EXPECT_EQ(ComputeSevenParams({pairs[0], pairs[0], pairs[0]}, job, converter, kept), kSolveDegenerate);
    EXPECT_EQ(kept, (SevenParamBlock{0, 1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(ComputeSevenParams({}, job, converter, kept), kSolveNothing);
}

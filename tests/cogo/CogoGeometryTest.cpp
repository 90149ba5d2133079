// The plane calculations against values worked by hand: a 3-4-5 triangle (its azimuth
// atan2(3, 4) = 36.8698976° = 36°52'11.63") turned through the four quadrants, at the origin and
// at grid magnitudes, and the cases each calculation refuses.
#include <gtest/gtest.h>

#include "cogo/AngleUnits.h"
#include "cogo/CogoGeometry.h"
#include "cogo/PolygonArea.h"
#include "platform/text/Numbers.h"

namespace {
constexpr double kMm = 0.0005;  // every length is shown to the millimetre
constexpr double kN = 3000000.0, kE = 500000.0;

struct Quadrant {
    PlanePoint to;  // from the origin
    const wchar_t* azimuth;
};
// 180 - 36°52'11.63" = 143°07'48.37"; 180 + ... = 216°52'11.63"; 360 - ... = 323°07'48.37".
const Quadrant kQuadrants[] = {
    {{4, 3}, L"36.521163"}, {{-4, 3}, L"143.074837"}, {{-4, -3}, L"216.521163"}, {{4, -3}, L"323.074837"}};
}  // namespace

TEST(CogoGeometry, InverseAndForwardThroughTheFourQuadrants) {
    for (const PlanePoint origin : {PlanePoint{0, 0}, PlanePoint{kN, kE}}) {
        for (const Quadrant& q : kQuadrants) {
            SCOPED_TRACE(testing::Message() << q.to.x << "," << q.to.y << " from " << origin.x);
            const SpacePoint a{origin.x, origin.y, 10.0};
            const SpacePoint b{origin.x + q.to.x * 100, origin.y + q.to.y * 100, 22.0};
            InverseResult r;
            ASSERT_EQ(Inverse(a, b, r), CogoStatus::kOk);
            EXPECT_EQ(FormatAzimuth(r.azimuth), q.azimuth);
            EXPECT_EQ(FormatLength(r.distance), L"500.000");
            EXPECT_EQ(FormatLength(r.heightDiff), L"12.000");
            EXPECT_NEAR(r.slopeDistance, 500.143979, 1e-6);  // sqrt(500^2 + 12^2)
            const PlanePoint back = ForwardPoint({a.x, a.y}, *PackedToDegrees(ToDouble(q.azimuth)), 500.0);
            EXPECT_NEAR(back.x, b.x, kMm);
            EXPECT_NEAR(back.y, b.y, kMm);
        }
    }
}

TEST(CogoGeometry, DueNorthIsZeroAndThreeHundredSixty) {
    InverseResult r;
    ASSERT_EQ(Inverse({kN, kE, 0}, {kN + 100, kE, 0}, r), CogoStatus::kOk);
    EXPECT_EQ(FormatAzimuth(r.azimuth), L"0.000000");
    for (double azimuth : {0.0, 360.0}) {
        const PlanePoint p = ForwardPoint({kN, kE}, azimuth, 100.0);
        EXPECT_EQ(FormatLength(p.x), L"3000100.000");
        EXPECT_EQ(FormatLength(p.y), L"500000.000");
    }
    // Just west of north still shows as north once rounded to the hundredth of a second.
    EXPECT_EQ(FormatAzimuth(359.999999), L"0.000000");
    EXPECT_EQ(Inverse({kN, kE, 0}, {kN, kE + 0.00001, 5}, r), CogoStatus::kCoincidentPoints);
}

TEST(CogoGeometry, OffsetAngleAndOffsetPoint) {
    AngleDistance ad;
    ASSERT_EQ(OffsetAngleDistance({kN, kE}, {kN + 10, kE}, {kN + 4, kE + 3}, ad), CogoStatus::kOk);
    EXPECT_EQ(FormatPackedAngle(ad.angle), L"36.521163");
    EXPECT_EQ(FormatLength(ad.distance), L"5.000");
    // Reference due east, target north-east: 36°52'11.63" - 90° = -53°07'48.37" clockwise, i.e.
    // 306°52'11.63".
    ASSERT_EQ(OffsetAngleDistance({0, 0}, {0, 10}, {4, 3}, ad), CogoStatus::kOk);
    EXPECT_EQ(FormatPackedAngle(ad.angle), L"306.521163");
    EXPECT_EQ(OffsetAngleDistance({0, 0}, {0, 0}, {4, 3}, ad), CogoStatus::kCoincidentPoints);

    struct Case {
        PlanePoint a, b;
        double along, offset;
        PlanePoint expected;
    };
    const Case cases[] = {
        {{kN, kE}, {kN + 10, kE}, 4, 3, {kN + 4, kE + 3}},   // line north: right is east
        {{kN, kE}, {kN + 10, kE}, 4, -3, {kN + 4, kE - 3}},  // left is west
        {{0, 0}, {0, 10}, 4, 3, {-3, 4}},                    // line east: right is south
    };
    for (const Case& c : cases) {
        PlanePoint p;
        ASSERT_EQ(OffsetPoint(c.a, c.b, c.along, c.offset, p), CogoStatus::kOk);
        EXPECT_NEAR(p.x, c.expected.x, kMm);
        EXPECT_NEAR(p.y, c.expected.y, kMm);
    }
    PlanePoint p;
    EXPECT_EQ(OffsetPoint({1, 1}, {1, 1}, 4, 3, p), CogoStatus::kCoincidentPoints);
}

TEST(CogoGeometry, DistanceResectionOnEitherSideAndRefusals) {
    // Base A -> B due east, 5 m; sides 4 and 3 meet at a right angle 3.2 m along and 2.4 m across.
    PlanePoint p;
    ASSERT_EQ(DistanceResection({kN, kE}, {kN, kE + 5}, 4, 3, Side::kRight, p), CogoStatus::kOk);
    EXPECT_NEAR(p.x, kN - 2.4, kMm);
    EXPECT_NEAR(p.y, kE + 3.2, kMm);
    ASSERT_EQ(DistanceResection({kN, kE}, {kN, kE + 5}, 4, 3, Side::kLeft, p), CogoStatus::kOk);
    EXPECT_NEAR(p.x, kN + 2.4, kMm);
    // Sides that just close lie on the base line.
    ASSERT_EQ(DistanceResection({0, 0}, {0, 5}, 2, 3, Side::kLeft, p), CogoStatus::kOk);
    EXPECT_NEAR(p.x, 0.0, kMm);
    EXPECT_NEAR(p.y, 2.0, kMm);
    EXPECT_EQ(DistanceResection({0, 0}, {0, 5}, 1, 1, Side::kLeft, p), CogoStatus::kNoIntersection);
    EXPECT_EQ(DistanceResection({0, 0}, {0, 5}, 10, 1, Side::kLeft, p), CogoStatus::kNoIntersection);
    EXPECT_EQ(DistanceResection({0, 0}, {0, 0}, 1, 1, Side::kLeft, p), CogoStatus::kCoincidentPoints);
}

TEST(CogoGeometry, IntersectionOfRaysAndOfLines) {
    PlanePoint p;
    ASSERT_EQ(Intersection({kN, kE}, 45, {kN, kE + 10}, 315, p), CogoStatus::kOk);
    EXPECT_NEAR(p.x, kN + 5, kMm);
    EXPECT_NEAR(p.y, kE + 5, kMm);
    EXPECT_EQ(Intersection({0, 0}, 45, {0, 10}, 45, p), CogoStatus::kParallel);
    EXPECT_EQ(Intersection({0, 0}, 45, {0, 10}, 225, p), CogoStatus::kParallel);
    // The lines meet at (5, 5), behind the ray from A.
    EXPECT_EQ(Intersection({0, 0}, 225, {0, 10}, 315, p), CogoStatus::kNoIntersection);

    LineIntersection li;
    ASSERT_EQ(IntersectLines({0, 0}, {10, 10}, {0, 10}, {10, 0}, li), CogoStatus::kOk);
    EXPECT_NEAR(li.point.x, 5, kMm);
    EXPECT_NEAR(li.point.y, 5, kMm);
    EXPECT_EQ(FormatPackedAngle(li.angle), L"90.000000");
    // A 3-4-5 line against a line due north, meeting beyond the given points.
    ASSERT_EQ(IntersectLines({kN + 4, kE + 3}, {kN + 8, kE + 6}, {kN + 10, kE}, {kN + 20, kE}, li),
              CogoStatus::kOk);
    EXPECT_NEAR(li.point.x, kN, kMm);
    EXPECT_NEAR(li.point.y, kE, kMm);
    EXPECT_EQ(FormatPackedAngle(li.angle), L"36.521163");
    EXPECT_EQ(IntersectLines({0, 0}, {1, 1}, {0, 1}, {1, 2}, li), CogoStatus::kParallel);
    EXPECT_EQ(IntersectLines({0, 0}, {0, 0}, {0, 1}, {1, 2}, li), CogoStatus::kCoincidentPoints);
}

TEST(CogoGeometry, MidpointAnglesAndSpaceDistance) {
    const SpacePoint m = Midpoint({kN, kE, 10}, {kN + 4, kE + 3, 22});
    EXPECT_EQ(FormatLength(m.x), L"3000002.000");
    EXPECT_EQ(FormatLength(m.y), L"500001.500");
    EXPECT_EQ(FormatLength(m.h), L"16.000");

    double angle = 0;
    ASSERT_EQ(HorizontalAngle({0, 0}, {10, 0}, {0, -10}, angle), CogoStatus::kOk);
    EXPECT_EQ(FormatPackedAngle(angle), L"270.000000");
    EXPECT_EQ(HorizontalAngle({0, 0}, {0, 0}, {0, -10}, angle), CogoStatus::kCoincidentPoints);
    // 5 m across and 5 m up or down: 45 degrees.
    ASSERT_EQ(VerticalAngle({kN, kE, 100}, {kN + 3, kE + 4, 95}, angle), CogoStatus::kOk);
    EXPECT_EQ(FormatPackedAngle(angle), L"-45.000000");
    EXPECT_EQ(VerticalAngle({1, 1, 1}, {1, 1, 1}, angle), CogoStatus::kCoincidentPoints);

    const SpaceDistance d = MeasureSpaceDistance({kN, kE, 0}, {kN + 4, kE + 3, 12});
    EXPECT_EQ(FormatLength(d.slope), L"13.000");
    EXPECT_EQ(FormatLength(d.horizontal), L"5.000");
    EXPECT_EQ(FormatLength(d.heightDiff), L"12.000");
}

TEST(AngleUnits, PackedReadingAndHundredthsOfSeconds) {
    EXPECT_NEAR(*PackedToDegrees(36.521163), 36.0 + 52.0 / 60 + 11.63 / 3600, 1e-9);
    EXPECT_NEAR(*PackedToDegrees(-120.3), -120.5, 1e-12);
    EXPECT_EQ(PackedToDegrees(30.6), std::nullopt);     // 60 minutes
    EXPECT_EQ(PackedToDegrees(30.0075), std::nullopt);  // 75 seconds
    EXPECT_EQ(FormatPackedAngle(10 + 59.0 / 60 + 59.996 / 3600), L"11.000000");
    EXPECT_EQ(FormatPackedAngle(-0.000001), L"0.000000");
    EXPECT_EQ(FormatPackedAngle(0.5), L"0.300000");
}

TEST(AngleUnits, MinutesAndSecondsUpToSixty) {
    struct Case {
        double packed;
        bool read;
    };
    for (const Case& c : {Case{30.59, true}, Case{30.6, false}, Case{30.5959, true}, Case{30.005999, true},
                          Case{30.006, false}, Case{-30.5959, true}, Case{-30.006, false}})
        EXPECT_EQ(PackedToDegrees(c.packed).has_value(), c.read) << c.packed;
}

// Half a hundredth of a second rounds up: just below it stays, on it carries into the next unit.
TEST(AngleUnits, RoundingToTheHundredthOfASecondAtEachCarry) {
    struct Case {
        double degrees;
        const wchar_t* angle;
        const wchar_t* azimuth;
    };
    const Case cases[] = {
        {10 + 59.0 / 60 + 59.994 / 3600, L"10.595999", L"10.595999"},
        {10 + 59.0 / 60 + 59.996 / 3600, L"11.000000", L"11.000000"},
        {359 + 59.0 / 60 + 59.994 / 3600, L"359.595999", L"359.595999"},
        {359 + 59.0 / 60 + 59.996 / 3600, L"360.000000", L"0.000000"},
        {0.004 / 3600, L"0.000000", L"0.000000"},
        {0.006 / 3600, L"0.000001", L"0.000001"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.degrees);
        EXPECT_EQ(FormatPackedAngle(c.degrees), c.angle);
        EXPECT_EQ(FormatAzimuth(c.degrees), c.azimuth);
    }
}

// Each tolerance just inside and just outside: a tenth of a millimetre makes two points one, a
// triangle that misses closing by less still touches, and rays may meet that little behind a station.
TEST(CogoGeometry, EachToleranceJustInsideAndOutside) {
    struct Case {
        const char* name;
        CogoStatus inside, outside;
        CogoStatus (*calculate)(double step);
    };
    const Case cases[] = {
        {"inverse of two points", CogoStatus::kCoincidentPoints, CogoStatus::kOk,
         [](double step) {
             InverseResult r;
             return Inverse({kN, kE, 0}, {kN + step, kE, 0}, r);
         }},
        {"offset point along a line", CogoStatus::kCoincidentPoints, CogoStatus::kOk,
         [](double step) {
             PlanePoint p;
             return OffsetPoint({kN, kE}, {kN, kE + step}, 1, 1, p);
         }},
        {"sides that fall short of the base", CogoStatus::kOk, CogoStatus::kNoIntersection,
         [](double step) {
             PlanePoint p;
             return DistanceResection({0, 0}, {0, 5}, 2, 3 - step, Side::kLeft, p);
         }},
        {"sides that differ by more than the base", CogoStatus::kOk, CogoStatus::kNoIntersection,
         [](double step) {
             PlanePoint p;
             return DistanceResection({0, 0}, {0, 5}, 7 + step, 2, Side::kLeft, p);
         }},
        {"rays that meet behind A", CogoStatus::kOk, CogoStatus::kNoIntersection,
         [](double step) {
             PlanePoint p;
             return Intersection({0, 0}, 0, {-step, 10}, 270, p);
         }},
        {"a polygon's neighbouring corners", CogoStatus::kCoincidentPoints, CogoStatus::kOk,
         [](double step) {
             PolygonMeasure m;
             return MeasurePolygon({{0, 0}, {0, 1}, {step, 1}, {1, 1}, {1, 0}}, m);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.calculate(0.00009), c.inside);
        EXPECT_EQ(c.calculate(0.00011), c.outside);
    }
}

// Directions a microradian apart are parallel; two microradians apart they meet.
TEST(CogoGeometry, ParallelWithinAMicroradian) {
    constexpr double kMicroradianDeg = 180.0 / 3.141592653589793 * 1e-6;
    struct Case {
        double turn;
        CogoStatus status;
    };
    for (const Case& c :
         {Case{0.5 * kMicroradianDeg, CogoStatus::kParallel}, Case{2.0 * kMicroradianDeg, CogoStatus::kOk}}) {
        LineIntersection li;
        const PlanePoint b1{0, 10};
        EXPECT_EQ(IntersectLines({0, 0}, {100, 100}, b1, ForwardPoint(b1, 45 + c.turn, 100), li), c.status);
        PlanePoint p;
        // B east of A, turned anticlockwise: its ray crosses A's ahead of both.
        EXPECT_EQ(Intersection({0, 0}, 45, b1, 45 - c.turn, p), c.status);
    }
}

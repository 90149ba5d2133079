#include "receiver/ReceiverInfoTexts.h"

#include <gtest/gtest.h>

#include "platform/text/Numbers.h"
#include "tests/receiver/ReceiverHostDouble.h"

TEST(ReceiverInfoTexts, SatelliteCountShowsGlonassOnlyFromOneToTwelve) {
    const struct {
        int gps, glonass;
        const wchar_t* text;
    } cases[] = {{9, 0, L"9"}, {9, 4, L"9+4"}, {9, 12, L"9+12"}, {9, 13, L"9"}, {0, 1, L"0+1"}};
    for (const auto& c : cases) EXPECT_EQ(SatelliteCountText(c.gps, c.glonass), c.text) << c.glonass;
}

TEST(ReceiverInfoTexts, PositionPageFormats) {
    CGpsState s;
    s.latitude = 30.5;
    s.height = 12.3456;
    s.gridX = 3378000.12345;
    s.pdop = 1.234;
    s.solutionText = L"固定解";
    s.rmsH = 0.0125;
    s.year = 2026, s.month = 12, s.day = 6, s.hour = 8, s.minute = 5, s.second = 9;
    const PositionTexts t = FormatPositionTexts(s);
    EXPECT_EQ(t.latitude, L"030:30:00.0000");
    EXPECT_EQ(t.height, L"12.346");
    EXPECT_EQ(t.x, L"3378000.123");
    EXPECT_EQ(t.pdop, L"1.23");
    EXPECT_EQ(t.solution, L"固定解");
    EXPECT_EQ(t.rmsH, L"0.013");
    EXPECT_EQ(t.time, L"2026-12-06  08:05:09");
}

TEST(ReceiverInfoTexts, TextPageTakesFifteenLinesAtMost) {
    const auto three = TextPageLines(L"存储模式:平滑\n数据文件名:a.xyh\n按'A'键存储点");
    EXPECT_EQ(three[1], L"数据文件名:a.xyh");
    EXPECT_EQ(three[2], L"按'A'键存储点");
    for (size_t k = 3; k < three.size(); ++k) EXPECT_TRUE(three[k].IsEmpty()) << k;
    CString many;
    for (int k = 0; k < 20; ++k) many += L"x\n";
    EXPECT_EQ(TextPageLines(many)[14], L"x");
    EXPECT_EQ(TextPageLines(L"\nb")[0], L"");
}

class RefPointTextsTest : public ::testing::Test {
protected:
    void SetUp() override {
        frame.jobParams.ellipsoid = {L"BJ54", 6378245.0, 298.3};
        frame.jobParams.projection.nTouYin = 0;
        frame.jobParams.calib.slot[0] = {0, 0, 0, 3345000.5, 500100.25, 20.0, 0};
        for (CCoordTransform* t : {&frame.firstTransform, &frame.secondTransform}) {
            t->SetEllipsoid(6378245.0, 298.3);
            t->SetProjection(0, 0.0, 500000.0, 120.0, 1.0, 0.0, 0.0);
        }
        state.baseLat = 30.2;
        state.baseLon = 120.2;
        state.baseHeight = 15.0;
        state.latitude = 30.2009;
        state.longitude = 120.2;
        state.height = 15.0;
        state.baseType = L"RTCM";
        state.baseId = L"0001";
        frame.firstTransform.GeodeticToPlane(0, state.latitude, state.longitude, state.projX, state.projY);
        state.gridX = 1000.0;
        state.gridY = 2000.0;
    }
    ReceiverHostDouble frame;
    CGpsState state;
    RefPointTexts texts;
};

TEST_F(RefPointTextsTest, ReferenceDistanceAndAzimuth) {
    const struct {
        int show;
        double north, east;
        const wchar_t *distance, *azimuth;
    } cases[] = {
        {0, 0, 0, L"", L""},
        {1, 990.0, 2000.0, L"10.000", L"360:00:00.0000"},   // rover due north of the point
        {1, 1000.0, 1990.0, L"10.000", L"090:00:00.0000"},  // due east
    };
    for (const auto& c : cases) {
        RefreshRefPointTexts(frame, state, {c.show, c.north, c.east}, texts);
        EXPECT_EQ(texts.refDistance, c.distance);
        EXPECT_EQ(texts.refAzimuth, c.azimuth);
    }
}

TEST_F(RefPointTextsTest, NoBaseKeepsTheBaseTextsButRefreshesTheReference) {
    texts.latitude = L"kept";
    state.baseLon = 0.0;
    EXPECT_FALSE(RefreshRefPointTexts(frame, state, {1, 990.0, 2000.0}, texts));
    EXPECT_EQ(texts.latitude, L"kept");
    EXPECT_EQ(texts.refDistance, L"10.000");
}

TEST_F(RefPointTextsTest, BaseTextsAndDistances) {
    ASSERT_TRUE(RefreshRefPointTexts(frame, state, {}, texts));
    EXPECT_EQ(texts.latitude, L"030:12:00.0000");
    EXPECT_EQ(texts.height, L"15.000");
    EXPECT_EQ(texts.h, L"15.000");
    EXPECT_EQ(texts.knownX, L"3345000.500");
    EXPECT_EQ(texts.knownY, L"500100.250");
    EXPECT_EQ(texts.format, L"RTCM(0001)");
    // 0.0009 degrees of latitude is about 99.8 m, north: on the plane and in space alike.
    EXPECT_NEAR(ToDouble(texts.planeDistance), 99.8, 0.2);
    EXPECT_NEAR(ToDouble(texts.spatialDistance), 99.8, 0.2);
    EXPECT_EQ(texts.azimuth.Left(3), L"359");
}

TEST_F(RefPointTextsTest, SevenParametersChangeTheGridHeightButNotTheSpatialDistance) {
    RefreshRefPointTexts(frame, state, {}, texts);
    const RefPointTexts plain = texts;
    frame.jobParams.seven.nSevenPar = 1;
    frame.firstTransform.SetSevenParams(1, -15.0, 120.0, 80.0, 0.0, 0.0, 0.0, 2.0);
    RefreshRefPointTexts(frame, state, {}, texts);
    EXPECT_EQ(texts.height, plain.height);
    EXPECT_NE(texts.h, plain.h);
    EXPECT_EQ(texts.spatialDistance, plain.spatialDistance);
}

TEST_F(RefPointTextsTest, DifferentialFormatByBoardType) {
    const struct {
        int board;
        const wchar_t *id, *text;
    } cases[] = {{0, L"0001", L"RTCM(0001)"},
                 {2, L"0001", L"0001"},
                 {5, L"0001", L"0001"},
                 {1, L"", L""},
                 {2, L"", L""}};
    for (const auto& c : cases) {
        frame.system.nGPSOEMType = c.board;
        state.baseId = c.id;
        RefreshRefPointTexts(frame, state, {}, texts);
        EXPECT_EQ(texts.format, c.text) << c.board;
    }
}

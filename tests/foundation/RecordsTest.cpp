#include <gtest/gtest.h>

#include "foundation/CGpsState.h"
#include "foundation/GeneralSettingsBlock.h"
#include "foundation/PointRecord.h"
#include "foundation/SurveyPointRec.h"
#include "foundation/TowerRec.h"

TEST(PointRecords, LinePointAssignmentCopiesMileageAndFlag) {
    LinePointRec a;
    a.name = L"Z12";
    a.flag = 3;
    a.mileage = 1250.5;
    LinePointRec b;
    b = a;
    EXPECT_EQ(b.name, L"Z12");
    EXPECT_EQ(b.flag, 3);
    EXPECT_EQ(b.mileage, 1250.5);
    b.Reset();
    EXPECT_EQ(b.mileage, 0.0);
    EXPECT_EQ(a.name, L"Z12");
}

TEST(PointRecords, TowerCopyKeepsFoundationNamesAndResetClearsThem) {
    const wchar_t* names[8] = {L"A", L"B", L"C", L"D", L"5", L"6", L"7", L"8"};
    TowerRec tower;
    tower.centre.mileage = 30.0;
    for (int i = 0; i < 8; ++i) tower.foundation[i].name = names[i];
    tower.distance = 4.2;
    tower.direction = 1.1;
    tower.param3 = 7.0;

    TowerRec copy(tower);
    tower.Reset();
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(copy.foundation[i].name, names[i]);
        EXPECT_TRUE(tower.foundation[i].name.IsEmpty());
    }
    EXPECT_EQ(copy.centre.mileage, 30.0);
    EXPECT_EQ(copy.param3, 7.0);
    EXPECT_EQ(tower.centre.mileage, 0.0);
    EXPECT_EQ(tower.distance, 0.0);
    EXPECT_EQ(tower.direction, 0.0);
    EXPECT_EQ(tower.param3, 0.0);
}

TEST(PointRecords, SurveyPointResetClearsEveryFieldIncludingNestedTexts) {
    SurveyPointRec rec;
    rec.name = L"P1";
    rec.texts.first = L"J7";
    rec.fixTexts[6] = L"12:00:00";
    rec.refNumber = -1;
    rec.pointH = 12.5;
    rec.tail1 = L"x";
    SurveyPointRec copy = rec;
    rec.Reset();
    EXPECT_TRUE(rec.name.IsEmpty());
    EXPECT_TRUE(rec.texts.first.IsEmpty());
    EXPECT_TRUE(rec.fixTexts[6].IsEmpty());
    EXPECT_EQ(rec.refNumber, 0);
    EXPECT_EQ(rec.pointH, 0.0);
    EXPECT_TRUE(rec.tail1.IsEmpty());
    EXPECT_EQ(copy.texts.first, L"J7");
    EXPECT_EQ(copy.fixTexts[6], L"12:00:00");
}

TEST(GpsState, NewStateIsEmpty) {
    const CGpsState s;
    EXPECT_EQ(s.fixFlag, 0);
    EXPECT_EQ(s.gpsInView + s.gpsUsedCount + s.gloInView + s.gloUsedCount, 0);
    EXPECT_TRUE(s.solutionText.IsEmpty());
    for (const CString& t : s.ident.text) EXPECT_TRUE(t.IsEmpty());
    EXPECT_EQ(s.year + s.month + s.day, 0);
    for (int i = 0; i < CGpsState::kMaxSatellites; ++i) {
        EXPECT_EQ(s.gpsSatellites[i].used, 0);
        EXPECT_EQ(s.gloSatellites[i].used, 0);
        EXPECT_EQ(s.gpsUsedList[i], 0);
    }
}

TEST(GpsState, ResetClearsFieldsButKeepsSatelliteUsedFlags) {
    CGpsState s;
    s.fixFlag = 1;
    s.pdop = 1.8;
    s.solutionText = L"FIXED";
    s.ident.text[0] = L"SN123";
    s.ident.number = 4;
    s.gpsSatellites[3] = {12, 45, 120, 44, 1};
    s.gloSatellites[19] = {38, 10, 300, 30, 1};
    s.gloUsedList[0] = 65;
    s.Reset();
    EXPECT_EQ(s.fixFlag, 0);
    EXPECT_EQ(s.pdop, 0.0);
    EXPECT_TRUE(s.solutionText.IsEmpty());
    EXPECT_TRUE(s.ident.text[0].IsEmpty());
    EXPECT_EQ(s.ident.number, 0);
    EXPECT_EQ(s.gpsSatellites[3].number, 0);
    EXPECT_EQ(s.gpsSatellites[3].signal, 0);
    EXPECT_EQ(s.gpsSatellites[3].used, 1);
    EXPECT_EQ(s.gloSatellites[19].used, 1);
    EXPECT_EQ(s.gloUsedList[0], 0);
}

TEST(SettingsRecords, GeneralSettingsResetClearsTheNetworkModuleTexts) {
    GeneralSettingsBlock g;
    g.dataLink.net.server = L"120.1.2.3";
    g.dataLink.net.text9 = L"x";
    g.dataLink.radioChannel = 5;
    g.recordSave.nPtType = 5;
    g.Reset();
    EXPECT_TRUE(g.dataLink.net.server.IsEmpty());
    EXPECT_TRUE(g.dataLink.net.text9.IsEmpty());
    EXPECT_EQ(g.dataLink.radioChannel, 0);
    EXPECT_EQ(g.recordSave.nPtType, 0);
}

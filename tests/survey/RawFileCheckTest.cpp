#include "survey/RawFileCheck.h"

#include <gtest/gtest.h>

#include "foundation/StoredPointLines.h"
#include "tests/platform/files/DeviceRootFixture.h"
#include "tests/survey/GoldenProject.h"

namespace {
using RawFileCheckTest = DeviceRootTest;

const std::string kRecord =
    "P1,30.1000000000,120.1000000000,12.500,c,1.500,10,0.012,0.023,09,1.80,08:05:09,2026-12-07,3,0,";
}  // namespace

TEST(RawFileCheck, ARecordHasItsPositionAndTheFixThroughItsDate) {
    struct Case {
        std::string line;
        bool record;
    } cases[] = {
        {kRecord, true},
        {kRecord.substr(0, kRecord.find("2026")) + "2026-12-07", true},
        {kRecord.substr(0, kRecord.find("2026")), false},  // cut before the date
        {"P1,30.1,x,12.5,c,1.5,10,0.01,0.02,09,1.8,08:05:09,2026-12-07,", false},
        {"P1,30.1,120.1,12.5,c,1.5,10,0.01,0.02,09,1.8,08:05:09,,3,0,", false},
        {"Rem BaseStation  0.0 0.0", false},
        {"\x01\x02", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(HoldsRawRecord(c.line), c.record);
    }
}

TEST_F(RawFileCheckTest, CountsTheLinesThatAreNeitherAHeaderNorARecord) {
    WriteHostFile("a.blh", "Rem Version      Quorin2.0 Ver: 2011.09.26\r\n" + kRecord +
                               "\r\n\r\ngarbage\r\n" + kRecord + "\n" + "P2,30.1,120.1,\r\n" + kRecord +
                               "\r\nP3,30.1");
    const DataFileRead read = CheckRawFile(L"\\a.blh");
    EXPECT_EQ(read.status, DataFileStatus::kRead);
    // The unfinished last line is an append cut short, which the next store cuts: no line.
    EXPECT_EQ(read.skipped, 2u);

    WriteHostFile("golden.blh", SurveyGolden("project.blh"));
    EXPECT_EQ(CheckRawFile(L"\\golden.blh").skipped, 0u);
    EXPECT_EQ(CheckRawFile(L"\\none.blh").status, DataFileStatus::kMissing);
}

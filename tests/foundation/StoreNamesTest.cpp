#include <string>
#include <vector>

#include "SettingsTestSupport.h"
#include "foundation/CJobSettings.h"

namespace {
class StoreNamesTest : public SettingsFileTest {
protected:
    void SetUp() override {
        SettingsFileTest::SetUp();
        std::filesystem::create_directories(root_ / "Jobs" / "a" / "data");
        job_.SetJobFilePaths({.jobFile = L"\\Jobs\\a\\a.qzs", .coordFile = L"\\Jobs\\a\\a.qza"});
        job_.SetResultFileNames(L"\\Jobs\\a\\data\\", L"a.xyh");
    }

    CJobSettings job_;
};
}  // namespace

TEST_F(StoreNamesTest, SetStoreNamesOffersTheNameOrItsSuccessor) {
    job_.SetStoreNames({L"J3", L"Z4", L"5"}, L"Pt9", 1.25, 0);
    TextTriple names;
    EXPECT_EQ(job_.GetLastNames(names), L"Pt9");
    EXPECT_EQ(names, (TextTriple{L"J3", L"Z4", L"5"}));
    EXPECT_EQ(job_.Store().NextName(), L"Pt9");
    EXPECT_EQ(job_.Store().point.antennaHeight, 1.25);

    job_.SetStoreNames({L"J1", L"Z1", L"1"}, L"Pt9", 0.0, 1);
    EXPECT_EQ(job_.Store().point.name, L"Pt9");
    EXPECT_EQ(job_.Store().NextName(), L"Pt10");
}

// The names move on past the file's last ones and past every name the file holds; format 6 numbers
// its J and Z piles, which stay as they are.
TEST_F(StoreNamesTest, LoadedNamesMoveOnPastTheNamesTheFileHolds) {
    struct Case {
        int format;
        std::vector<std::string> taken;  // the file's names, as its bytes
        const wchar_t* next;
        TextTriple series;
    };
    const Case cases[] = {
        {1, {}, L"A10", {L"J8", L"Z3", L"100"}},
        {0, {}, L"A10", {L"J8", L"Z3", L"100"}},
        {5, {}, L"A10", {L"J8", L"Z3", L"100"}},
        {6, {}, L"A10", {L"J7", L"Z2", L"100"}},
        {1, {"A10", "A11", "A13", "J8", "Z3", "Z4", "100"}, L"A12", {L"J9", L"Z5", L"101"}},
        {6, {"A10", "J7", "Z2", "100", "101"}, L"A11", {L"J7", L"Z2", L"102"}},
        // A name typed after the proposals: the numbers it took are passed over in one step.
        {1, {"A10", "A12", "A11", "A13"}, L"A14", {L"J8", L"Z3", L"100"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.format);
        LastNames last{L"J7", L"Z2", L"99", L"A9", {}};
        for (const std::string& name : c.taken) last.taken.Add(name);
        CJobSettings job;
        job.LoadRecSaveNames(last, c.format);
        TextTriple names;
        EXPECT_EQ(job.GetLastNames(names), L"A9");
        EXPECT_EQ(names, c.series);
        EXPECT_EQ(job.Store().NextName(), c.next);
        EXPECT_EQ(job.Store().lastResult.point.name, c.next);
    }
}

TEST_F(StoreNamesTest, BaseStationLinesGoOnlyIntoAnExistingRawFile) {
    const BaseStationRec base{-2327589.193, 5387652.126, 2488947.802, 23.07115488, 113.21556238,
                              35.0,         2558000.0,   435000.0,    35.25,       L"基站1"};
    EXPECT_FALSE(job_.ResultFiles().AppendBaseStationLine(base).written);
    EXPECT_FALSE(std::filesystem::exists(root_ / "Jobs" / "a" / "data" / "a.blh"));

    WriteHostFile("Jobs/a/data/a.blh", "Rem Version      Quorin2.0 Ver: x\r\n");
    ASSERT_TRUE(job_.ResultFiles().AppendBaseStationLine(base).written);
    EXPECT_EQ(ReadHostFile("Jobs/a/data/a.blh"),
              "Rem Version      Quorin2.0 Ver: x\r\n"
              "Rem BaseStation  23.07115488 113.21556238 35.000 -2327589.193 5387652.126 2488947.802 "
              "2558000.000 435000.000 35.250 \xBB\xF9\xD5\xBE"
              "1 \r\n");
}

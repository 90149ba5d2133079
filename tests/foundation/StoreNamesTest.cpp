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

TEST_F(StoreNamesTest, LoadedNamesMoveOnByTheJobsRecordFormat) {
    struct Case {
        const char* file;  // nullptr: no qzrecauto file
        const wchar_t* next;
        TextTriple series;
    };
    const Case cases[] = {
        {nullptr, L"Pt", {L"J1", L"Z1", L"1"}},
        {"[QZRecSaveFormat]0\r\n", L"A10", {L"J8", L"Z3", L"100"}},
        {"[QZRecSaveFormat]5\r\n", L"A10", {L"J8", L"Z3", L"100"}},
        {"[QZRecSaveFormat]6\r\n", L"A10", {L"J7", L"Z2", L"100"}},
        {"", L"A10", {L"J8", L"Z3", L"100"}},
    };
    for (const Case& c : cases) {
        CJobSettings job;
        job.SetJobFilePaths({.jobFile = L"\\Jobs\\a\\a.qzs", .coordFile = L"\\Jobs\\a\\a.qza"});
        std::filesystem::remove(root_ / "Jobs" / "a" / "qzrecauto");
        if (c.file) WriteHostFile("Jobs/a/qzrecauto", c.file);
        job.LoadRecSaveNames(L"A9", L"J7", L"Z2", L"99");
        SCOPED_TRACE(c.file ? c.file : "no file");
        TextTriple names;
        EXPECT_EQ(job.GetLastNames(names), L"A9");
        EXPECT_EQ(names, c.series);
        EXPECT_EQ(job.Store().NextName(), c.next);
    }
}

TEST_F(StoreNamesTest, BaseStationLinesGoOnlyIntoAnExistingRawFile) {
    const BaseStationRec base{-2327589.193, 5387652.126, 2488947.802, 23.07115488, 113.21556238,
                              35.0,         2558000.0,   435000.0,    35.25,       L"基站1"};
    EXPECT_FALSE(job_.WriteBaseStationLine(base));
    EXPECT_FALSE(std::filesystem::exists(root_ / "Jobs" / "a" / "data" / "a.blh"));

    WriteHostFile("Jobs/a/data/a.blh", "Rem Version      Quorin2.0 Ver: x\r\n");
    ASSERT_TRUE(job_.WriteBaseStationLine(base));
    EXPECT_EQ(ReadHostFile("Jobs/a/data/a.blh"),
              "Rem Version      Quorin2.0 Ver: x\r\n"
              "Rem BaseStation  23.07115488 113.21556238 35.000 -2327589.193 5387652.126 2488947.802 "
              "2558000.000 435000.000 35.250 \xBB\xF9\xD5\xBE"
              "1 \r\n");
}

#include <gtest/gtest.h>

#include "foundation/CJobSettings.h"

namespace {
CString Next(const wchar_t* name, int step = 1) {
    CString s = name;
    EXPECT_TRUE(CJobSettings::NextPointName(s, step));
    return s;
}
}  // namespace

TEST(NextPointName, AdvancesTheTrailingNumber) {
    // Each side of a carry into a new digit, from the default last name "1".
    EXPECT_EQ(Next(L"1"), L"2");
    EXPECT_EQ(Next(L"8"), L"9");
    EXPECT_EQ(Next(L"9"), L"10");
    EXPECT_EQ(Next(L"98"), L"99");
    EXPECT_EQ(Next(L"99"), L"100");
    EXPECT_EQ(Next(L"Pt9"), L"Pt10");
    EXPECT_EQ(Next(L"A007"), L"A8");
    EXPECT_EQ(Next(L"B"), L"B1");
    EXPECT_EQ(Next(L"12"), L"13");
    EXPECT_EQ(Next(L"K1-"), L"K1-1");
    EXPECT_EQ(Next(L"P9999"), L"P10000");
    EXPECT_EQ(Next(L"线路J5", 2), L"线路J7");
    EXPECT_EQ(Next(L"A007", 0), L"A7");
    EXPECT_EQ(Next(L"B", 0), L"B0");
    EXPECT_EQ(Next(L"A3", -5), L"A-2");
}

TEST(NextPointName, LongNumbersNeverWrapOrRepeat) {
    EXPECT_EQ(Next(L"P2147483647"), L"P2147483648");
    EXPECT_EQ(Next(L"P999999999999999999"), L"P1000000000000000000");
    EXPECT_EQ(Next(L"P9223372036854775807", 7), L"P9223372036854775814");
    EXPECT_EQ(Next(L"P99999999999999999999999"), L"P100000000000000000000000");
    EXPECT_EQ(Next(L"P100000000000000000000000", -1), L"P99999999999999999999999");
    EXPECT_EQ(Next(L"P000000000000000000000041", 2), L"P43");

    CString name = L"T4294967294";
    CString previous;
    for (int i = 0; i < 4; ++i) {
        previous = name;
        CJobSettings::NextPointName(name, 1);
        EXPECT_NE(name, previous);
    }
    EXPECT_EQ(name, L"T4294967298");
}

TEST(ResultFileNames, SiblingsReplaceTheExtensionOfTheNameOnly) {
    CJobSettings job;
    job.SetResultFileNames(L"\\SystemCF\\Jobs\\a\\data\\", L"job.xyh");
    EXPECT_EQ(job.ResultFiles().DataFile(), L"\\SystemCF\\Jobs\\a\\data\\job.xyh");
    EXPECT_EQ(job.ResultFiles().RawFile(), L"\\SystemCF\\Jobs\\a\\data\\job.blh");
    EXPECT_EQ(job.ResultFiles().VskFile(), L"\\SystemCF\\Jobs\\a\\data\\job.vsk");

    job.SetResultFileNames(L"\\Jobs\\v1.2\\data\\", L"points");
    EXPECT_EQ(job.ResultFiles().RawFile(), L"\\Jobs\\v1.2\\data\\points.blh");
    EXPECT_EQ(job.ResultFiles().LodFile(), L"\\Jobs\\v1.2\\data\\points.lod");

    job.SetResultFileNames(L"\\data\\", L"a.b.longext");
    EXPECT_EQ(job.ResultFiles().RefFile(), L"\\data\\a.b.ref");
    EXPECT_EQ(job.ResultFiles().TowFile(), L"\\data\\a.b.tow");
}

TEST(PointStoreState, TemplateAndNameResets) {
    CJobSettings job;
    const SurveyPointRec& point = job.Store().point;
    EXPECT_EQ(point.name, L"Pt");
    EXPECT_EQ(point.refNumber, -1);
    EXPECT_EQ(point.int22, 184);
    EXPECT_EQ(job.Store().recordSave.nPtType, 5);
    TextTriple names;
    EXPECT_EQ(job.GetLastNames(names), L"Pt");
    EXPECT_EQ(names, (TextTriple{L"J1", L"Z1", L"1"}));

    job.Store().point.texts = {L"J9", L"Z9", L"9"};
    job.ResetPointNames();
    EXPECT_EQ(job.GetLastNames(names), L"0");
    EXPECT_EQ(names, (TextTriple{L"J1", L"Z1", L"1"}));
    EXPECT_EQ(job.Store().lastResult.point.code, L"1");

    job.SetStoreOptions(1.5, 2.5, 3.5, L"Z12", 4, 0.75, L"t28");
    EXPECT_EQ(point.refText, L"Z12");
    EXPECT_EQ(point.text27, L"Z12");
    EXPECT_EQ(point.refHeight, 0.75);

    job.SetNameAffixes(L"后", L"前");
    CString suffix, prefix;
    job.GetNameAffixes(suffix, prefix);
    EXPECT_EQ(suffix, L"后");
    EXPECT_EQ(prefix, L"前");
}

#include <gtest/gtest.h>

#include "foundation/screens/FileDialogRules.h"
#include "foundation/screens/FolderListing.h"
#include "tests/platform/files/DeviceRootFixture.h"

using FolderListingTest = DeviceRootTest;

TEST(FileFilterTest, MatchesOnTheLastThreeCharacters) {
    EXPECT_TRUE(MatchesFileFilters(L"a.txt", {L"*.*"}));
    EXPECT_TRUE(MatchesFileFilters(L"PT.XYH", {L"*.blh", L"*.xyh"}));
    EXPECT_FALSE(MatchesFileFilters(L"pt.xyz", {L"*.blh", L"*.xyh"}));
    // A two-letter extension matches with its dot.
    EXPECT_TRUE(MatchesFileFilters(L"A.AT", {L"*.at"}));
    EXPECT_FALSE(MatchesFileFilters(L"flat", {L"*.at"}));
}

TEST_F(FolderListingTest, PathsBelowTheRootOnly) {
    WriteHostFile("Jobs/road/data/p.xyh", "x");
    WriteHostFile("Other/q.xyh", "x");
    EXPECT_EQ(PathBelowRoot(L"\\Jobs", L"\\JOBS\\Road\\data\\p.xyh"),
              (std::vector<CString>{L"Road", L"data", L"p.xyh"}));
    EXPECT_EQ(PathBelowRoot(L"\\Jobs\\", L"\\Jobs"), std::vector<CString>{});
    EXPECT_EQ(PathBelowRoot(L"\\Jobs", L"\\Other\\q.xyh"), std::nullopt);
    EXPECT_EQ(PathBelowRoot(L"\\Jobs", L"\\Jobs\\..\\Other\\q.xyh"), std::nullopt);
    EXPECT_EQ(PathBelowRoot(L"\\Jobs", L"\\Jobs\\missing"), std::nullopt);
    EXPECT_EQ(LastPathPart(L"\\Jobs\\road\\"), L"road");
    EXPECT_EQ(LastPathPart(L"\\Jobs\\road\\p.xyh"), L"p.xyh");
}

TEST(SaveDialogRulesTest, NamesThatAreRefused) {
    EXPECT_EQ(CheckSaveName(L""), L"文件名不能为空，请重新输入!");
    EXPECT_TRUE(CheckSaveName(L"点1").IsEmpty());
    for (const wchar_t* bad :
         {L"a\\b", L"a/b", L"..\\x", L"a:b", L"a*", L"a?", L"a\"b", L"a<b", L"a>b", L"a|b"})
        EXPECT_FALSE(CheckSaveName(bad).IsEmpty()) << bad;
}

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
    // Names that would lay files beside the wrong folder, become the extension alone, be saved as
    // "???" and break the next start, or not fit a host file name (255 bytes: 250 of the name leave
    // room for ".xyh").
    const std::wstring fits(250, L'a'), over(251, L'a'), wide(84, L'路'), long300(300, L'a');
    const struct {
        const wchar_t* name;
        const wchar_t* refusal;
    } cases[] = {
        {L".", L"文件名不能以\".\"开头，请重新输入!"},
        {L"..", L"文件名不能以\".\"开头，请重新输入!"},
        {L".road", L"文件名不能以\".\"开头，请重新输入!"},
        {L"도로", L"文件名含有不能保存的字符，请重新输入!"},
        {L"road\U0001F600", L"文件名含有不能保存的字符，请重新输入!"},
        {L"路.1", L""},
        {L"ｒｏａｄ１", L""},
        {fits.c_str(), L""},
        {over.c_str(), L"文件名太长，请重新输入!"},
        {wide.c_str(), L"文件名太长，请重新输入!"},  // 252 bytes in UTF-8
        {long300.c_str(), L"文件名太长，请重新输入!"},
    };
    for (const auto& c : cases) EXPECT_EQ(CheckSaveName(c.name), CString(c.refusal)) << c.name;
}

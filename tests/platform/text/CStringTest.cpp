#include "platform/text/CString.h"

#include <gtest/gtest.h>

TEST(CString, SubstringsClampOutOfRangeArguments) {
    CString s(L"ABC123");
    EXPECT_EQ(s.Mid(3), L"123");
    EXPECT_EQ(s.Mid(-2, 2), L"AB");
    EXPECT_EQ(s.Mid(4, 99), L"23");
    EXPECT_EQ(s.Mid(9), L"");
    EXPECT_EQ(s.Left(-1), L"");
    EXPECT_EQ(s.Right(10), L"ABC123");
}

TEST(CString, FindAndReverseFind) {
    CString s(L"线路[1]\\data\\p.xyh");
    EXPECT_EQ(s.Find(L'['), 2);
    EXPECT_EQ(s.Find(L"data"), 6);
    EXPECT_EQ(s.Find(L'x', 99), -1);
    EXPECT_EQ(s.ReverseFind(L'\\'), 10);
}

TEST(CString, TrimCaseAndCompare) {
    CString s(L"  pt1\r\n");
    s.Trim();
    EXPECT_EQ(s, L"pt1");
    EXPECT_EQ(s.MakeUpper(), L"PT1");
    EXPECT_EQ(CString(L"abc").CompareNoCase(L"ABD"), -1);
    EXPECT_EQ(CString(L"b").Compare(L"a"), 1);
    EXPECT_TRUE(CString(L"a") < CString(L"b"));
}

TEST(CString, ReplaceRemoveInsertDelete) {
    CString s(L"a,b,,c");
    EXPECT_EQ(s.Replace(L",", L";;"), 3);
    EXPECT_EQ(s, L"a;;b;;;;c");
    EXPECT_EQ(s.Remove(L';'), 6);
    s.Insert(1, L"--");
    s.Delete(0, 2);
    EXPECT_EQ(s, L"-bc");
}

TEST(Format, WideStringsAndThirtyTwoBitIntegers) {
    CString s;
    s.Format(L"%s=%d,%5.2f,%-4s|%x", L"点", -3, 1.5, L"ab", 255);
    EXPECT_EQ(s, L"点=-3, 1.50,ab  |ff");
}

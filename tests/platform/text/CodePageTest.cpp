#include "platform/text/CodePage.h"

#include <gtest/gtest.h>

TEST(CodePage, GbkRoundTripOfChineseAndAngleSigns) {
    const CString text(L"点名,12°34′56″,测站A");
    const std::string bytes = ToGbk(text);
    EXPECT_EQ(bytes.substr(0, 4), "\xB5\xE3\xC3\xFB");
    EXPECT_NE(bytes.find("12\xA1\xE3"
                         "34\xA1\xE4"
                         "56\xA1\xE5"),
              std::string::npos);
    EXPECT_EQ(FromGbk(bytes), text);
}

TEST(CodePage, CharacterOutsideGbkBecomesQuestionMark) {
    EXPECT_EQ(ToGbk(CString(L"a\U0001F600b点")), "a?b\xB5\xE3");
    EXPECT_EQ(ToGbk(CString(std::wstring{L'x', static_cast<wchar_t>(0xD800), L'y'})), "x?y");
}

TEST(CodePage, InvalidGbkBytesBecomeReplacementCharacters) {
    EXPECT_EQ(FromGbk("a\xFF"
                      "b"),
              CString(L"a\uFFFDb"));
    EXPECT_EQ(FromGbk("ok\xB5"), CString(L"ok\uFFFD"));
    EXPECT_EQ(FromGbk(""), CString());
}

TEST(CodePage, LongTextConvertsWhole) {
    CString text;
    for (int i = 0; i < 3000; ++i) text += L"点a";
    const std::string bytes = ToGbk(text);
    EXPECT_EQ(bytes.size(), 9000u);
    EXPECT_EQ(FromGbk(bytes), text);
}

TEST(CodePage, LimitedConversionNeverSplitsACharacter) {
    EXPECT_EQ(ToGbk(CString(L"ab点"), 3), "ab");
    EXPECT_EQ(ToGbk(CString(L"ab点"), 4), "ab\xB5\xE3");
    EXPECT_EQ(ToGbk(CString(L"abc"), 99), "abc");
}

TEST(CodePage, Utf8RoundTrip) {
    const CString name(L"线路1.qzs");
    EXPECT_EQ(ToUtf8(name),
              "\xE7\xBA\xBF\xE8\xB7\xAF"
              "1.qzs");
    EXPECT_EQ(FromUtf8(ToUtf8(name)), name);
    EXPECT_EQ(FromUtf8("a\xC3"), CString(L"a\uFFFD"));
}

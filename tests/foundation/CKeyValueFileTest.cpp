#include "foundation/CKeyValueFile.h"

#include "SettingsTestSupport.h"
#include "platform/files/CFile.h"
#include "platform/text/CodePage.h"

using CKeyValueFileTest = SettingsFileTest;

TEST_F(CKeyValueFileTest, KeysAreBracketedAndMatchWhole) {
    WriteHostFile("ptlayauto", "[nA]5\r\n[nAB]7\r\n[s]x[nC]9\r\n[last]3");
    CKeyValueFile file;
    ASSERT_TRUE(file.Open(L"\\ptlayauto", CFile::modeRead));
    int value = -1;
    EXPECT_TRUE(file.GetInt(L"nAB", value));
    EXPECT_EQ(value, 7);
    EXPECT_TRUE(file.GetInt(L"nA", value));
    EXPECT_EQ(value, 5);
    // Missing keys leave the value as it was; "[nC]" inside a value is no key; a last line
    // without CR counts as missing.
    value = 42;
    EXPECT_FALSE(file.GetInt(L"nC", value));
    EXPECT_FALSE(file.GetInt(L"last", value));
    EXPECT_EQ(value, 42);
    double d = 1.5;
    EXPECT_FALSE(file.GetDouble(L"nC", d));
    EXPECT_EQ(d, 1.5);
}

TEST_F(CKeyValueFileTest, MissingFileKeepsTheOldTextAndReportsKeysMissing) {
    CKeyValueFile file;
    EXPECT_FALSE(file.Open(L"\\nothing", CFile::modeRead));
    CString s = L"keep";
    EXPECT_FALSE(file.GetString(L"CurLayoutFileName", s));
    EXPECT_EQ(s, L"keep");

    WriteHostFile("a", "[k]1\r\n");
    ASSERT_TRUE(file.Open(L"\\a", CFile::modeRead));
    EXPECT_FALSE(file.Open(L"\\nothing", CFile::modeRead));
    int k = 0;
    EXPECT_TRUE(file.GetInt(L"k", k));
    EXPECT_EQ(k, 1);
}

TEST_F(CKeyValueFileTest, WrittenKeysReadBackInGbk) {
    CKeyValueFile writer;
    ASSERT_TRUE(writer.Open(L"\\lnlayauto", CFile::modeCreate | CFile::modeWrite));
    writer.WriteInt(L"ShowAllLayoutPoint", 1);
    writer.WriteDouble(L"MinLayoutPrompt", 0.25);
    writer.WriteString(L"CurLayoutFileName", L"\\SystemCF\\线路[1]\\a.lnb");
    ASSERT_TRUE(writer.Close());
    EXPECT_EQ(ReadHostFile("lnlayauto"), ToGbk(L"[ShowAllLayoutPoint]1\r\n[MinLayoutPrompt]0.25000000\r\n"
                                               L"[CurLayoutFileName]\\SystemCF\\线路[1]\\a.lnb\r\n"));

    CKeyValueFile reader;
    ASSERT_TRUE(reader.Open(L"\\lnlayauto", CFile::modeRead));
    CString name;
    double prompt = 0.0;
    EXPECT_TRUE(reader.GetString(L"CurLayoutFileName", name));
    EXPECT_EQ(name, L"\\SystemCF\\线路[1]\\a.lnb");
    EXPECT_TRUE(reader.GetDouble(L"MinLayoutPrompt", prompt));
    EXPECT_EQ(prompt, 0.25);
}

TEST_F(CKeyValueFileTest, AWriteIntoAMissingFolderFailsUpToItsClose) {
    CKeyValueFile writer;
    EXPECT_FALSE(writer.OpenForWrite(L"\\NoSuchJob\\qzrecauto", CFile::modeCreate | CFile::modeWrite));
    writer.WriteInt(L"nAutoStore", 1);
    EXPECT_FALSE(writer.Close());
    EXPECT_FALSE(std::filesystem::exists(root_ / "NoSuchJob"));
}

TEST_F(CKeyValueFileTest, ALineBreakInAValueAddsNoKeyAndNumbersMustFitTheirType) {
    CKeyValueFile writer;
    ASSERT_TRUE(writer.Open(L"\\qzrecauto", CFile::modeCreate | CFile::modeWrite));
    writer.WriteString(L"Code", L"A\r\n[QZRecSaveFormat]6");
    writer.WriteInt(L"QZRecSaveFormat", 2);
    ASSERT_TRUE(writer.Close());
    EXPECT_EQ(ReadHostFile("qzrecauto"), "[Code]A  [QZRecSaveFormat]6\r\n[QZRecSaveFormat]2\r\n");

    WriteHostFile("numbers", "[big]99999999999999\r\n[max]2147483647\r\n[inf]inf\r\n[huge]1e999\r\n");
    CKeyValueFile reader;
    ASSERT_TRUE(reader.Open(L"\\numbers", CFile::modeRead));
    int n = 5;
    EXPECT_FALSE(reader.GetInt(L"big", n));
    EXPECT_EQ(n, 5);
    EXPECT_TRUE(reader.GetInt(L"max", n));
    EXPECT_EQ(n, 2147483647);
    double d = 1.5;
    EXPECT_FALSE(reader.GetDouble(L"inf", d));
    EXPECT_FALSE(reader.GetDouble(L"huge", d));
    EXPECT_EQ(d, 1.5);
}

#include "foundation/CIniFile.h"

#include "SettingsTestSupport.h"
#include "platform/files/CFile.h"
#include "platform/text/CodePage.h"

namespace {
constexpr UINT kCreate = CFile::modeCreate | CFile::modeWrite;

class CIniFileTest : public SettingsFileTest {
protected:
    CIniFile LoadText(const CString& text) {
        WriteHostFile("t.ini", ToGbk(text));
        CIniFile file;
        EXPECT_TRUE(file.Load(L"\\t.ini", CFile::modeRead));
        return file;
    }
};
}  // namespace

TEST_F(CIniFileTest, ReadsKeysOfASectionWithoutLineEnds) {
    const CIniFile file = LoadText(L"\r\n[System]\r\nszDataFile=a.xyh\r\nnGPSOEMType=12\r\nnEmpty=\r\n");
    ASSERT_EQ(file.Sections().size(), 1u);
    EXPECT_EQ(file.Sections()[0].name, L"System");
    CString text = L"old";
    EXPECT_TRUE(file.GetString(L"System", L"szDataFile", text));
    EXPECT_EQ(text, L"a.xyh");
    int n = -7;
    EXPECT_FALSE(file.GetInt(L"System", L"nMissing", n));
    EXPECT_EQ(n, -7);
    EXPECT_FALSE(file.GetInt(L"Other", L"nGPSOEMType", n));
    EXPECT_TRUE(file.GetInt(L"System", L"nGPSOEMType", n));
    EXPECT_EQ(n, 12);
    EXPECT_TRUE(file.GetInt(L"System", L"nEmpty", n));
    EXPECT_EQ(n, 0);
}

TEST_F(CIniFileTest, KeysMatchExactlyNotAsSubstrings) {
    // szdBaseH must not find the szdBaseHgt line written before it, nor a key find a longer one.
    const CIniFile file = LoadText(L"[B]\r\nszdBaseHgt=35.5\r\nszdBaseH=12.25\r\nnABC=3\r\n");
    double h = 0.0;
    EXPECT_TRUE(file.GetDouble(L"B", L"szdBaseH", h));
    EXPECT_EQ(h, 12.25);
    int n = 0;
    EXPECT_FALSE(file.GetInt(L"B", L"nAB", n));
    EXPECT_FALSE(file.GetInt(L"B", L"BC", n));
}

TEST_F(CIniFileTest, SectionsOfTheSameNameAreSearchedInFileOrder) {
    const CIniFile file = LoadText(L"[S]\r\na=1\r\n[T]\r\nb=9\r\n[S]\r\na=2\r\nb=3\r\n");
    int a = 0, b = 0;
    EXPECT_TRUE(file.GetInt(L"S", L"a", a));
    EXPECT_TRUE(file.GetInt(L"S", L"b", b));
    EXPECT_EQ(a, 1);
    EXPECT_EQ(b, 3);
}

TEST_F(CIniFileTest, ValuesMayHoldBracketsEqualsAndChinese) {
    const CIniFile file = LoadText(
        L"[System]\r\nszIniFile=\\SystemCF\\Jobs\\线路[1]\\a=b.qzs\r\nszLastJName=J[2]\r\nnGPSOEMType=4\r\n");
    CString path, last;
    int type = 0;
    EXPECT_TRUE(file.GetString(L"System", L"szIniFile", path));
    EXPECT_EQ(path, L"\\SystemCF\\Jobs\\线路[1]\\a=b.qzs");
    EXPECT_TRUE(file.GetString(L"System", L"szLastJName", last));
    EXPECT_EQ(last, L"J[2]");
    EXPECT_TRUE(file.GetInt(L"System", L"nGPSOEMType", type));
    EXPECT_EQ(type, 4);
    EXPECT_EQ(file.Sections().size(), 1u);
}

TEST_F(CIniFileTest, TextBeforeTheFirstHeaderAndUnclosedHeadersAreNoSections) {
    const CIniFile file = LoadText(L"a=1\r\n[Open\r\n[S]\r\nb=2");
    ASSERT_EQ(file.Sections().size(), 1u);
    int a = 0, b = 0;
    EXPECT_FALSE(file.GetInt(L"Open", L"a", a));
    EXPECT_TRUE(file.GetInt(L"S", L"b", b));
    EXPECT_EQ(b, 2);
}

TEST_F(CIniFileTest, LoadOfAMissingFileKeepsTheSections) {
    CIniFile file = LoadText(L"[S]\r\na=1\r\n");
    EXPECT_FALSE(file.Load(L"\\missing.ini", CFile::modeRead));
    EXPECT_FALSE(file.Load(L"", CFile::modeRead));
    EXPECT_EQ(file.Sections().size(), 1u);
}

TEST_F(CIniFileTest, WritesLongLinesWholeInGbk) {
    const CString longPath = L"\\SystemCF\\Jobs\\" + CString(L'测', 60) + L"\\job.qzs";
    CIniFile writer;
    ASSERT_TRUE(writer.Open(L"\\w.ini", kCreate));
    writer.WriteRaw(L"\r\n[System]\r\n");
    writer.WriteString(L"szIniFile", longPath);
    writer.WriteDouble(L"d", -0.5);
    writer.WriteDoubleRoundTrip(L"a", 4.7e-11);
    ASSERT_TRUE(writer.Close());
    EXPECT_EQ(ReadHostFile("w.ini"), ToGbk(L"\r\n[System]\r\nszIniFile=" + longPath +
                                           L"\r\nd=-0.5000000000\r\na=4.6999999999999999e-11\r\n"));
    CIniFile reader;
    ASSERT_TRUE(reader.Load(L"\\w.ini", CFile::modeRead));
    CString path;
    double a = 0.0;
    EXPECT_TRUE(reader.GetString(L"System", L"szIniFile", path));
    EXPECT_EQ(path, longPath);
    EXPECT_TRUE(reader.GetDouble(L"System", L"a", a));
    EXPECT_EQ(a, 4.7e-11);
}

TEST_F(CIniFileTest, NothingIsWrittenWithoutClose) {
    WriteHostFile("keep.ini", "old");
    {
        CIniFile writer;
        ASSERT_TRUE(writer.Open(L"\\keep.ini", kCreate));
        writer.WriteString(L"a", L"new");
    }
    EXPECT_EQ(ReadHostFile("keep.ini"), "old");
}

TEST_F(CIniFileTest, AntennaSectionsAreAppendedToAnExistingTableOnly) {
    AntennaRecord rec;
    rec.receiverType = L"SN8001";
    rec.AntennaType = L"HX-CSX601A";
    rec.AntHgtFactor = 0.0764;
    rec.GPSInstrumentHgt = 0.0884;
    rec.GpsInstrumentRadius = 0.12;
    CIniFile file;
    EXPECT_FALSE(file.WriteAntennaSection(L"\\Program Files", L"AntType.at", rec));
    EXPECT_FALSE(file.Close());
    EXPECT_FALSE(std::filesystem::exists(root_ / "Program Files" / "AntType.at"));

    WriteHostFile("Program Files/AntType.at", "\r\n[123456789]\r\nAntennaType=123456789\r\n");
    EXPECT_TRUE(file.WriteAntennaSection(L"\\Program Files", L"AntType.at", rec));
    rec.AntennaType = L"second";
    EXPECT_TRUE(file.WriteAntennaSection(L"\\Program Files\\", L"AntType.at", rec));
    EXPECT_EQ(ReadHostFile("Program Files/AntType.at"),
              "\r\n[123456789]\r\nAntennaType=123456789\r\n"
              "\r\n[SN8001]\r\nAntennaType=HX-CSX601A\r\nAntHgtFactor=0.0764000000\r\n"
              "GPSInstrumentHgt=0.0884000000\r\nGpsInstrumentRadius=0.1200000000\r\n"
              "\r\n[SN8001]\r\nAntennaType=second\r\nAntHgtFactor=0.0764000000\r\n"
              "GPSInstrumentHgt=0.0884000000\r\nGpsInstrumentRadius=0.1200000000\r\n");

    AntennaRecord back;
    back.receiverType = L"kept";
    ASSERT_TRUE(file.ReadAntennaSection(L"\\Program Files", L"AntType.at", L"SN8001", back));
    EXPECT_EQ(back.receiverType, L"kept");
    EXPECT_EQ(back.AntennaType, L"HX-CSX601A");
    EXPECT_EQ(back.GpsInstrumentRadius, 0.12);

    AntennaRecord none;
    ASSERT_TRUE(file.ReadAntennaSection(L"\\Program Files", L"AntType.at", L"SN9999", none));
    EXPECT_TRUE(none.AntennaType.IsEmpty());
    EXPECT_TRUE(messages_.Shown().empty());
}

TEST_F(CIniFileTest, AMissingAntennaTableIsReportedToTheCaller) {
    CIniFile file;
    AntennaRecord rec;
    EXPECT_FALSE(file.ReadAntennaSection(L"\\Program Files", L"AntType.at", L"SN1", rec));
    EXPECT_TRUE(messages_.Shown().empty());
}

// Both exports from their dialogs on a job "road" with a host double: the file written is the
// golden, an existing file is replaced only after "Yes", names of the job's own kinds and a job
// without data are refused, and the job's files are never touched.
#include "export/screens/CBlhExportDlg.h"
#include "export/screens/CResultExportDlg.h"
#include "platform/text/CodePage.h"
#include "tests/export/ExportSources.h"
#include "tests/foundation/screens/CoordLibraryHostDouble.h"

namespace {
using namespace exportdlg;

class HostDouble : public IExportHost {
public:
    CString PointFilePath() const override { return L"\\Jobs\\road\\data\\road.xyh"; }
    CString RawFilePath() const override { return L"\\Jobs\\road\\data\\road.blh"; }
    CString ResultFolder() const override { return L"\\Jobs\\road\\result\\"; }
    CString PointFileTitle() const override { return L"road"; }
    const CoordSysParams& CoordParams() const override { return kNoParams; }
    const CCoordTransform& FixConverter() const override { return kNoConverter; }
};

class ExportDlgsTest : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        WriteHostFile("Jobs/road/data/road.xyh", ToGbk(kPointFile));
        WriteHostFile("Jobs/road/data/road.blh", ToGbk(kRawFile));
        WriteHostFile("Jobs/road/result/.keep", "");
    }
    void TearDown() override {
        EXPECT_EQ(ReadHostFile("Jobs/road/data/road.xyh"), ToGbk(kPointFile));
        EXPECT_EQ(ReadHostFile("Jobs/road/data/road.blh"), ToGbk(kRawFile));
        ScreenTest::TearDown();
    }
    HostDouble host;
};
}  // namespace

TEST_F(ExportDlgsTest, PointFileInTheCommonLayoutThenReplacedAfterYes) {
    ui.OnModal(resultexport::IDD, [&](CDialog& d) {
        EXPECT_EQ(ui.GetText(d, kSource), L"road.xyh");
        EXPECT_EQ(ui.GetText(d, kFileName), L"road.dat");
        ui.Screenshot(QZ_BINARY_DIR "/export-result.png");
        ui.ExpectMessageBox(L"已输出3个点到road.dat");
        ui.Click(d, IDOK);
    });
    EXPECT_EQ(CResultExportDlg(host).DoModal(), IDOK);
    EXPECT_EQ(ReadHostFile("Jobs/road/result/road.dat"), ReadExportGolden("points-name-code-east-north.dat"));

    ui.OnModal(resultexport::IDD, [&](CDialog& d) {
        ui.Click(d, resultexport::kNameCodeNorthEast);
        ui.ExpectMessageBox(L"文件已存在,是否覆盖?", IDNO);
        ui.Click(d, IDOK);
        EXPECT_FALSE(d.HasEnded());
        EXPECT_EQ(ReadHostFile("Jobs/road/result/road.dat"),
                  ReadExportGolden("points-name-code-east-north.dat"));
        ui.ExpectMessageBox(L"文件已存在,是否覆盖?", IDYES);
        ui.ExpectMessageBox(L"已输出3个点到road.dat");
        ui.Click(d, IDOK);
    });
    CResultExportDlg(host).DoModal();
    EXPECT_EQ(ReadHostFile("Jobs/road/result/road.dat"), ReadExportGolden("points-name-code-north-east.csv"));
}

TEST_F(ExportDlgsTest, RefusedNamesAndMissingData) {
    ui.OnModal(resultexport::IDD, [&](CDialog& d) {
        ui.SetText(d, kFileName, L"road.xyh");
        ui.ExpectMessageBox(L"不能输出为工程自身的文件类型,请换一个扩展名!");
        ui.Click(d, IDOK);
        ui.SetText(d, kFileName, L"  ");
        ui.ExpectMessageBox(L"请输入文件名!");
        ui.Click(d, IDOK);
        ui.SetText(d, kFileName, L"..\\data\\x.txt");
        ui.ExpectMessageBox(L"文件名不能含有\\ / : * ? \" < > |等字符!");
        ui.Click(d, IDOK);
        ui.Click(d, IDCANCEL);
    });
    CResultExportDlg(host).DoModal();
    class NoRawFile : public HostDouble {
        CString RawFilePath() const override { return L"\\Jobs\\road\\data\\none.blh"; }
    } noRaw;
    // Without the raw file no point has a record to take its latitude and longitude from.
    ui.OnModal(blhexport::IDD, [&](CDialog& d) {
        ui.ExpectMessageBox(L"P1、点2、P3没有原始记录,未输出");
        ui.Click(d, IDOK);
        ui.Click(d, IDCANCEL);
    });
    CBlhExportDlg(noRaw).DoModal();
    EXPECT_FALSE(std::filesystem::exists(root_ / "Jobs/road/result/road.dat"));
}

TEST_F(ExportDlgsTest, RawRecordsAsPackedAngles) {
    ui.OnModal(blhexport::IDD, [&](CDialog& d) {
        EXPECT_EQ(ui.GetText(d, kSource), L"road.xyh");
        ui.Click(d, blhexport::kPacked);
        ui.SetText(d, kFileName, L"blh.txt");
        ui.Screenshot(QZ_BINARY_DIR "/export-blh.png");
        ui.ExpectMessageBox(L"已输出2个点到blh.txt\nP3没有原始记录,未输出");
        ui.Click(d, IDOK);
    });
    CBlhExportDlg(host).DoModal();
    EXPECT_EQ(ReadHostFile("Jobs/road/result/blh.txt"), ReadExportGolden("blh-packed.txt"));
}

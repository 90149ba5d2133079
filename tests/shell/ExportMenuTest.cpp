// The results exports from the 工程 menu, on the frame's current point file.
#include "platform/text/CodePage.h"
#include "resources/ExportDlgs.h"
#include "tests/export/ExportSources.h"
#include "tests/shell/FrameProbe.h"
#include "tests/shell/FrameTestSupport.h"

TEST_F(FrameTest, ResultsExportsRunFromTheJobMenuOnTheCurrentPointFile) {
    FrameProbe::Job(frame).UseJobPaths(L"\\job\\j.qzs", L"pts.xyh");
    WriteHostFile("job/data/pts.xyh", ToGbk(kPointFile));
    WriteHostFile("job/data/pts.blh", ToGbk(kRawFile));
    WriteHostFile("job/result/.keep", "");
    frame.ShowWindow(SW_SHOW);
    ui_.OnModal(resultexport::IDD, [&](CDialog& d) {
        EXPECT_EQ(d.GetOwner(), &frame);
        EXPECT_EQ(ui_.GetText(d, exportdlg::kSource), L"pts.xyh");
        ui_.ExpectMessageBox(L"已输出3个点到pts.dat");
        ui_.Click(d, IDOK);
    });
    ASSERT_TRUE(ui_.ChooseMenu(FrameProbe::CommandBar(frame), {L"工程F", L"5文件输出"}));
    ui_.Pump();
    EXPECT_EQ(ReadHostFile("job/result/pts.dat"), ReadExportGolden("points-name-code-east-north.dat"));
    ui_.OnModal(blhexport::IDD, [&](CDialog& d) {
        ui_.ExpectMessageBox(L"已输出2个点到pts_BLH.txt\nP3没有原始记录,未输出");
        ui_.Click(d, IDOK);
    });
    ASSERT_TRUE(ui_.ChooseMenu(FrameProbe::CommandBar(frame), {L"工程F", L"6BLH输出"}));
    ui_.Pump();
    EXPECT_EQ(ReadHostFile("job/result/pts_BLH.txt"), ReadExportGolden("blh-decimal.txt"));
}

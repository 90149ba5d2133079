// The stake library's 输出 writes the rows as a coordinate file in the job's data folder; a name
// that is one of the job's own files (its point file here) is refused in the save dialog before
// any question about replacing it, and the file keeps its surveyed points.
#include "foundation/screens/CFileDialogs.h"
#include "resources/FileDialogs.h"
#include "resources/StakePointLibDlg.h"
#include "stakeout/StakeFiles.h"
#include "stakeout/screens/CStakePointLibDlg.h"
#include "tests/stakeout/screens/StakeHostDouble.h"

namespace {

class StakePointExportTest : public StakeScreenTest {
protected:
    StakeHostDouble host;
};

}  // namespace

TEST_F(StakePointExportTest, TheJobsPointFileIsRefusedAndAnotherNameTaken) {
    const std::string surveyed = "P1,3000000.000,500000.000,10.000,房角,1.500,\r\n";
    WriteHostFile("Jobs/road/data/road.xyh", surveyed);
    const std::vector<StakeRow> rows = {{L"K1", L"10", L"20", L"3", L"c"}, {L"K2", L"11", L"21", L"4", L"d"}};
    WriteHostFile("Jobs/road/stake.ptb", PtbBytes(rows));
    CStakePointLibDlg library(host, nullptr);
    library.SetLibraryPath(L"\\Jobs\\road\\stake.ptb");
    ui.OnModal(stakelib::IDD, [&](CDialog& d) {
        ui.OnModal(savefile::IDD, [&](CDialog& save) {
            ui.SetText(save, savefile::kName, L"ROAD");
            ui.ExpectMessageBox(kJobOwnNameRefusal);
            ui.Click(save, IDOK);
            EXPECT_FALSE(save.HasEnded());
            ui.SetText(save, savefile::kName, L"stake");
            ui.Click(save, IDOK);
        });
        ui.Click(d, stakelib::kExport);
        ui.Click(d, IDCANCEL);
    });
    library.DoModal();
    EXPECT_EQ(ReadHostFile("Jobs/road/data/road.xyh"), surveyed);
    EXPECT_EQ(ReadHostFile("Jobs/road/data/stake.xyh"), XyhExportBytes(rows));
}

#include "stakeout/screens/CStakeLineLibDlg.h"

#include "foundation/screens/CFileDialogs.h"
#include "foundation/screens/CFileOpenModeDlg.h"
#include "platform/ui/StringTable.h"
#include "resources/StakeLineLibDlg.h"
#include "tests/stakeout/screens/StakeHostDouble.h"

namespace {

class StakeLineLibDlgTest : public StakeScreenTest {
protected:
    void SetUp() override {
        StakeScreenTest::SetUp();
        WriteHostFile("Jobs/road/road.lnb", "A,1.23456,2,3,c,B,10,20,30,d,5\r\nC,0,0,0,,D,3,4,0,,0\r\n");
        WriteHostFile("Jobs/road/more.lnb", "E,0,0,0,,F,0,1,0,,7\r\n");
        ASSERT_TRUE(dlg.Create(linelib::IDD));
        dlg.ShowWindow(SW_SHOW);
        ui.Pump();
    }
    CListCtrl& List() { return *dynamic_cast<CListCtrl*>(dlg.GetDlgItem(linelib::kList)); }
    void Select(int row) { List().SetItemState(row, LVIS_SELECTED, LVIS_SELECTED); }

    CStakeLineLibDlg dlg{host, nullptr};
};

TEST_F(StakeLineLibDlgTest, EditRoundsUntouchedCoordinatesAndInsertGoesBeforeTheSelection) {
    EXPECT_EQ(List().GetItemText(1, 2), L"5.0000");
    Select(0);
    ui.OnModal(lineedit::IDD_EDIT, [&](CDialog& d) {
        EXPECT_EQ(ui.GetText(d, lineedit::kStartX), L"1.235");
        EXPECT_EQ(ui.GetText(d, lineedit::kStartMileage), L"5.0000");
        d.SendMessage(WM_COMMAND, IDOK);
    });
    ui.Click(dlg, linelib::kEdit);
    EXPECT_EQ(dlg.Lines()[0].start.x, 1.235);
    ui.OnModal(lineedit::IDD_ADD, [&](CDialog& d) {
        ui.SetText(d, lineedit::kStartName, L"N");
        ui.SetText(d, lineedit::kStartX, L"0");
        ui.SetText(d, lineedit::kStartY, L"0");
        ui.SetText(d, lineedit::kStartH, L"0");
        ui.SetText(d, lineedit::kEndName, L"M");
        ui.SetText(d, lineedit::kEndX, L"1");
        ui.SetText(d, lineedit::kEndY, L"0");
        ui.SetText(d, lineedit::kEndH, L"0");
        d.SendMessage(WM_COMMAND, IDOK);
    });
    ui.Click(dlg, linelib::kInsert);
    ASSERT_EQ(dlg.Lines().size(), 3u);
    EXPECT_EQ(dlg.Lines()[0].start.name, L"N");
    EXPECT_EQ(List().GetItemText(0, 0), L"N-M");
    EXPECT_EQ(List().GetItemText(0, 2), L"1.0000");
}

TEST_F(StakeLineLibDlgTest, AppendKeepsTheFileNameAndAnOpenIsNoChange) {
    ui.OnModal(COpenFileDlg::IDD, [&](CDialog& d) {
        ui.SetText(d, openfile::kPath, L"\\Jobs\\road\\more.lnb");
        d.SendMessage(WM_COMMAND, IDOK);
    });
    ui.OnModal(CFileOpenModeDlg::IDD, [&](CDialog& d) { d.SendMessage(WM_COMMAND, openmode::kAppend); });
    ui.ExpectMessageBox(L"确实要追加吗?", IDOK);
    ui.Click(dlg, linelib::kOpen);
    EXPECT_EQ(dlg.Lines().size(), 3u);
    EXPECT_EQ(ui.GetText(dlg, linelib::kFileName), L"\\Jobs\\road\\road.lnb");
    Select(2);
    dlg.SendMessage(WM_COMMAND, IDOK);
    // Nothing was changed, so the file stays as it was.
    EXPECT_EQ(ReadHostFile("Jobs/road/road.lnb"),
              "A,1.23456,2,3,c,B,10,20,30,d,5\r\nC,0,0,0,,D,3,4,0,,0\r\n");
    EXPECT_TRUE(dlg.Selected());
    EXPECT_EQ(dlg.SelectedIndex(), 2);
}

TEST_F(StakeLineLibDlgTest, ADamagedLibraryIsToldOnceAndKeptAsBadBeforeItIsSavedOver) {
    const std::string damaged =
        "A,1,2,3,c,B,10,20,30,d,5\r\nC,0,0,zero,,D,3,4,0,,0\r\nE,0,0,0,,F,0,1,0,,7\r\nG,1";
    WriteHostFile("Jobs/road/road.lnb", damaged);
    CStakeLineLibDlg other{host, nullptr};
    ui.ExpectMessageBox(L"road.lnb中有2行已损坏,已跳过");
    ASSERT_TRUE(other.Create(linelib::IDD));
    other.ShowWindow(SW_SHOW);
    ui.Pump();
    ASSERT_EQ(other.Lines().size(), 2u);
    CListCtrl& list = *dynamic_cast<CListCtrl*>(other.GetDlgItem(linelib::kList));
    list.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
    ui.ExpectMessageBox(LoadStringResource(linelib::kAskDelete), IDYES);
    ui.Click(other, linelib::kDelete);
    list.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
    ui.ExpectMessageBox(L"road.lnb已损坏,原文件保存为\\Jobs\\road\\road.lnb.bad");
    other.SendMessage(WM_COMMAND, IDOK);
    EXPECT_EQ(ReadHostFile("Jobs/road/road.lnb.bad"), damaged);
    EXPECT_EQ(ReadHostFile("Jobs/road/road.lnb"),
              "A,1.0000,2.0000,3.0000,c,B,10.0000,20.0000,30.0000,d,5.0000\r\n");
}

}  // namespace

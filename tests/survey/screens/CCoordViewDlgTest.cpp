#include "survey/screens/CCoordViewDlg.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include "platform/files/FileSystemCalls.h"
#include "platform/testing/UiDriver.h"
#include "platform/text/CodePage.h"
#include "resources/DataEditDlg.h"
#include "survey/screens/SurveyPointStore.h"
#include "tests/platform/files/DeviceRootFixture.h"
#include "tests/survey/GoldenProject.h"
#include "tests/survey/screens/SurveyHostDouble.h"

namespace {
using namespace coordview;

const wchar_t* const kTail = L",0,0.00,0,0,0.000,0,0.000,,,0.000,,,0.000,0.000,,,,0,,,\r\n";

class FullDisk : public FileSystemCalls {
public:
    ssize_t Write(int, const void*, size_t) override {
        errno = ENOSPC;
        return -1;
    }
};

class CoordViewTest : public DeviceRootTest {
protected:
    void SetUp() override {
        DeviceRootTest::SetUp();
        InitCommonControls();
        // The three points of the golden files, before any change.
        WriteFile(SurveyGolden("antenna.xyh"));
        std::string text = File();
        const std::string edited = ToGbk(CString(L"桩3,3456791.000,512347.000,99.800,电杆,2.000"));
        text.replace(text.find(edited), edited.size(),
                     ToGbk(CString(L"桩3,3456791.000,512347.000,100.000,电杆,1.800")));
        WriteFile(text);
    }
    void WriteFile(const std::string& bytes) { WriteHostFile("Jobs/road/data/road.xyh", bytes); }
    std::string File() const { return ReadHostFile("Jobs/road/data/road.xyh"); }
    void Open() {
        ASSERT_TRUE(view.Create(CCoordViewDlg::IDD));
        ui.Pump();
    }
    void TearDown() override {
        if (view.GetSafeHwnd()) view.DestroyWindow();
        DeviceRootTest::TearDown();
    }
    void Select(int row) {
        CRect r;
        ASSERT_TRUE(view.List().GetItemRect(row, &r, LVIR_BOUNDS));
        ui.Tap(view.List(), CPoint(r.left + 30, r.CenterPoint().y));
        ui.Advance(1000);
    }
    std::vector<CString> Names() {
        std::vector<CString> names;
        for (int row = 0; row < view.List().GetItemCount(); ++row)
            names.push_back(view.List().GetItemText(row, 0));
        return names;
    }
    std::vector<CString> Shown() {
        return {ui.GetText(view, kName), ui.GetText(view, kX), ui.GetText(view, kY), ui.GetText(view, kH)};
    }

    CUiDriver ui;
    SurveyHostDouble host;
    CCoordViewDlg view{host};
};

}  // namespace

TEST_F(CoordViewTest, NewestFirstWithTheNewestSelectedAndShown) {
    Open();
    EXPECT_EQ(Names(), (std::vector<CString>{L"桩3", L"桩2", L"桩1"}));
    EXPECT_EQ(view.List().GetNextItem(-1, LVNI_SELECTED), 0);
    EXPECT_EQ(view.List().GetNextItem(-1, LVNI_FOCUSED), 0);
    EXPECT_EQ(Shown(), (std::vector<CString>{L"桩3", L"3456791.000", L"512347.000", L"100.000"}));
    EXPECT_EQ(view.List().GetItemText(1, 1), L"地形点");
    Select(2);
    EXPECT_EQ(Shown(), (std::vector<CString>{L"桩1", L"3456789.123", L"512345.678", L"55.289"}));
}

TEST_F(CoordViewTest, DeleteAsksThenRewritesTheFileAndReloadsTheMap) {
    Open();
    Select(1);
    ui.ExpectMessageBox(L"确实要删除该项吗?", IDNO);
    ui.Click(view, kDelete);
    EXPECT_EQ(view.List().GetItemCount(), 3);
    ui.ExpectMessageBox(L"确实要删除该项吗?", IDYES);
    ui.Click(view, kDelete);
    EXPECT_EQ(File(), SurveyGolden("deleted.xyh"));
    EXPECT_EQ(Names(), (std::vector<CString>{L"桩3", L"桩1"}));
    EXPECT_EQ(host.reloads, 1);
    // Nothing is selected now: the buttons do nothing.
    ui.Click(view, kDelete);
    ui.Click(view, kEdit);
}

TEST_F(CoordViewTest, EditKeepsAPointStoredWhileTheViewWasOpen) {
    Open();
    const std::string stored = ToGbk(CString(L"桩4,1.000,2.000,3.000,码,1.000,10,,,,,,,1,3,2") + kTail);
    std::ofstream(root_ / "Jobs/road/data/road.xyh", std::ios::binary | std::ios::app) << stored;
    ui.OnModal(dataedit::IDD, [&](CDialog& edit) {
        ui.SetText(edit, dataedit::kAntennaHeight, L"2.000");
        ui.ExpectMessageBox(L"确定编辑吗?", IDYES);
        ui.Click(edit, IDOK);
    });
    ui.Click(view, kEdit);
    EXPECT_EQ(File(), SurveyGolden("antenna.xyh") + stored);
    EXPECT_EQ(Names(), (std::vector<CString>{L"桩4", L"桩3", L"桩2", L"桩1"}));
    EXPECT_EQ(view.List().GetNextItem(-1, LVNI_SELECTED), 1);
    EXPECT_EQ(view.List().GetItemText(1, 4), L"99.800");
    EXPECT_EQ(host.reloads, 1);
}

TEST_F(CoordViewTest, RefusedChangesLeaveFileAndListAsTheyWere) {
    Open();
    const std::string before = File();
    {
        FullDisk full;
        ScopedFileSystemCalls calls(full);
        ui.ExpectMessageBox(L"确实要删除该项吗?", IDYES);
        ui.ExpectMessageBox(L"打开文件失败");
        ui.Click(view, kDelete);
    }
    EXPECT_EQ(File(), before);
    EXPECT_EQ(view.List().GetItemCount(), 3);

    // A line changed under the view: refused, and the view shows the file as it now is.
    std::string changed = before;
    changed.replace(changed.find("55.289"), 6, "55.300");
    WriteFile(changed);
    ui.ExpectMessageBox(L"确实要删除该项吗?", IDYES);
    ui.ExpectMessageBox(L"文件已被修改,请重新打开!");
    ui.Click(view, kDelete);
    EXPECT_EQ(File(), changed);
    EXPECT_EQ(view.List().GetItemText(2, 4), L"55.300");
    EXPECT_EQ(host.reloads, 0);
}

TEST_F(CoordViewTest, MissingFileListsNothingAndAnUnreadableOneIsTold) {
    std::filesystem::remove(root_ / "Jobs/road/data/road.xyh");
    Open();
    EXPECT_EQ(view.List().GetItemCount(), 0);
    EXPECT_TRUE(ui.MessageBoxes().empty());
    view.DestroyWindow();

    std::filesystem::create_directories(root_ / "Jobs/road/data/road.xyh");
    ui.ExpectMessageBox(L"打开文件错误!");
    CCoordViewDlg unreadable(host);
    ASSERT_TRUE(unreadable.Create(CCoordViewDlg::IDD));
    EXPECT_EQ(unreadable.List().GetItemCount(), 0);
    unreadable.DestroyWindow();
}

TEST_F(CoordViewTest, TheFieldsBelowShowTheSelectedRowHoweverItIsChosen) {
    Open();
    struct Step {
        const char* what;
        std::function<void()> act;
        const wchar_t* shown;
    };
    const Step steps[] = {
        {"tap the middle row", [&] { Select(1); }, L"桩2"},
        {"key down", [&] { ui.PressKey(VK_DOWN); }, L"桩1"},
        {"key home", [&] { ui.PressKey(VK_HOME); }, L"桩3"},
        {"key end", [&] { ui.PressKey(VK_END); }, L"桩1"},
        {"tap the top row", [&] { Select(0); }, L"桩3"},
        {"key page down", [&] { ui.PressKey(VK_NEXT); }, L"桩1"},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        step.act();
        EXPECT_EQ(ui.GetText(view, kName), step.shown);
        EXPECT_EQ(view.List().GetItemText(view.List().GetNextItem(-1, LVNI_SELECTED), 0), step.shown);
    }
    // The row the fields show is the row deleted; with none selected after it the fields are empty.
    Select(1);
    ui.ExpectMessageBox(L"确实要删除该项吗?", IDYES);
    ui.Click(view, kDelete);
    EXPECT_EQ(Names(), (std::vector<CString>{L"桩3", L"桩1"}));
    EXPECT_EQ(Shown(), (std::vector<CString>{L"", L"", L"", L""}));
}

TEST_F(CoordViewTest, TheNorthColumnShowsWholeBesideNameAndKind) {
    Open();
    CRect cell;
    ASSERT_TRUE(view.List().GetItemRect(0, &cell, LVIR_BOUNDS));
    CRect client;
    view.List().GetClientRect(&client);
    // The three first columns end inside the rows' width that shows (less the vertical bar).
    const int north =
        view.List().GetColumnWidth(0) + view.List().GetColumnWidth(1) + view.List().GetColumnWidth(2);
    EXPECT_LE(cell.left + north, client.right - kScrollBarSize);
}

TEST_F(CoordViewTest, LinesThatHoldNoPointAreToldOnceThroughTheHost) {
    WriteFile(File() + "garbage\r\n" + ToGbk(CString(L"桩x,北,2.000,3.000") + kTail));
    Open();
    EXPECT_EQ(Names(), (std::vector<CString>{L"桩3", L"桩2", L"桩1"}));
    ASSERT_EQ(host.toldSkipped.size(), 1u);
    EXPECT_EQ(host.toldSkipped[0].first, host.pointFile);
    EXPECT_EQ(host.toldSkipped[0].second, 2u);
}

// Automatic storing goes on behind the open view: a point it stores joins at the top within a
// second, and the selection stays on the point it was on.
TEST_F(CoordViewTest, APointStoredWhileTheViewIsOpenJoinsAtTheTop) {
    std::filesystem::create_directories(root_ / "data");
    host.files.point = host.pointFile;
    host.store.point.extraText = L"桩4";
    Open();
    Select(1);
    CSurveyPointStore store(host, nullptr);
    ASSERT_EQ(store.StoreQuickPoint(TestFix(), {}).number, 1);
    ui.Advance(1000);
    EXPECT_EQ(Names(), (std::vector<CString>{L"桩4", L"桩3", L"桩2", L"桩1"}));
    EXPECT_EQ(view.List().GetNextItem(-1, LVNI_SELECTED), 2);
    EXPECT_EQ(ui.GetText(view, kName), L"桩2");
    EXPECT_EQ(view.List().GetItemText(0, 2), L"1000.000");
}

TEST_F(CoordViewTest, NoRowJoinsWhileAChangeIsAskedForSoTheChosenRowIsChanged) {
    Open();
    Select(1);
    const std::string stored = ToGbk(CString(L"桩4,1.000,2.000,3.000,码,1.000,10,,,,,,,1,3,2") + kTail);
    ui.OnModal(dataedit::IDD, [&](CDialog& edit) {
        std::ofstream(root_ / "Jobs/road/data/road.xyh", std::ios::binary | std::ios::app) << stored;
        ui.Advance(3000);
        ui.SetText(edit, dataedit::kAntennaHeight, L"2.000");
        ui.ExpectMessageBox(L"确定编辑吗?", IDYES);
        ui.Click(edit, IDOK);
    });
    ui.Click(view, kEdit);
    EXPECT_EQ(Names(), (std::vector<CString>{L"桩4", L"桩3", L"桩2", L"桩1"}));
    EXPECT_EQ(view.List().GetNextItem(-1, LVNI_SELECTED), 2);
    EXPECT_EQ(view.List().GetItemText(2, 16), L"2.000");
    EXPECT_EQ(view.List().GetItemText(1, 16), L"1.800");
}

// The rows go back to the host as the view's window goes, read and kept; the view object may then
// outlive its host, as a benchmark's or a screen's may.
TEST_F(CoordViewTest, RowsGoBackWhenTheWindowGoesSoTheViewMayOutliveItsHost) {
    auto other = std::make_unique<SurveyHostDouble>();
    other->pointFile = host.pointFile;
    auto second = std::make_unique<CCoordViewDlg>(*other);
    ASSERT_TRUE(second->Create(CCoordViewDlg::IDD));
    ui.Pump();
    EXPECT_EQ(other->coordViewRows, nullptr);  // lent to the open view
    second->DestroyWindow();
    ui.Pump();
    ASSERT_NE(other->coordViewRows, nullptr);
    EXPECT_EQ(other->coordViewRows->Count(), 3);
    other.reset();
    second.reset();  // touches no host
}

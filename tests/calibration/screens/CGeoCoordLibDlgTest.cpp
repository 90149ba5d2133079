// The latitude/longitude library headless: adding with the refusals, editing, finding, the pick
// and its refusal without a selection, importing a raw record file, and cancelling changes.
#include "calibration/GeoLibrary.h"
#include "calibration/screens/CGeoCoordLibDlg.h"
#include "resources/FileDialogs.h"
#include "resources/FileOpenModeDlg.h"
#include "tests/calibration/screens/CalibrationHostDouble.h"

namespace {
using GeoCoordLibDlgTest = CalibrationScreenTest;
constexpr const char* kLibrary = "Program Files/Jobs/road/road.WGS";

void SelectRow(CDialog& d, int row) {
    LVITEM item{};
    item.stateMask = LVIS_SELECTED;
    item.state = LVIS_SELECTED;
    d.SendDlgItemMessage(geolib::kList, LVM_SETITEMSTATE, static_cast<WPARAM>(row),
                         reinterpret_cast<LPARAM>(&item));
}

int SelectedRow(CDialog& d) {
    return static_cast<int>(
        d.SendDlgItemMessage(geolib::kList, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}
}  // namespace

TEST_F(GeoCoordLibDlgTest, AddFindAndPickSavesTheLibrary) {
    WriteHostFile(kLibrary, "A2,23.1,113.1,1,c,\r\n2B,23.2,113.2,2,c,\r\nK7,23.3,113.3,3,c,\r\n");
    GeoPointChoice choice;
    ui.OnModal(geolib::IDD, [&](CDialog& d) {
        ui.OnModal(geopoint::IDD_ADD, [&](CDialog& a) {
            ui.SetText(a, geopoint::kName, L"N1");
            ui.SetText(a, geopoint::kB, L"23.07591234");
            ui.SetText(a, geopoint::kL, L"113.2");
            ui.SetText(a, geopoint::kH, L"12.5");
            ui.SetText(a, geopoint::kAttribute, L"a,b");
            ui.ExpectMessageBox(L"点名和编码中不能有逗号,请重新输入!");
            ui.Click(a, IDOK);
            EXPECT_EQ(CWnd::GetFocus(), a.GetDlgItem(geopoint::kAttribute));
            ui.SetText(a, geopoint::kAttribute, L"00000000");
            ui.Click(a, IDOK);
        });
        ui.Click(d, geolib::kAdd);

        ui.ExpectMessageBox(L"没有选中任何点，退出请按退出按钮");
        ui.Click(d, IDOK);
        EXPECT_FALSE(d.HasEnded());

        ui.OnModal(geofind::IDD, [&](CDialog& f) {
            ui.SetText(f, geofind::kText, L"2");
            ui.Click(f, geofind::kSearch);
            EXPECT_EQ(ui.GetText(f, geofind::kB), L"23.2000000000");  // 2B comes before A2
            ui.ChooseItem(f, geofind::kNames, 1);
            EXPECT_EQ(ui.GetText(f, geofind::kH), L"1.0000000000");
            ui.SetText(f, geofind::kText, L"Z");
            ui.Click(f, geofind::kSearch);
            EXPECT_EQ(ui.GetText(f, geofind::kB), L"");
            ui.SetText(f, geofind::kText, L"N");
            ui.Click(f, geofind::kSearch);
            ui.Click(f, IDOK);
        });
        ui.Click(d, geolib::kFind);
        EXPECT_EQ(SelectedRow(d), 3);
        ASSERT_TRUE(ui.Screenshot(QZ_BINARY_DIR "/calibration-geo-library.png"));
        ui.Click(d, IDOK);
    });
    choice = PickFromGeoLibrary(host, nullptr);
    EXPECT_TRUE(choice.chosen);
    EXPECT_EQ(choice.name, L"N1");
    EXPECT_EQ(choice.latitude, L"23.07591234");
    EXPECT_EQ(choice.code, L"00000000");
    EXPECT_EQ(ReadHostFile(kLibrary),
              "A2,23.1,113.1,1,c,\r\n2B,23.2,113.2,2,c,\r\nK7,23.3,113.3,3,c,\r\nN1,23.07591234,113.2,12.5,"
              "00000000,\r\n");
}

TEST_F(GeoCoordLibDlgTest, ImportEditDeleteAndCancelWithoutSaving) {
    WriteHostFile(kLibrary, "A,1,2,3,c,\r\n");
    WriteHostFile("Program Files/Jobs/road/data/p.blh",
                  "Rem header\r\nK1,23.0759123400,113.2000000000,15.500,00000000,1.500,\r\n");
    CGeoCoordLibDlg dlg(
        {host.RootFolder(), host.DataFolder(), GeoLibraryPath(host.JobFolder(), host.JobFileName())},
        nullptr);
    ui.OnModal(geolib::IDD, [&](CDialog& d) {
        ui.OnModal(openfile::IDD, [&](CDialog& o) {
            ui.SetText(o, openfile::kPath, L"\\Program Files\\Jobs\\road\\data\\p.blh");
            ui.Click(o, IDOK);
        });
        ui.OnModal(openmode::IDD, [&](CDialog& m) { ui.Click(m, openmode::kAppend); });
        ui.ExpectMessageBox(L"确实要追加吗?");
        ui.Click(d, geolib::kOpen);

        SelectRow(d, 0);
        ui.OnModal(geopoint::IDD_EDIT, [&](CDialog& e) {
            EXPECT_EQ(ui.GetText(e, geopoint::kName), L"A");
            ui.SetText(e, geopoint::kH, L"abc");
            ui.ExpectMessageBox(L"坐标和高程必须是数字,请重新输入!");
            ui.Click(e, IDOK);
            ui.SetText(e, geopoint::kH, L"4");
            ui.Click(e, IDOK);
        });
        ui.Click(d, geolib::kEdit);
        ui.ExpectMessageBox(L"确实要删除该项吗?", IDYES);
        ui.Click(d, geolib::kDelete);
        ui.ExpectMessageBox(L"保存修改过的坐标库吗?", IDNO);
        ui.Click(d, IDCANCEL);
    });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    ASSERT_EQ(dlg.Rows().size(), 1u);
    EXPECT_EQ(dlg.Rows()[0], (GeoRow{L"K1", L"23.0759123400", L"113.2000000000", L"14.000", L"00000000"}));
    EXPECT_EQ(ReadHostFile(kLibrary), "A,1,2,3,c,\r\n");
    EXPECT_FALSE(dlg.m_choice.chosen);
}

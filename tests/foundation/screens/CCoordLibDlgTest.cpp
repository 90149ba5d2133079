#include "foundation/screens/CCoordLibDlg.h"

#include <filesystem>

#include "foundation/StoreJournal.h"
#include "foundation/screens/CFileDialogs.h"
#include "foundation/screens/CFilterSetDlg.h"
#include "foundation/screens/CFindPointDlg.h"
#include "foundation/screens/CPointDlg.h"
#include "platform/files/DevicePath.h"
#include "platform/text/CodePage.h"
#include "platform/text/Format.h"
#include "tests/foundation/screens/CoordLibraryHostDouble.h"

namespace {

class CoordLibDlgTest : public ScreenTest {
protected:
    void WriteLibrary(const wchar_t* text) { WriteHostFile("Jobs/road/road.lib", ToGbk(CString(text))); }
    std::string Library() { return ReadHostFile("Jobs/road/road.lib"); }
    // Lets the list fill completely.
    void FillAll(CCoordLibDlg& dlg) {
        for (int i = 0; i < 1000 && dlg.IsLoading(); ++i) ui.Pump();
        ASSERT_FALSE(dlg.IsLoading());
    }
    // Taps the row's number, as the user chooses a point.
    void Select(CCoordLibDlg& dlg, int row) {
        CRect r;
        ASSERT_TRUE(dlg.List().GetItemRect(row, &r, LVIR_BOUNDS));
        ui.Tap(dlg.List(), CPoint(r.left + 30, r.CenterPoint().y));
        ASSERT_EQ(dlg.List().GetNextItem(-1, LVNI_SELECTED), row);
    }
    static std::vector<CString> Column(CCoordLibDlg& dlg, int column) {
        std::vector<CString> texts;
        for (int row = 0; row < dlg.List().GetItemCount(); ++row)
            texts.push_back(dlg.List().GetItemText(row, column));
        return texts;
    }
    // Adds a point, is told the library cannot be saved, and leaves without saving.
    void AddPointThatCannotBeSaved(CCoordLibDlg& dlg, CDialog& d) {
        ui.OnModal(CAddPointDlg::IDD, [&](CDialog& add) {
            ui.SetText(add, point::kName, L"P");
            ui.SetText(add, point::kNorth, L"1");
            ui.SetText(add, point::kEast, L"2");
            ui.SetText(add, point::kHeight, L"3");
            ui.Click(add, IDOK);
        });
        ui.Click(d, coordlib::kAdd);
        Select(dlg, 0);
        ui.ExpectMessageBox(L"坐标管理库文件保存失败!");
        ui.Click(d, IDOK);
        EXPECT_FALSE(d.HasEnded());
        ui.ExpectMessageBox(L"数据已修改,保存修改的数据吗?", IDNO);
        ui.PressKey(VK_ESCAPE);
    }
    static std::vector<CString> Headings(CCoordLibDlg& dlg) {
        std::vector<CString> texts;
        wchar_t text[32];
        LVCOLUMN info;
        info.mask = LVCF_TEXT;
        info.pszText = text;
        info.cchTextMax = 32;
        for (int column = 0; dlg.List().GetColumn(column, &info); ++column) texts.push_back(text);
        return texts;
    }
};

}  // namespace

TEST_F(CoordLibDlgTest, LargeLibraryListsInChunksWithTheCommandsHidden) {
    CString text;
    for (int i = 0; i < 2000; ++i) text += Format(L"0,P%d,1,2,3,\r\n", i);
    WriteLibrary(text);
    // Opened modelessly, the test sees the dialog before the message loop has listed anything.
    CCoordLibDlg dlg(frame, nullptr);
    ASSERT_TRUE(dlg.Create(CCoordLibDlg::IDD));
    EXPECT_TRUE(dlg.IsLoading());
    EXPECT_EQ(dlg.List().GetItemCount(), 0);
    EXPECT_FALSE(dlg.GetDlgItem(coordlib::kAdd)->IsWindowVisible());
    EXPECT_FALSE(dlg.GetDlgItem(IDOK)->IsWindowVisible());
    EXPECT_TRUE(dlg.GetDlgItem(coordlib::kLoadingText)->IsWindowVisible());
    dlg.SendMessage(WM_COMMAND, IDOK);  // OK and close do nothing while loading
    dlg.SendMessage(WM_COMMAND, IDCANCEL);
    EXPECT_FALSE(dlg.HasEnded());
    ui.Pump();
    EXPECT_FALSE(dlg.IsLoading());
    EXPECT_EQ(dlg.List().GetItemCount(), 2000);
    EXPECT_EQ(dlg.List().GetItemText(1999, 1), L"P1999");
    EXPECT_TRUE(dlg.GetDlgItem(coordlib::kAdd)->IsWindowVisible());
    EXPECT_FALSE(dlg.GetDlgItem(coordlib::kLoadingText)->IsWindowVisible());
    dlg.DestroyWindow();
}

TEST_F(CoordLibDlgTest, PickerListsTheLibraryAndReturnsTheChosenRow) {
    WriteLibrary(L"0,起点,100.5,200,3,桩\r\n\r\n5,raw,1,2,3,\r\n1,P2,7,8,9,x");
    CCoordLibDlg dlg(frame, nullptr);
    ui.OnModal(CCoordLibDlg::IDD, [&](CDialog& d) {
        EXPECT_EQ(Headings(dlg),
                  (std::vector<CString>{L"编号", L"点名", L"北坐标", L"东坐标", L"高程", L"属性", L"描述"}));
        FillAll(dlg);
        // Every point is listed: past the empty line, the raw point and the unterminated last line.
        EXPECT_EQ(Column(dlg, 1), (std::vector<CString>{L"起点", L"raw", L"P2"}));
        EXPECT_EQ(Column(dlg, 6), (std::vector<CString>{L"输入点", L"原始点", L"有效点"}));
        EXPECT_EQ(dlg.List().GetItemText(0, 2), L"100.5");

        ui.ExpectMessageBox(L"没有选中任何点，退出请按退出按钮");
        ui.Click(d, IDOK);
        EXPECT_FALSE(d.HasEnded());
        Select(dlg, 2);
        ui.Click(d, IDOK);
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_nChosen, 1);
    EXPECT_EQ(dlg.m_strName, L"P2");
    EXPECT_EQ(dlg.m_strHeight, L"9");
    EXPECT_EQ(Library(),
              ToGbk(CString(L"0,起点,100.5,200,3,桩\r\n\r\n5,raw,1,2,3,\r\n1,P2,7,8,9,x")));  // unchanged
}

TEST_F(CoordLibDlgTest, AddEditDeleteThenOkSavesWithoutDeletedPoints) {
    WriteLibrary(L"0,基准点A,3456700.125,512300.5,40.25,电杆\r\n1,B,4,5,6,c\r\n");
    CCoordLibDlg dlg(frame, nullptr);
    ui.OnModal(CCoordLibDlg::IDD, [&](CDialog& d) {
        FillAll(dlg);
        ui.OnModal(CAddPointDlg::IDD, [&](CDialog& add) {
            EXPECT_FALSE(add.GetDlgItem(point::kPickFromLibrary)
                             ->IsWindowVisible());  // no picking from the open library
            EXPECT_FALSE(add.GetDlgItem(point::kPickGeodetic)->IsWindowVisible());
            ui.SetText(add, point::kName, L"新,点");
            ui.SetText(add, point::kNorth, L"10.5");
            ui.SetText(add, point::kEast, L"东");
            ui.SetText(add, point::kHeight, L"1");
            ui.ExpectMessageBox(L"点名和属性中不能有逗号,请重新输入!");
            ui.Click(add, IDOK);
            EXPECT_FALSE(add.HasEnded());
            ui.SetText(add, point::kName, L"新点");
            ui.ExpectMessageBox(L"坐标和高程必须是数字,请重新输入!");
            ui.Click(add, IDOK);
            EXPECT_FALSE(add.HasEnded());
            EXPECT_EQ(CWnd::GetFocus(), add.GetDlgItem(point::kEast));
            ui.SetText(add, point::kEast, L"20");
            ui.SetText(add, point::kCode, L"界桩");
            ui.Click(add, IDOK);
        });
        ui.Click(d, coordlib::kAdd);
        EXPECT_EQ(dlg.List().GetItemText(2, 0), L"2");
        EXPECT_EQ(dlg.List().GetItemText(2, 2), L"10.5");
        EXPECT_EQ(dlg.List().GetItemText(2, 6), L"输入点");
        // Deleting B keeps the numbers of the others.
        Select(dlg, 1);
        ui.ExpectMessageBox(L"确实要删除该项吗?", IDYES);
        ui.Click(d, coordlib::kDelete);
        EXPECT_EQ(Column(dlg, 0), (std::vector<CString>{L"0", L"2"}));
        Select(dlg, 0);
        ui.OnModal(CEditPointDlg::IDD, [&](CDialog& edit) {
            EXPECT_EQ(ui.GetText(edit, point::kName), L"基准点A");
            EXPECT_EQ(ui.GetText(edit, point::kNorth), L"3456700.125");
            ui.SetText(edit, point::kName, L"基准点A2");
            ui.SetText(edit, point::kHeight, L"41.0004");
            ui.Click(edit, IDOK);
        });
        ui.Click(d, coordlib::kEdit);
        EXPECT_EQ(dlg.List().GetItemText(0, 1), L"基准点A2");
        EXPECT_EQ(dlg.List().GetItemText(0, 4), L"41.0004");  // as typed
        Select(dlg, 1);
        ui.Click(d, IDOK);
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_strName, L"新点");
    EXPECT_EQ(dlg.m_strEast, L"20");
    EXPECT_EQ(Library(), ToGbk(CString(L"0,基准点A2,3456700.125,512300.500,41.000,电杆\r\n"
                                       L"0,新点,10.500,20.000,1.000,界桩\r\n")));
}

// The journal records where its stores' library lines begin, which a save moves: the save settles
// the stores first, so that a deleted line of the same length as a store's never makes a start give
// that store its line again.
TEST_F(CoordLibDlgTest, ASaveSettlesTheStoresOfTheJournalFirst) {
    const std::string first = "4,A1,1.000,2.000,3.000,c\r\n", second = "4,A2,1.000,2.000,3.000,c\r\n";
    WriteHostFile("Jobs/road/road.lib", first + second);
    ASSERT_TRUE(AppendStoreRecord(L"\\Jobs\\road\\road.qzj",
                                  {L"A2", {{L"\\Jobs\\road\\road.lib", first.size(), second}}}));
    CCoordLibDlg dlg(frame, nullptr);
    ui.OnModal(CCoordLibDlg::IDD, [&](CDialog& d) {
        FillAll(dlg);
        Select(dlg, 0);
        ui.ExpectMessageBox(L"确实要删除该项吗?", IDYES);
        ui.Click(d, coordlib::kDelete);
        Select(dlg, 0);
        ui.Click(d, IDOK);
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(Library(), second);
    EXPECT_EQ(FinishInterruptedStore(L"\\Jobs\\road\\road.qzj").status, JournalRepair::kNone);
    EXPECT_EQ(Library(), second);
}

TEST_F(CoordLibDlgTest, ADamagedLibraryIsToldOnceAndKeptAsBadBeforeItIsSavedOver) {
    const wchar_t* const damaged = L"0,A,1,2,3,c\r\n\x01junk\r\n1,B,4,x,6,d\r\n1,C,7,8,9,e\r\n";
    WriteLibrary(damaged);
    CCoordLibDlg dlg(frame, nullptr);
    ui.ExpectMessageBox(L"road.lib中有2行已损坏,已跳过");
    ui.OnModal(CCoordLibDlg::IDD, [&](CDialog& d) {
        FillAll(dlg);
        EXPECT_EQ(Column(dlg, 1), (std::vector<CString>{L"A", L"C"}));
        Select(dlg, 1);
        ui.ExpectMessageBox(L"确实要删除该项吗?", IDYES);
        ui.Click(d, coordlib::kDelete);
        Select(dlg, 0);
        ui.ExpectMessageBox(L"road.lib已损坏,原文件保存为\\Jobs\\road\\road.lib.bad");
        ui.Click(d, IDOK);
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(ReadHostFile("Jobs/road/road.lib.bad"), ToGbk(CString(damaged)));
    EXPECT_EQ(Library(), "0,A,1.000,2.000,3.000,c\r\n");
}

TEST_F(CoordLibDlgTest, FilterHidesRawPointsAfterAChangeOnly) {
    WriteLibrary(L"5,raw,1,2,3,\r\n1,V,1,2,3,\r\n4,T,1,2,3,\r\n");
    CCoordLibDlg dlg(frame, nullptr);
    ui.OnModal(CCoordLibDlg::IDD, [&](CDialog& d) {
        FillAll(dlg);
        ui.OnModal(CFilterSetDlg::IDD, [&](CDialog& filter) { ui.Click(filter, IDOK); });
        ui.Click(d, coordlib::kFilter);
        EXPECT_FALSE(dlg.IsLoading());  // nothing changed: no rebuild
        EXPECT_EQ(dlg.List().GetItemCount(), 3);
        ui.OnModal(CFilterSetDlg::IDD, [&](CDialog& filter) {
            ui.Click(filter, filterset::kTerrain);  // terrain off
            ui.Click(filter, IDOK);
        });
        ui.Click(d, coordlib::kFilter);
        FillAll(dlg);
        EXPECT_EQ(Column(dlg, 1), std::vector<CString>{L"V"});
        EXPECT_EQ(Column(dlg, 0), std::vector<CString>{L"1"});
        ui.PressKey(VK_ESCAPE);
    });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(dlg.m_nChosen, 0);
}

TEST_F(CoordLibDlgTest, ImportOfStoredPointsAndDecliningToSave) {
    WriteLibrary(L"0,A,1,2,3,c\r\n");
    WriteHostFile("Jobs/road/data/pts.xyh", "S1,10,20,30,code,,,,,,,,,,2\r\n");
    CCoordLibDlg dlg(frame, nullptr);
    ui.OnModal(CCoordLibDlg::IDD, [&](CDialog& d) {
        FillAll(dlg);
        ui.OnModal(COpenFileDlg::IDD, [&](CDialog& open) {
            EXPECT_EQ(ui.GetText(open, openfile::kPath), L"\\Jobs\\road\\data");
            ui.ExpectMessageBox(L"未选择任何文件，请先选择文件!");
            ui.Click(open, IDOK);  // a folder is no file
            EXPECT_FALSE(open.HasEnded());
            auto& tree = *dynamic_cast<CFolderTreeCtrl*>(open.GetDlgItem(openfile::kTree));
            CRect item;
            ASSERT_TRUE(
                tree.GetItemRect(tree.FindChildItem(tree.GetSelectedItem(), L"pts.xyh"), &item, TRUE));
            ui.Tap(tree, item.CenterPoint());
            EXPECT_EQ(ui.GetText(open, openfile::kPath), L"\\Jobs\\road\\data\\pts.xyh");
            ui.ExpectMessageBox(L"确定将文件中的数据加入坐标管理库吗?", IDOK);
            ui.Click(open, IDOK);
        });
        ui.Click(d, coordlib::kImport);
        FillAll(dlg);
        EXPECT_EQ(Column(dlg, 6), (std::vector<CString>{L"输入点", L"边桩点"}));
        CRect window;
        d.GetWindowRect(&window);
        ui.ExpectMessageBox(L"数据已修改,保存修改的数据吗?", IDNO);
        ui.Tap(CPoint(window.right - 10, window.top + 10));  // the caption's close box
    });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(Library(), ToGbk(CString(L"0,A,1,2,3,c\r\n")));
}

TEST_F(CoordLibDlgTest, FailedSaveIsReportedAndTheDialogStaysOpen) {
    frame.jobFolder = L"\\Jobs\\gone";
    CCoordLibDlg dlg(frame, nullptr);
    ui.OnModal(CCoordLibDlg::IDD, [&](CDialog& d) { AddPointThatCannotBeSaved(dlg, d); });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(dlg.m_nChosen, 0);
}

TEST_F(CoordLibDlgTest, UnreadableLibraryIsReportedAndNeverOverwritten) {
    // A folder in the library's place cannot be read, as a file without read permission cannot.
    const std::filesystem::path library = DeviceRoot() / "Jobs/road/road.lib";
    std::filesystem::create_directories(library);
    CCoordLibDlg dlg(frame, nullptr);
    ui.ExpectMessageBox(L"坐标管理库文件读取失败,修改将不能保存!");
    ui.OnModal(CCoordLibDlg::IDD, [&](CDialog& d) {
        // Even once the path could be written, the unread library is not replaced.
        std::filesystem::remove(library);
        AddPointThatCannotBeSaved(dlg, d);
    });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_FALSE(std::filesystem::exists(library));
}

TEST_F(CoordLibDlgTest, FindSelectsTheRowAndShowsTwentyPoints) {
    CString text;
    for (int i = 1; i <= 20; ++i)
        text += Format(L"%d,%s%d,%.3f,%.3f,%.3f,%s\r\n", i % 5, i % 3 ? L"K" : L"控制点", i,
                       3456700.125 + i * 12.5, 512300.5 + i * 7.25, 40.0 + i * 0.5, i % 2 ? L"电杆" : L"");
    WriteLibrary(text);
    CCoordLibDlg dlg(frame, nullptr);
    ui.OnModal(CCoordLibDlg::IDD, [&](CDialog& d) {
        FillAll(dlg);
        Select(dlg, 5);
        ui.OnModal(CFindPointDlg::IDD, [&](CDialog& find) {
            ui.SetText(find, findpoint::kSearchText, L"k1");
            ui.Click(find, findpoint::kSearch);
            EXPECT_EQ(ui.GetText(find, findpoint::kNorth), L"3456712.6250");
            ui.Click(find, IDOK);
        });
        ui.Click(d, coordlib::kFind);
        // The found row replaces the one tapped before.
        EXPECT_EQ(dlg.List().GetNextItem(-1, LVNI_SELECTED), 0);
        EXPECT_EQ(dlg.List().GetNextItem(0, LVNI_SELECTED), -1);
        ui.Pump();
        ui.Screenshot(QZ_BINARY_DIR "/foundation-coordinate-library.png");
        ui.Click(d, IDOK);
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_strName, L"K1");
    EXPECT_EQ(dlg.m_strNorth, L"3456712.625");
}

TEST_F(CoordLibDlgTest, PointDialogPicksFromTheLibraryWhenItIsClosed) {
    WriteLibrary(L"0,A,1,2,3,c\r\n0,B,4,5,6,d\r\n");
    CEditPointDlg edit(&frame, nullptr);
    ui.OnModal(CEditPointDlg::IDD, [&](CDialog& d) {
        EXPECT_TRUE(d.GetDlgItem(point::kPickFromLibrary)->IsWindowVisible());
        ui.OnModal(CCoordLibDlg::IDD, [&](CDialog& library) {
            auto& lib = static_cast<CCoordLibDlg&>(library);
            FillAll(lib);
            Select(lib, 1);
            ui.Click(library, IDOK);
        });
        ui.Click(d, point::kPickFromLibrary);
        EXPECT_EQ(ui.GetText(d, point::kName), L"B");
        EXPECT_EQ(ui.GetText(d, point::kCode), L"d");
        ui.Click(d, IDOK);
    });
    EXPECT_EQ(edit.DoModal(), IDOK);
    EXPECT_EQ(edit.texts.east, L"5");
}

TEST_F(CoordLibDlgTest, AddDialogTakesAGeodeticPointAsGridCoordinates) {
    frame.geoPick = GeoPointChoice{true, L"G1", L"30.3000", L"114.1500", L"12.5", L"塔"};
    CAddPointDlg add(&frame, nullptr);
    ui.OnModal(CAddPointDlg::IDD, [&](CDialog& d) {
        EXPECT_TRUE(d.GetDlgItem(point::kPickGeodetic)->IsWindowVisible());
        ui.Click(d, point::kPickGeodetic);
        ui.Click(d, IDOK);
    });
    EXPECT_EQ(add.DoModal(), IDOK);
    // The frame double's grid is the degrees times 1000.
    EXPECT_EQ(add.texts.name, L"G1");
    EXPECT_EQ(add.texts.north, L"30500.000");
    EXPECT_EQ(add.texts.east, L"114250.000");
    EXPECT_EQ(add.texts.height, L"12.500");
    EXPECT_EQ(add.texts.code, L"塔");
}

// The point store appends to the library while the dialog is open.
TEST_F(CoordLibDlgTest, AnEditedRowShowsAndGivesItsNewCodeAndPointsAppendedMeanwhileAreKept) {
    WriteLibrary(L"0,A,1,2,3,c\r\n0,B,4,5,6,d\r\n");
    CCoordLibDlg dlg(frame, nullptr);
    ui.OnModal(CCoordLibDlg::IDD, [&](CDialog& d) {
        FillAll(dlg);
        Select(dlg, 1);
        ui.OnModal(CEditPointDlg::IDD, [&](CDialog& edit) {
            ui.SetText(edit, point::kCode, L"界桩");
            ui.Click(edit, IDOK);
        });
        ui.Click(d, coordlib::kEdit);
        EXPECT_EQ(dlg.List().GetItemText(1, 5), L"界桩");
        WriteLibrary(L"0,A,1,2,3,c\r\n0,B,4,5,6,d\r\n1,P9,7,8,9,\r\n");
        Select(dlg, 1);
        ui.Click(d, IDOK);
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_strName, L"B");
    EXPECT_EQ(dlg.m_strCode, L"界桩");
    EXPECT_EQ(Library(), ToGbk(CString(L"0,A,1.000,2.000,3.000,c\r\n0,B,4.000,5.000,6.000,界桩\r\n"
                                       L"1,P9,7,8,9,\r\n")));
}

// Rewritten by someone else meanwhile: the dialog's copy is refused and the file listed again.
TEST_F(CoordLibDlgTest, ALibraryChangedMeanwhileIsNotOverwrittenButListedAgain) {
    WriteLibrary(L"0,A,1,2,3,c\r\n");
    const CString changed = L"0,A2,1,2,3,c\r\n1,P9,7,8,9,\r\n";
    CCoordLibDlg dlg(frame, nullptr);
    ui.OnModal(CCoordLibDlg::IDD, [&](CDialog& d) {
        FillAll(dlg);
        Select(dlg, 0);
        ui.ExpectMessageBox(L"确实要删除该项吗?", IDYES);
        ui.Click(d, coordlib::kDelete);
        WriteLibrary(changed);
        ui.ExpectMessageBox(L"数据已修改,保存修改的数据吗?", IDYES);
        ui.ExpectMessageBox(L"文件已被修改,请重新打开!");
        ui.PressKey(VK_ESCAPE);
        EXPECT_FALSE(d.HasEnded());
        FillAll(dlg);
        EXPECT_EQ(Column(dlg, 1), (std::vector<CString>{L"A2", L"P9"}));
        ui.PressKey(VK_ESCAPE);  // nothing changed since: no question
    });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(Library(), ToGbk(changed));
}

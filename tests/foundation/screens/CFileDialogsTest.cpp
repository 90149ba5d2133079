#include "foundation/screens/CFileDialogs.h"

#include "tests/foundation/screens/CoordLibraryHostDouble.h"
#include "tests/platform/ui/EndsInDots.h"

namespace {

class FileDialogsTest : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        WriteHostFile("Jobs/road/data/b.xyh", "x");
        WriteHostFile("Jobs/road/data/A.XYH", "x");
        WriteHostFile("Jobs/road/data/c.lib", "x");
        WriteHostFile("Jobs/road/data/old/d.blh", "x");
        std::filesystem::create_directories(root_ / "Jobs/road/data/empty");
        WriteHostFile("Other/q.xyh", "x");
    }
    static CFolderTreeCtrl& Tree(CDialog& d) {
        return *dynamic_cast<CFolderTreeCtrl*>(d.GetDlgItem(openfile::kTree));
    }
    // Taps the item's text, as the user chooses a folder or file.
    void TapItem(CFolderTreeCtrl& tree, HTREEITEM item) {
        CRect r;
        ASSERT_TRUE(tree.GetItemRect(item, &r, TRUE));
        ui.Tap(tree, r.CenterPoint());
    }
    static std::vector<CString> Children(CFolderTreeCtrl& tree, HTREEITEM item) {
        std::vector<CString> names;
        for (HTREEITEM child = tree.GetChildItem(item); child; child = tree.GetNextSiblingItem(child))
            names.push_back(tree.GetItemText(child));
        return names;
    }
};

}  // namespace

TEST_F(FileDialogsTest, TreeShowsFoldersThenMatchingFilesAndFillsOnExpansion) {
    COpenFileDlg dlg;
    dlg.SetRootFolder(L"\\Jobs");
    dlg.AddFilter(L"*.blh");
    dlg.AddFilter(L"*.xyh");
    dlg.SetStartFolder(L"\\Jobs\\road\\data");
    ui.OnModal(COpenFileDlg::IDD, [&](CDialog& d) {
        CFolderTreeCtrl& tree = Tree(d);
        EXPECT_EQ(tree.Filters(), (std::vector<CString>{L"*.blh", L"*.xyh"}));
        EXPECT_EQ(tree.GetItemText(tree.GetRootItem()), L"\\Jobs");
        const HTREEITEM data = tree.GetSelectedItem();
        EXPECT_EQ(tree.GetItemPath(data), L"\\Jobs\\road\\data");
        EXPECT_EQ(Children(tree, data), (std::vector<CString>{L"empty", L"old", L"A.XYH", L"b.xyh"}));
        EXPECT_EQ(ui.GetText(d, openfile::kPath), L"\\Jobs\\road\\data");

        // An empty folder keeps its expand button until it is opened once.
        const HTREEITEM empty = tree.FindChildItem(data, L"EMPTY");
        EXPECT_TRUE(tree.ItemHasChildren(empty));
        tree.Expand(empty, TVE_EXPAND);
        EXPECT_FALSE(tree.ItemHasChildren(empty));

        // Closing and opening a folder again shows files made meanwhile.
        const HTREEITEM old = tree.FindChildItem(data, L"old");
        tree.SelectItem(old);
        tree.SetFocus();
        ui.PressKey(VK_RIGHT);
        EXPECT_EQ(Children(tree, old), std::vector<CString>{L"d.blh"});
        WriteHostFile("Jobs/road/data/old/e.xyh", "x");
        ui.PressKey(VK_LEFT);
        EXPECT_EQ(Children(tree, old), std::vector<CString>{L""});
        ui.PressKey(VK_RIGHT);
        EXPECT_EQ(Children(tree, old), (std::vector<CString>{L"d.blh", L"e.xyh"}));

        // Paths outside the root, or missing, select nothing.
        EXPECT_FALSE(tree.SelectPath(L"\\Other\\q.xyh"));
        EXPECT_FALSE(tree.SelectPath(L"\\Jobs\\road\\nothing"));
        EXPECT_EQ(tree.GetSelectedItem(), old);

        // A folder is no file; a selected file is the result.
        ui.ExpectMessageBox(L"未选择任何文件，请先选择文件!");
        ui.Click(d, IDOK);
        EXPECT_FALSE(d.HasEnded());
        EXPECT_TRUE(tree.SelectPath(L"\\JOBS\\road\\data\\a.xyh"));
        EXPECT_EQ(ui.GetText(d, openfile::kPath), L"\\Jobs\\road\\data\\A.XYH");
        ui.Click(d, IDOK);
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.GetPathName(), L"\\Jobs\\road\\data\\A.XYH");
}

// Both dialogs open with the focus in the tree; a path longer than its field ends in "...".
TEST_F(FileDialogsTest, ALongPathEndsInDotsWhileTheTreeHasTheFocus) {
    const CString folder = L"\\Jobs\\国国国国国国国国国国国国国国\\data";
    std::filesystem::create_directories(root_ / "Jobs/国国国国国国国国国国国国国国/data");
    const auto check = [&](CDialog& d, UINT path) {
        EXPECT_EQ(CWnd::GetFocus(), d.GetDlgItem(openfile::kTree));
        EXPECT_EQ(ui.GetText(d, path), folder);
        ui.Pump();
        EXPECT_TRUE(EndsInDots(*d.GetDlgItem(path)));
        ui.Click(d, IDCANCEL);
    };
    COpenFileDlg open;
    open.SetRootFolder(L"\\Jobs");
    open.SetStartFolder(folder);
    ui.OnModal(COpenFileDlg::IDD, [&](CDialog& d) { check(d, openfile::kPath); });
    EXPECT_EQ(open.DoModal(), IDCANCEL);
    CFileSaveDlg save;
    save.SetRootFolder(L"\\Jobs");
    save.SetStartFolder(folder);
    ui.OnModal(CFileSaveDlg::IDD, [&](CDialog& d) { check(d, savefile::kPath); });
    EXPECT_EQ(save.DoModal(), IDCANCEL);
}

TEST_F(FileDialogsTest, SaveBuildsThePathFromFolderAndName) {
    CFileSaveDlg dlg;
    dlg.SetRootFolder(L"\\Jobs");
    dlg.SetFilter(L"*.xyh");
    dlg.SetStartFolder(L"\\Jobs\\road\\data");
    ui.OnModal(CFileSaveDlg::IDD, [&](CDialog& d) {
        EXPECT_EQ(ui.GetText(d, savefile::kPath), L"\\Jobs\\road\\data");
        ui.SetText(d, savefile::kName, L"   ");
        ui.ExpectMessageBox(L"文件名不能为空，请重新输入!");
        ui.Click(d, IDOK);
        EXPECT_EQ(CWnd::GetFocus(), d.GetDlgItem(savefile::kName));
        ui.SetText(d, savefile::kName, L"..\\x");
        ui.ExpectMessageBox(L"文件名不能包含\\/:*?\"<>|等字符，请重新输入!");
        ui.Click(d, IDOK);
        EXPECT_FALSE(d.HasEnded());
        ui.SetText(d, savefile::kName, L"pt.old");
        EXPECT_EQ(ui.GetText(d, savefile::kPath), L"\\Jobs\\road\\data\\pt.xyh");
        ui.Pump();
        ui.Screenshot(QZ_BINARY_DIR "/foundation-save-dialog.png");
        ui.Click(d, IDOK);
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.GetPathName(), L"\\Jobs\\road\\data\\pt.xyh");
}

TEST_F(FileDialogsTest, SaveOverAnExistingFileAsksFirst) {
    CFileSaveDlg dlg;
    dlg.SetRootFolder(L"\\Jobs");
    dlg.SetFilter(L"*.xyh");
    dlg.SetStartFolder(L"\\Jobs\\road\\data\\b.xyh");
    ui.OnModal(CFileSaveDlg::IDD, [&](CDialog& d) {
        EXPECT_EQ(ui.GetText(d, savefile::kName), L"b.xyh");
        EXPECT_EQ(ui.GetText(d, savefile::kPath), L"\\Jobs\\road\\data\\b.xyh");
        ui.ExpectMessageBox(L"该文件已存在，要覆盖此文件吗?", IDCANCEL);
        ui.Click(d, IDOK);
        EXPECT_FALSE(d.HasEnded());
        EXPECT_EQ(CWnd::GetFocus(), d.GetDlgItem(savefile::kName));
        ui.ExpectMessageBox(L"该文件已存在，要覆盖此文件吗?", IDOK);
        ui.Click(d, IDOK);
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.GetPathName(), L"\\Jobs\\road\\data\\b.xyh");
}

TEST_F(FileDialogsTest, TypedNameStaysInTheFolderShown) {
    struct Case {
        const wchar_t* startFolder;
        const wchar_t* tappedFile;  // tapped before the name is typed
        const wchar_t* savedPath;
    };
    const Case cases[] = {
        {L"\\Jobs\\road\\data", L"A.XYH", L"\\Jobs\\road\\data\\pt.xyh"},  // extension in upper case
        {L"\\Other", nullptr, L"\\Jobs\\pt.xyh"},  // outside the root: at the top folder
    };
    for (const Case& c : cases) {
        CFileSaveDlg dlg;
        dlg.SetRootFolder(L"\\Jobs");
        dlg.SetFilter(L"*.xyh");
        dlg.SetStartFolder(c.startFolder);
        ui.OnModal(CFileSaveDlg::IDD, [&](CDialog& d) {
            CFolderTreeCtrl& tree = Tree(d);
            if (c.tappedFile) {
                TapItem(tree, tree.FindChildItem(tree.GetSelectedItem(), c.tappedFile));
                EXPECT_EQ(ui.GetText(d, savefile::kName), c.tappedFile);
            }
            ui.SetText(d, savefile::kName, L"pt");
            EXPECT_EQ(ui.GetText(d, savefile::kPath), c.savedPath);
            ui.Click(d, IDOK);
        });
        EXPECT_EQ(dlg.DoModal(), IDOK);
        EXPECT_EQ(dlg.GetPathName(), c.savedPath);
    }
}

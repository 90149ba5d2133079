#pragma once
// The job's coordinate library (`<job>.lib`) in a list: add, edit, delete, clear, import, find and
// filter its points and save them. The same dialog is the program's point picker: OK with a
// selected row returns its name, north, east, height and code as the list shows them.
//
// The list holds only a count of rows: each row's texts are asked from the library when it is
// drawn, so a library of any length lists at once. The rows are listed from the message loop once
// the dialog is up; until then the commands are hidden and OK and close do nothing.
#include <vector>

#include "foundation/CoordLibrary.h"
#include "foundation/CoordLibraryHost.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/ImageList.h"
#include "platform/ui/ListCtrl.h"
#include "resources/CoordLibDlg.h"

class CCoordLibDlg : public CDialog {
public:
    static constexpr UINT IDD = coordlib::IDD;
    CCoordLibDlg(ICoordLibraryHost& frame, CWnd* parent);

    // The result: 1 once a row was confirmed with OK.
    int m_nChosen = 0;
    CString m_strName;
    CString m_strNorth;
    CString m_strEast;
    CString m_strHeight;
    CString m_strCode;

    bool IsLoading() const { return loading_; }
    const CCoordLibrary& Library() const { return library_; }
    CListCtrl& List() { return list_; }

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    // The close and cancel commands: offer to save a changed library.
    void OnCancel() override;

private:
    void OnAdd();
    void OnEdit();
    void OnDelete();
    void OnClear();
    void OnImport();
    void OnFind();
    void OnFilter();
    LRESULT OnFillList(WPARAM, LPARAM);
    void OnGetDispInfo(NMHDR* header, LRESULT* result);

    // Lists the job's library afresh, as it is on the device now.
    void OpenLibrary();
    void StartFill();
    // The texts of list row `row`, made once for the cells of one row.
    const CoordLibRow& Cells(int row);
    void ListChanged();
    void ShowLoadingState(bool loading);
    // False (after telling the user) when the file was not written; when the file was changed
    // since it was listed, other than by appending, the list is loaded again.
    bool SaveFile();
    int SelectedRow() const;
    void Close(int result);

    CListCtrl list_;
    CImageList images_;
    CCoordLibrary library_;
    ICoordLibraryHost& frame_;
    CString libraryPath_;
    // The record of each list row.
    std::vector<int32_t> listed_;
    int cachedRow_ = -1;
    CoordLibRow cached_;
    bool loading_ = false;
    bool libraryUnreadable_ = false;
    bool damaged_ = false;  // read with lines left out: kept as "<name>.bad" before a save over it
};

// Runs the library as a point picker; true with the chosen point's texts after OK.
bool PickFromCoordLibrary(ICoordLibraryHost& frame, CWnd* parent, PointTexts& chosen);

#pragma once
// The job's coordinate library (`<job>.lib`) in a list: add, edit, delete, clear, import, find and
// filter its points and save them. The same dialog is the program's point picker: OK with a
// selected row returns its name, north, east, height and code as the list shows them.
//
// Large libraries are listed in chunks from the message loop, so the dialog answers at once;
// while rows are still being listed the commands are hidden and OK and close do nothing.
#include <vector>

#include "foundation/CoordLibrary.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/ImageList.h"
#include "platform/ui/ListCtrl.h"
#include "resources/CoordLibDlg.h"

class CCoordLibDlg : public CDialog {
public:
    static constexpr UINT IDD = coordlib::IDD;
    explicit CCoordLibDlg(CWnd* parent = nullptr);

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
    LRESULT OnFillChunk(WPARAM, LPARAM);

    // Lists the job's library afresh, as it is on the device now.
    void OpenLibrary();
    bool LoadFile(const CString& path, CoordLibLayout layout, bool initialLoad);
    void StartFill(std::vector<CoordLibRow> rows);
    void AppendRow(const CoordLibRow& row);
    void ShowLoadingState(bool loading);
    // False (after telling the user) when the file was not written; when the file was changed
    // since it was listed, other than by appending, the list is loaded again.
    bool SaveFile();
    int SelectedRow() const;
    void Close(int result);

    CListCtrl list_;
    CImageList images_;
    CCoordLibrary library_;
    CString libraryPath_;
    // The library file's lines as listed: a save keeps what was appended after them.
    std::vector<CString> loadedLines_;
    std::vector<CoordLibRow> pending_;
    size_t nextPending_ = 0;
    bool loading_ = false;
    bool libraryUnreadable_ = false;
};

// Runs the library as a point picker; true with the chosen point's texts after OK.
bool PickFromCoordLibrary(CWnd* parent, PointTexts& chosen);

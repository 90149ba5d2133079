#pragma once
// The stored points of the job's point file, newest first, with the selected point's name and
// coordinates below (empty when none is selected); a point is edited in the data edit dialog or deleted, and
// each change is written to the file at once (see PointFileRows) and shown on the main map. The list asks for
// its rows as it draws them, so a file of any length opens at once. Points stored while the view is open
// (automatic storing goes on behind it) join at the top within a second; lines of the file that hold no
// point are told once.
#include <memory>

#include "platform/ui/Dialog.h"
#include "platform/ui/ImageList.h"
#include "platform/ui/ListCtrl.h"
#include "resources/CoordViewDlg.h"
#include "survey/CoordViewCells.h"
#include "survey/PointFileRows.h"
#include "survey/SurveyHost.h"

class CCoordViewDlg : public CDialog {
public:
    static constexpr UINT IDD = coordview::IDD;
    explicit CCoordViewDlg(ISurveyHost& host, CWnd* parent = nullptr);
    ~CCoordViewDlg() override;

    CListCtrl& List() { return list_; }

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnTimer(UINT_PTR id) override;
    // The rows go back to the host when the window has gone, while the host surely lives.
    void PostNcDestroy() override;

private:
    void OnEdit();
    void OnDelete();
    void OnItemChanged(NMHDR* header, LRESULT* result);
    void OnGetDispInfo(NMHDR* header, LRESULT*);

    void ReadFile();
    void FillList();
    // The list after `joined` rows joined at the top, with `selected` (a row before they joined, or
    // -1) selected.
    void ShowJoined(int joined, int selected);
    // The row's name and coordinates into the texts below the list; empty texts for -1.
    void ShowRow(int row);
    // After a change was refused or written: tells the user; true when written.
    bool ChangeDone(PointFileRows::Change change);
    const CoordViewRow& Cells(int row);

    ISurveyHost& host_;
    CListCtrl list_;
    CImageList images_;
    CString path_;
    std::unique_ptr<PointFileRows> rows_;  // the host's, lent while the view is open
    // The cells of the row drawn last: a row's 19 cells are asked one after the other.
    int cachedRow_ = -1;
    CoordViewRow cached_;
    int cachedImage_ = 0;
    CString name_, x_, y_, h_;
    // While a change is asked for or written, no row joins: the row chosen stays the row changed.
    bool changing_ = false;
};

// Runs the coordinate view of the host's point file.
void ShowCoordView(ISurveyHost& host);

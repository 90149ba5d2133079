#pragma once
// 149 "放样点库": the stake point library in a list edited in place, kept in a *.ptb file, filled from
// coordinate files (*.xyh) and exported to them. OK hands back the named rows as points, the chosen
// row and the library path. Cells keep the texts as typed or read; numbers are read only on OK.
#include <vector>

#include "foundation/PointRecord.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/ImageList.h"
#include "platform/ui/ListCtrl.h"
#include "stakeout/StakeFiles.h"
#include "stakeout/StakeoutHost.h"

class CStakePointLibDlg : public CDialog {
public:
    CStakePointLibDlg(IStakeoutHost& host, CWnd* parent);

    void SetLibraryPath(const CString& path) { path_ = path; }
    // The point (an index into the named rows) highlighted when the dialog opens.
    void SetSelectedPoint(int point) { presetPoint_ = point; }

    // After OK.
    const std::vector<PointRecord>& Points() const { return points_; }
    bool Chosen() const { return chosen_; }
    // The chosen row's index among the points; -1 for a row without a name.
    int ChosenPoint() const { return chosenPoint_; }
    int RowCount() const { return rowCount_; }
    const CString& LibraryPath() const { return path_; }

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    void OnCancel() override;

private:
    void OnAdd();
    void OnEdit();
    void OnInsert();
    void OnDelete();
    void OnClear();
    void OnOpen();
    void OnSave();
    void OnExport();

    void AddRow(int at, const StakeRow& row);
    void SetRow(int at, const StakeRow& row);
    std::vector<StakeRow> Rows() const;
    int SelectedRow() const;
    void ReadFile(const CString& path, StakeRowLayout layout);
    // Writes the rows to the library path; false (with the message shown) when that failed.
    bool SaveLibrary();

    IStakeoutHost& host_;
    CListCtrl list_;
    CImageList images_;
    CString path_;
    CString damaged_;   // a library read with lines left out: kept as "<name>.bad" before a save over it
    int fileKind_ = 0;  // the last file opened: 0 a coordinate file, 1 a library
    bool modified_ = false;
    int presetPoint_ = -1;
    bool chosen_ = false;
    int chosenPoint_ = -1;
    int rowCount_ = 0;
    std::vector<PointRecord> points_;
};

#pragma once
// 15145 "放样线坐标库": the lines of one line file (*.lnb) in a list: add, insert, edit, delete, clear,
// open and save, and the line to stake out. OK hands back the lines, the chosen row and the file name.
#include <vector>

#include "foundation/PointRecord.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/ListCtrl.h"
#include "stakeout/StakeoutHost.h"

class CStakeLineLibDlg : public CDialog {
public:
    CStakeLineLibDlg(IStakeoutHost& host, CWnd* parent);

    void SetFileName(const CString& path) { fileName_ = path; }
    // The row highlighted when the dialog opens.
    void SetSelectedIndex(int index) { selectedIndex_ = index; }

    // After OK.
    const std::vector<LineSegRec>& Lines() const { return lines_; }
    bool Selected() const { return selected_; }
    int SelectedIndex() const { return selectedIndex_; }
    const CString& FileName() const { return fileName_; }

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;

private:
    void OnAdd();
    void OnInsert();
    void OnEdit();
    void OnDelete();
    void OnClear();
    void OnOpen();
    void OnSave();

    // The row of line `index`, its mileage column as given (added rows show the length to the
    // millimetre until the file is read again).
    void ShowRow(int index, bool insert);
    void ReadLines(const CString& path);
    // False (with the message shown) when the file could not be written.
    bool WriteLines();
    int SelectedRow() const;

    IStakeoutHost& host_;
    std::vector<LineSegRec> lines_;
    bool modified_ = false;
    int selectedIndex_ = -1;
    bool selected_ = false;
    CListCtrl list_;
    CString fileName_;
    CString damaged_;  // a library read with lines left out: kept as "<name>.bad" before a save over it
};

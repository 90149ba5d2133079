#pragma once
// The common-point lists of the parameter computations: rows numbered as they were added or read,
// kept in a pair file whose path the field at the bottom holds (the job's file at first, the last
// one opened after that), added, edited, deleted and cleared; 计算 solves them. The two
// computations differ in their columns, their pair entry and what they solve.
#include <vector>

#include "calibration/CalibrationHost.h"
#include "calibration/PairFile.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/ListCtrl.h"

struct PairListShape {
    UINT templateId;
    UINT openId;
    const wchar_t* fileName;  // in the job folder
    const wchar_t* filter;
    std::vector<UINT> headings;  // string-table ids of the columns after "序号"
    std::vector<int> widths;     // every column's, "序号" first
};

class CPairListDlg : public CDialog {
public:
    struct Row {
        CString number;
        PairFields fields;
    };
    const std::vector<Row>& Rows() const { return rows_; }
    const CString& FilePath() const { return path_; }

protected:
    CPairListDlg(const PairListShape& shape, ICalibrationHost& host, CWnd* parent);
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnCancel() override;

    // Runs the pair entry on `fields` (empty for a new pair); true after its OK.
    virtual bool EnterPair(PairFields& fields) = 0;
    // Saves a changed list without asking; false (after telling the user) when it was not written.
    bool SaveIfModified();
    std::vector<PairFields> Pairs() const;
    void Tell(const wchar_t* text);

    ICalibrationHost& host_;

private:
    void OnAdd();
    void OnDelete();
    void OnEdit();
    void OnClear();
    void OnOpen();
    void Read(const CString& path);
    bool Save();
    void ShowRows();
    int SelectedRow() const;

    PairListShape shape_;
    CListCtrl list_;
    std::vector<Row> rows_;
    CString path_;
    bool modified_ = false;
};

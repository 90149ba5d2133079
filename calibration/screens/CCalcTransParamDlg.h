#pragma once
// 求转换参数: the job's control points in a list, solved after every change (a plane shift or four
// parameters, a height shift or height fit, each pair's residuals against the limits), kept in a
// *.cot file. 应用 closes with the result; the command that opened the dialog applies it.
#include "calibration/CalibrationHost.h"
#include "calibration/ControlPointTable.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/ListCtrl.h"
#include "resources/ControlPointDlgs.h"

class CCalcTransParamDlg : public CDialog {
public:
    static constexpr UINT IDD = ctrlpoint::IDD;
    CCalcTransParamDlg(ICalibrationHost& host, CWnd* parent);

    // After IDOK: the control-point file and the result to apply (both modes 0 when the user
    // accepted an empty list, or one without usable pairs and nothing remembered).
    const CString& FilePath() const { return path_; }
    const ControlPointSolution& Result() const { return table_.Solution(); }
    const ControlPointTable& Table() const { return table_; }

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

private:
    void OnAdd();
    void OnDelete();
    void OnEdit();
    void OnToggleUse();
    void OnOpen();
    void OnSave() { SaveFile(); }
    void OnSettings();

    bool SaveFile();
    // False when the user cancelled the over-limit prompt.
    bool AcceptOverLimit();
    void Load(const CString& path);
    void Solve();
    // The frame remembers the kinds of the last solve, also for a run that is cancelled.
    void RememberModes();
    void ShowRows();
    int SelectedRow() const;
    int Ask(UINT textId, UINT type);

    ICalibrationHost& host_;
    CListCtrl list_;
    ControlPointTable table_;
    CString path_;
    CString damaged_;  // a file read with lines left out: kept as "<name>.bad" before a save over it
    bool modified_ = false;
    bool toldHeightLine_ = false;
    bool toldPlaneCoincident_ = false;
};

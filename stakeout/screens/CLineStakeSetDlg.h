#pragma once
// 15149 "设置": the line screen's prompt distances, sound and whole-mileage prompt, what it draws, how
// many staked points, and the view mode. The caller fills the members and reads them back after OK.
#include "platform/ui/Dialog.h"

class CLineStakeSetDlg : public CDialog {
public:
    explicit CLineStakeSetDlg(CWnd* parent);

    double m_dMin = 0.3;
    double m_dMax = 1.5;
    int m_nSound = 1;
    int m_nShowMeasured = 1;
    int m_nPlumb = 0;
    int m_nShowAllLines = 1;
    CString m_strCount;
    double m_dInterval = 50.0;
    int m_nMileagePrompt = 0;
    int m_nViewMode = 0;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    // Refuses non-numbers, negative distances and a maximum below the minimum.
    void OnOK() override;

private:
    void OnShowMeasured();
};

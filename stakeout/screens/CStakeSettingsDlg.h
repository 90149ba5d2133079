#pragma once
// 151 "设置": the point screen's close-up radii and sound, what it draws, how many staked points,
// and the view mode. The caller fills the members and reads them back after OK.
#include "platform/ui/Dialog.h"

class CStakeSettingsDlg : public CDialog {
public:
    explicit CStakeSettingsDlg(CWnd* parent);

    int m_nShowAll = 0;
    int m_nShowMeasured = 1;
    int m_nSound = 1;
    double m_dMax = 0.9;
    double m_dMin = 0.3;
    CString m_strCount;
    int m_nViewMode = 0;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    // Refuses negative values and a maximum below the minimum; equal values pass.
    void OnOK() override;

private:
    void OnShowMeasured();
    void OnViewMode();
};

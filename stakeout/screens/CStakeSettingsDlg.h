#pragma once
// 151 "设置": the point screen's close-up radii and sound, what it draws, how many staked points,
// and the view mode. The caller fills the values and reads them back after OK; the library path
// passes through unchanged.
#include "platform/ui/Dialog.h"
#include "stakeout/StakeSettings.h"

class CStakeSettingsDlg : public CDialog {
public:
    explicit CStakeSettingsDlg(CWnd* parent);

    PointStakeSettings settings;
    int viewMode = 0;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    // Refuses negative values and a maximum below the minimum; equal values pass.
    void OnOK() override;

private:
    void OnShowMeasured();
    void OnViewMode();
};

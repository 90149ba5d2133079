#pragma once
// 15149 "设置": the line screen's prompt distances, sound and whole-mileage prompt, what it draws, how
// many staked points, and the view mode. The caller fills the values and reads them back after OK;
// the library path passes through unchanged.
#include "platform/ui/Dialog.h"
#include "stakeout/StakeSettings.h"

class CLineStakeSetDlg : public CDialog {
public:
    explicit CLineStakeSetDlg(CWnd* parent);

    LineStakeSettings settings;
    int viewMode = 0;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    // Refuses non-numbers, negative distances and a maximum below the minimum.
    void OnOK() override;

private:
    void OnShowMeasured();
};

#pragma once
// The four-parameter plane similarity and the calibration shifts. Opens on the frame's job record
// (a caller with other values puts them there first); after IDOK the caller stores the members.
#include "geodesy/screens/ParamFields.h"
#include "resources/FourParamDlg.h"

class CFourParamDlg : public CDialog {
public:
    enum { IDD = fourparam::IDD };
    explicit CFourParamDlg(CWnd* parent = nullptr);

    FourParamValues m_four;
    double m_dAdjustX = 0.0;
    double m_dAdjustY = 0.0;
    double m_dAdjustH = 0.0;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    // Refuses a bad rotation or a scale not above 0 while the four parameters are on.
    void OnOK() override;

private:
    void OnEnable();

    FourParamFields four_;
};

#pragma once
// The four-parameter plane similarity and the calibration shifts. Opens on the record it is given;
// after IDOK the caller stores the members.
#include "geodesy/screens/ParamFields.h"
#include "resources/FourParamDlg.h"

class CFourParamDlg : public CDialog {
public:
    enum { IDD = fourparam::IDD };
    // Opens on `record`: the job's, or a computation's result to confirm.
    explicit CFourParamDlg(const CoordSysParams& record, CWnd* parent = nullptr);

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
    const CoordSysParams& job_;
    void OnEnable();

    FourParamFields four_;
};

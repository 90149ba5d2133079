#pragma once
// The four-parameter plane similarity and the calibration shifts. Opens on the record it is given;
// after IDOK the caller stores the values with StoreInto.
#include "geodesy/screens/ParamFields.h"
#include "resources/FourParamDlg.h"

class CFourParamDlg : public CDialog {
public:
    enum { IDD = fourparam::IDD };
    // Opens on `record`: the job's, or a computation's result to confirm.
    explicit CFourParamDlg(const CoordSysParams& record, CWnd* parent = nullptr);

    FourParamValues four;
    AdjustParamBlock adjust;

    // The accepted four parameters and shifts go into `record`.
    void StoreInto(CoordSysParams& record) const;

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

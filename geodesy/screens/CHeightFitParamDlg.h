#pragma once
// The height-fitting surface: six coefficients and its origin, unconverted. Opens on the job record
// it is given; after IDOK the caller stores the members.
#include "geodesy/screens/ParamFields.h"
#include "resources/HeightFitParamDlg.h"

class CHeightFitParamDlg : public CDialog {
public:
    enum { IDD = heightfit::IDD };
    // Opens on `job`, the job's record.
    explicit CHeightFitParamDlg(const CoordSysParams& job, CWnd* parent = nullptr);

    HeightFitValues m_fit;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;

private:
    const CoordSysParams& job_;
    void OnEnable();

    HeightFitFields fit_{true};
};

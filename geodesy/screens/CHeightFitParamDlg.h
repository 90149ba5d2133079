#pragma once
// The height-fitting surface: six coefficients and its origin, unconverted. Opens on the frame's
// job record; after IDOK the caller stores the members.
#include "geodesy/screens/ParamFields.h"
#include "resources/HeightFitParamDlg.h"

class CHeightFitParamDlg : public CDialog {
public:
    enum { IDD = heightfit::IDD };
    explicit CHeightFitParamDlg(CWnd* parent = nullptr);

    HeightFitValues m_fit;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;

private:
    void OnEnable();

    HeightFitFields fit_{true};
};

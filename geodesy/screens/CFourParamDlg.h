#pragma once
// The four-parameter plane similarity and the calibration shifts. Opens on the frame's job record
// (a caller with other values puts them there first); after IDOK the caller stores the members.
#include <optional>

#include "geodesy/screens/ParamFields.h"
#include "resources/FourParamDlg.h"

class CFourParamDlg : public CDialog {
public:
    enum { IDD = fourparam::IDD };
    explicit CFourParamDlg(CWnd* parent = nullptr);
    // Opens on `record` instead of the frame's job record (a computation's result to confirm).
    void OpenOn(const CoordSysParams& record) { record_ = record; }

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
    std::optional<CoordSysParams> record_;
    void OnEnable();

    FourParamFields four_;
};

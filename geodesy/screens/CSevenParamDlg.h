#pragma once
// The seven-parameter datum shift: shifts in metres, rotations in arc seconds, the scale in parts
// per million. Opens on the record it is given; after IDOK the caller stores the members.
#include "geodesy/screens/ParamFields.h"
#include "resources/SevenParamDlg.h"

class CSevenParamDlg : public CDialog {
public:
    enum { IDD = sevenparam::IDD };
    // Opens on `record`: the job's, or a computation's result to confirm.
    explicit CSevenParamDlg(const CoordSysParams& record, CWnd* parent = nullptr);

    SevenParamValues m_seven;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;

private:
    const CoordSysParams& job_;
    void OnEnableCheck();

    SevenParamFields seven_{sevenparam::kEnable};
};

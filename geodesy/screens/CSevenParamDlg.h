#pragma once
// The seven-parameter datum shift: shifts in metres, rotations in arc seconds, the scale in parts
// per million. Opens on the frame's job record; after IDOK the caller stores the members.
#include <optional>

#include "geodesy/screens/ParamFields.h"
#include "resources/SevenParamDlg.h"

class CSevenParamDlg : public CDialog {
public:
    enum { IDD = sevenparam::IDD };
    explicit CSevenParamDlg(CWnd* parent = nullptr);
    // Opens on `record` instead of the frame's job record (a computation's result to confirm).
    void OpenOn(const CoordSysParams& record) { record_ = record; }

    SevenParamValues m_seven;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;

private:
    std::optional<CoordSysParams> record_;
    void OnEnableCheck();

    SevenParamFields seven_{sevenparam::kEnable};
};

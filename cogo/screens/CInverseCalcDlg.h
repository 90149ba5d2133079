#pragma once
// 15185 "坐标反算": two points give the azimuth and horizontal distance between them; when both
// heights are given, also the height difference and the slope distance.
#include "cogo/screens/CCogoDlg.h"
#include "resources/CogoDlgs.h"

class CInverseCalcDlg : public CCogoDlg {
public:
    static constexpr UINT IDD = inversecalc::IDD;
    explicit CInverseCalcDlg(CWnd* parent = nullptr);

protected:
    void ReadInputs(CDataExchange* pDX) override;
    void Compute() override;

private:
    SpacePoint a_;
    SpacePoint b_;
    bool heights_ = false;
};

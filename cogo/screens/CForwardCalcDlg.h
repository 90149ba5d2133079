#pragma once
// 15181 "坐标正算": a start point, an azimuth and a horizontal distance give the end point.
#include "cogo/screens/CCogoDlg.h"
#include "resources/CogoDlgs.h"

class CForwardCalcDlg : public CCogoDlg {
public:
    static constexpr UINT IDD = forwardcalc::IDD;
    CForwardCalcDlg(ICoordLibraryHost& library, CWnd* parent);

protected:
    void ReadInputs(CDataExchange* pDX) override;
    void Compute() override;

private:
    PlanePoint start_;
    double azimuth_ = 0.0;
    double distance_ = 0.0;
};

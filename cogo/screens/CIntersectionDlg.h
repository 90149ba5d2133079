#pragma once
// 15184 "交会计算": where the directions (azimuths) observed from two known points meet.
#include "cogo/screens/CCogoDlg.h"
#include "resources/CogoDlgs.h"

class CIntersectionDlg : public CCogoDlg {
public:
    static constexpr UINT IDD = intersection::IDD;
    CIntersectionDlg(ICoordLibraryHost& library, CWnd* parent);

protected:
    void ReadInputs(CDataExchange* pDX) override;
    void Compute() override;

private:
    PlanePoint a_;
    PlanePoint b_;
    double azimuthA_ = 0.0;
    double azimuthB_ = 0.0;
};

#pragma once
// 15235 "测边交会": the new point at given distances from two known points, on the side of A -> B
// the user chooses. Distances that cannot meet are refused.
#include "cogo/screens/CCogoDlg.h"
#include "resources/CogoDlgs.h"

class CDistResectionDlg : public CCogoDlg {
public:
    static constexpr UINT IDD = distresection::IDD;
    CDistResectionDlg(ICoordLibraryHost& library, CWnd* parent);

protected:
    void ReadInputs(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void Compute() override;

private:
    PlanePoint a_;
    PlanePoint b_;
    double distanceA_ = 0.0;
    double distanceB_ = 0.0;
    int side_ = 0;  // 0 left, 1 right
};

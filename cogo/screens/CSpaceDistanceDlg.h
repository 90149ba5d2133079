#pragma once
// 209 "空间距离计算": the slope distance, horizontal distance and height difference of two points.
#include "cogo/screens/CCogoDlg.h"
#include "resources/CogoDlgs.h"

class CSpaceDistanceDlg : public CCogoDlg {
public:
    static constexpr UINT IDD = spacedistance::IDD;
    CSpaceDistanceDlg(ICoordLibraryHost& library, CWnd* parent);

protected:
    void ReadInputs(CDataExchange* pDX) override;
    void Compute() override;

private:
    SpacePoint a_;
    SpacePoint b_;
};

#pragma once
// 174 "交点与夹角计算": the intersection of two lines, each given by two points, and the angle
// between them.
#include "cogo/screens/CCogoDlg.h"
#include "resources/CogoDlgs.h"

class CIntersectAngleDlg : public CCogoDlg {
public:
    static constexpr UINT IDD = intersectangle::IDD;
    CIntersectAngleDlg(ICoordLibraryHost& library, CWnd* parent);

protected:
    void ReadInputs(CDataExchange* pDX) override;
    void Compute() override;

private:
    PlanePoint a1_;
    PlanePoint a2_;
    PlanePoint b1_;
    PlanePoint b2_;
};

#pragma once
// 15183 "偏点计算": the point a distance along a line A -> B and an offset across it (right positive).
#include "cogo/screens/CCogoDlg.h"
#include "resources/CogoDlgs.h"

class COffsetPointDlg : public CCogoDlg {
public:
    static constexpr UINT IDD = offsetpoint::IDD;
    COffsetPointDlg(ICoordLibraryHost& library, CWnd* parent);

protected:
    void ReadInputs(CDataExchange* pDX) override;
    void Compute() override;

private:
    PlanePoint a_;
    PlanePoint b_;
    double along_ = 0.0;
    double offset_ = 0.0;
};

#pragma once
// 15255 "线中点计算": the midpoint of two points, with the mean height when both have one.
#include "cogo/screens/CCogoDlg.h"
#include "resources/CogoDlgs.h"

class CLineMidpointDlg : public CCogoDlg {
public:
    static constexpr UINT IDD = linemidpoint::IDD;
    explicit CLineMidpointDlg(CWnd* parent = nullptr);

protected:
    void ReadInputs(CDataExchange* pDX) override;
    void Compute() override;

private:
    SpacePoint a_;
    SpacePoint b_;
    bool heights_ = false;
};

#pragma once
// A tool on the two points of rows A and B, whose heights count only when both rows have one.
#include "cogo/screens/CCogoDlg.h"

class CPointPairDlg : public CCogoDlg {
protected:
    using CCogoDlg::CCogoDlg;
    void ReadInputs(CDataExchange* pDX) final;

    SpacePoint a_;
    SpacePoint b_;
    bool heights_ = false;
};

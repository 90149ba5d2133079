#pragma once
// 15255 "线中点计算": the midpoint of two points, with the mean height when both have one.
#include "cogo/screens/CPointPairDlg.h"
#include "resources/CogoDlgs.h"

class CLineMidpointDlg : public CPointPairDlg {
public:
    static constexpr UINT IDD = linemidpoint::IDD;
    CLineMidpointDlg(ICoordLibraryHost& library, CWnd* parent);

protected:
    void Compute() override;
};

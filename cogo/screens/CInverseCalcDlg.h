#pragma once
// 15185 "坐标反算": two points give the azimuth and horizontal distance between them; when both
// heights are given, also the height difference and the slope distance.
#include "cogo/screens/CPointPairDlg.h"
#include "resources/CogoDlgs.h"

class CInverseCalcDlg : public CPointPairDlg {
public:
    static constexpr UINT IDD = inversecalc::IDD;
    CInverseCalcDlg(ICoordLibraryHost& library, CWnd* parent);

protected:
    void Compute() override;
};

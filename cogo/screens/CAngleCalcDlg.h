#pragma once
// 15251 "水平夹角和垂直夹角计算": the horizontal angle at a station from point 1 clockwise to point 2, and
// the vertical angle from the station to each point.
#include "cogo/screens/CCogoDlg.h"
#include "resources/CogoDlgs.h"

class CAngleCalcDlg : public CCogoDlg {
public:
    static constexpr UINT IDD = anglecalc::IDD;
    CAngleCalcDlg(ICoordLibraryHost& library, CWnd* parent);

protected:
    void ReadInputs(CDataExchange* pDX) override;
    void Compute() override;

private:
    SpacePoint station_;
    SpacePoint first_;
    SpacePoint second_;
};

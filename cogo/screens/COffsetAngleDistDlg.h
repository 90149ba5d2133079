#pragma once
// 15182 "偏角偏距计算": from a station, the angle clockwise from a reference point to a target and
// the distance to the target.
#include "cogo/screens/CCogoDlg.h"
#include "resources/CogoDlgs.h"

class COffsetAngleDistDlg : public CCogoDlg {
public:
    static constexpr UINT IDD = offsetangle::IDD;
    COffsetAngleDistDlg(ICoordLibraryHost& library, CWnd* parent);

protected:
    void ReadInputs(CDataExchange* pDX) override;
    void Compute() override;

private:
    PlanePoint station_;
    PlanePoint reference_;
    PlanePoint target_;
};

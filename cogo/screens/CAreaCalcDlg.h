#pragma once
// 143 "面积计算": the corners of a parcel added in order (typed or taken from the coordinate
// library) into a list; the area in square metres and 亩 and the perimeter.
#include <vector>

#include "cogo/screens/CCogoDlg.h"
#include "platform/ui/ListBox.h"
#include "resources/CogoDlgs.h"

class CAreaCalcDlg : public CCogoDlg {
public:
    static constexpr UINT IDD = areacalc::IDD;
    CAreaCalcDlg(ICoordLibraryHost& library, CWnd* parent);

    struct Corner {
        CString name;
        PlanePoint point;
    };
    const std::vector<Corner>& Corners() const { return corners_; }

protected:
    BOOL OnInitDialog() override;
    void ReadInputs(CDataExchange* pDX) override;
    void Compute() override;

private:
    void OnAdd();
    void OnRemove();
    void OnClear();
    // The list shows the corners in order, numbered from 1.
    void ListCorners();

    CListBox list_;
    std::vector<Corner> corners_;
    bool adding_ = false;
    Corner typed_;
};

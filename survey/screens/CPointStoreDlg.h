#pragma once
// 15254 "点存储": the point about to be stored (name, code, antenna height, grid position and
// precision, point kind), smoothed over several fixes in smoothing mode.
#include "resources/PointStoreDlg.h"
#include "survey/screens/CSmoothingStoreDlg.h"

struct PointStoreValues {
    CString name;
    CString code = L"00000000";
    double antennaHeight = 0.0;  // as measured
    int antennaType = 0;
    int kind = 0;  // 0 terrain, 1 reference
};

class CPointStoreDlg : public CSmoothingStoreDlg {
public:
    static constexpr UINT IDD = pointstore::IDD;
    CPointStoreDlg(ISurveyHost& host, bool smoothing, CWnd* parent = nullptr);

    PointStoreValues values;
    // After OK: the vertical antenna height the measured one gives.
    double VerticalHeight() const { return vertical_; }

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;

private:
    double vertical_ = 0.0;
};

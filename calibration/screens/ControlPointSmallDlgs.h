#pragma once
// The control-point dialog's small dialogs: the over-limit prompt, a pair's use flags and the
// minimum counts of the height fits.
#include "platform/ui/Dialog.h"
#include "resources/ControlPointDlgs.h"

class COverLimitDlg : public CDialog {
public:
    static constexpr UINT IDD = overlimit::IDD;
    COverLimitDlg(const CString& text, CWnd* parent);

protected:
    BOOL OnInitDialog() override;

private:
    CString text_;
};

// A control point's name (shown only) and whether the plane and the height fits use it (1 used).
struct PointUseValues {
    CString name;
    int usePlane = 0;
    int useHeight = 0;
};

class CPointAttrDlg : public CDialog {
public:
    static constexpr UINT IDD = pointattr::IDD;
    explicit CPointAttrDlg(CWnd* parent);

    PointUseValues values;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
};

// The fewest points of the plane and the surface height fits, as list indices.
struct FitCountValues {
    int planeIndex = 0;    // 0: 3 points, 1: 4 points
    int surfaceIndex = 0;  // 0: 6 points, 1: 7 points
};

class CParamSettingsDlg : public CDialog {
public:
    static constexpr UINT IDD = solvesettings::IDD;
    explicit CParamSettingsDlg(CWnd* parent);

    FitCountValues values;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
};

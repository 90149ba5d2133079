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

class CPointAttrDlg : public CDialog {
public:
    static constexpr UINT IDD = pointattr::IDD;
    explicit CPointAttrDlg(CWnd* parent);

    CString m_strName;  // shown only
    int m_bUsePlane = 0;
    int m_bUseHeight = 0;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
};

class CParamSettingsDlg : public CDialog {
public:
    static constexpr UINT IDD = solvesettings::IDD;
    explicit CParamSettingsDlg(CWnd* parent);

    int m_nPlaneIndex = 0;    // 0: 3 points, 1: 4 points
    int m_nSurfaceIndex = 0;  // 0: 6 points, 1: 7 points

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
};

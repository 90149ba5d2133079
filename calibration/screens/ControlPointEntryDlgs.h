#pragma once
// Adding a control point: step 1 its known coordinates, step 2 where its raw coordinates come from
// (the latitude/longitude library, the current fix, the job's base, typed geodetic or earth-centred
// coordinates), step 3 the raw point with the antenna height it is reduced by; and editing a pair.
#include "calibration/CalibrationHost.h"
#include "foundation/screens/CIconButton.h"
#include "platform/ui/Dialog.h"
#include "resources/ControlPointEntryDlgs.h"

class CAddKnownPointDlg : public CDialog {
public:
    static constexpr UINT IDD = knownpoint::IDD;
    CAddKnownPointDlg(IFoundationFrame& library, CWnd* parent);

    CString m_strName;
    CString m_strX;
    CString m_strY;
    CString m_strH;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;

private:
    void OnPick();
    IFoundationFrame& library_;
    CIconButton pick_;
};

// The source kinds of step 2, in the order of its buttons.
enum RawSourceKind {
    kSourceGeoLibrary = 0,
    kSourceCurrent = 1,
    kSourceBase = 2,
    kSourceTypedBlh = 3,
    kSourceTypedXyz = 4
};

class CAddRawPointDlg : public CDialog {
public:
    static constexpr UINT IDD = rawsource::IDD;
    CAddRawPointDlg(const ICalibrationHost& host, CWnd* parent);

    RawPoint m_raw;
    int m_nKind = kSourceGeoLibrary;

private:
    void OnGeoLibrary();
    void OnCurrent();
    void OnBase();
    void OnTypedBlh();
    void OnTypedXyz();
    void Finish(int kind, const RawPoint& raw);

    const ICalibrationHost& host_;
};

class CRawPointAntDlg : public CDialog {
public:
    static constexpr UINT IDD = rawpoint::IDD;
    CRawPointAntDlg(int kind, const RawPoint& raw, const AntennaConstants& antenna, CWnd* parent);

    CString m_strX;
    CString m_strY;
    CString m_strH;
    CString m_strAntenna = L"0";
    int m_nHeightType = kVerticalHeight;
    double m_dVertical = 0.0;  // the antenna height reduced to vertical, after OK

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;

private:
    int kind_;
    AntennaConstants antenna_;
};

class CInputBLHDlg : public CDialog {
public:
    static constexpr UINT IDD = inputblh::IDD;
    CInputBLHDlg(const ICalibrationHost& host, CWnd* parent);

    CString m_strB = L"0";  // packed degrees-minutes-seconds
    CString m_strL = L"0";
    CString m_strH = L"0";

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;

private:
    void OnPick();
    const ICalibrationHost& host_;
    CIconButton pick_;
};

class CInputXYZDlg : public CDialog {
public:
    static constexpr UINT IDD = inputxyz::IDD;
    explicit CInputXYZDlg(CWnd* parent);

    CString m_strX = L"0";
    CString m_strY = L"0";
    CString m_strZ = L"0";

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
};

class CEditCtrlPointDlg : public CDialog {
public:
    static constexpr UINT IDD = editctrl::IDD;
    CEditCtrlPointDlg(const ICalibrationHost& host, CWnd* parent);

    // Name, known x, y, h, raw x, y, h.
    CString m_texts[7];

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;

private:
    void OnPick();
    void OnPickGeodetic();
    const ICalibrationHost& host_;
    CIconButton pick_;
};

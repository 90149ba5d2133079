#pragma once
// Adding a control point: step 1 its known coordinates, step 2 where its raw coordinates come from
// (the latitude/longitude library, the current fix, the job's base, typed geodetic or earth-centred
// coordinates), step 3 the raw point with the antenna height it is reduced by; and editing a pair.
#include <array>

#include "calibration/CalibrationHost.h"
#include "foundation/screens/CIconButton.h"
#include "platform/ui/Dialog.h"
#include "resources/ControlPointEntryDlgs.h"

struct KnownPointValues {
    CString name;
    CString x;
    CString y;
    CString h;
};

class CAddKnownPointDlg : public CDialog {
public:
    static constexpr UINT IDD = knownpoint::IDD;
    CAddKnownPointDlg(ICoordLibraryHost& library, CWnd* parent);

    KnownPointValues values;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;

private:
    void OnPick();
    ICoordLibraryHost& library_;
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

    // After OK: where the raw point came from, and the point.
    int kind = kSourceGeoLibrary;
    RawPoint raw;

private:
    void OnGeoLibrary();
    void OnCurrent();
    void OnBase();
    void OnTypedBlh();
    void OnTypedXyz();
    void Finish(int sourceKind, const RawPoint& point);

    const ICalibrationHost& host_;
};

struct RawPointAntValues {
    CString x;
    CString y;
    CString h;
    CString antenna = L"0";
    int heightType = kVerticalHeight;
};

class CRawPointAntDlg : public CDialog {
public:
    static constexpr UINT IDD = rawpoint::IDD;
    CRawPointAntDlg(int kind, const RawPoint& raw, const AntennaConstants& antenna, CWnd* parent);

    RawPointAntValues values;
    // After OK: the antenna height reduced to vertical.
    double Vertical() const { return vertical_; }

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;

private:
    int kind_;
    AntennaConstants antenna_;
    double vertical_ = 0.0;
};

struct InputBlhValues {
    CString b = L"0";  // packed degrees-minutes-seconds
    CString l = L"0";
    CString h = L"0";
};

class CInputBLHDlg : public CDialog {
public:
    static constexpr UINT IDD = inputblh::IDD;
    CInputBLHDlg(const ICalibrationHost& host, CWnd* parent);

    InputBlhValues values;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;

private:
    void OnPick();
    const ICalibrationHost& host_;
    CIconButton pick_;
};

struct InputXyzValues {
    CString x = L"0";
    CString y = L"0";
    CString z = L"0";
};

class CInputXYZDlg : public CDialog {
public:
    static constexpr UINT IDD = inputxyz::IDD;
    explicit CInputXYZDlg(CWnd* parent);

    InputXyzValues values;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
};

class CEditCtrlPointDlg : public CDialog {
public:
    static constexpr UINT IDD = editctrl::IDD;
    CEditCtrlPointDlg(const ICalibrationHost& host, CWnd* parent);

    // Name, known x, y, h, raw x, y, h.
    std::array<CString, 7> texts;

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

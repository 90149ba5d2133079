#pragma once
// 计算四参数 and 计算七参数: the common-point lists, their pair entries, and the computation that
// shows its result in the parameter editor and, once confirmed there, stores it as the job's.
#include "calibration/screens/CPairListDlg.h"
#include "foundation/screens/CIconButton.h"
#include "resources/ParamComputeDlgs.h"

class CCalcFourParamDlg : public CPairListDlg {
public:
    static constexpr UINT IDD = pairlist::IDD_FOUR;
    CCalcFourParamDlg(ICalibrationHost& host, CWnd* parent);

protected:
    bool EnterPair(PairFields& fields) override;
    void OnOK() override;
};

class CCalcSevenParamDlg : public CPairListDlg {
public:
    static constexpr UINT IDD = pairlist::IDD_SEVEN;
    CCalcSevenParamDlg(ICalibrationHost& host, CWnd* parent);

protected:
    bool EnterPair(PairFields& fields) override;
    void OnOK() override;
};

// A pair's fields in the order of its list's columns after "序号".
class CFourPairDlg : public CDialog {
public:
    static constexpr UINT IDD = fourpair::IDD;
    CFourPairDlg(ICoordLibraryHost& library, const PairFields& fields, CWnd* parent);
    PairFields values;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;

private:
    void OnPickSource();
    void OnPickTarget();
    ICoordLibraryHost& library_;
    CIconButton pickSource_;
    CIconButton pickTarget_;
};

class CSevenPairDlg : public CDialog {
public:
    static constexpr UINT IDD = sevenpair::IDD;
    CSevenPairDlg(const ICalibrationHost& host, const PairFields& fields, CWnd* parent);
    PairFields values;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;

private:
    void OnPickGeodetic();
    void OnPickPlane();
    CIconButton pickGeodetic_;
    CIconButton pickPlane_;
    const ICalibrationHost& host_;
};

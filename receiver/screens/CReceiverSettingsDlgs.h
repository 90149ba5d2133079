#pragma once
// The three small dialogs that edit the receiver values of the job's settings block: the elevation
// cut-off, the rover solution settings and the time zone. They only edit and validate; the frame's
// commands (ReceiverSettingsCommands.h) store, save and send.
#include "platform/ui/Dialog.h"
#include "resources/RoverSettingsDlg.h"
#include "resources/SatLimitDlg.h"
#include "resources/TimeZoneDlg.h"

class IFrameServices;

class CSatLimitDlg : public CDialog {
public:
    enum { IDD = satlimit::IDD };
    // Opens with the job's cut-off, so that an unchanged OK keeps it.
    explicit CSatLimitDlg(IFrameServices& frame, CWnd* parent = nullptr);
    int m_nAngle = 0;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;

private:
    IFrameServices& frame_;
};

class CRoverSettingsDlg : public CDialog {
public:
    enum { IDD = roversettings::IDD };
    explicit CRoverSettingsDlg(IFrameServices& frame, CWnd* parent = nullptr);
    int m_nRadioFormat = 0;
    int m_nFixLevel = 0;
    double m_dRmshLimit = 0.0;
    double m_dRmsvLimit = 0.0;
    int m_nPDOPLimit = 0;
    double m_dPDOPLimit = 5.0;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;

private:
    IFrameServices& frame_;
};

class CTimeZoneDlg : public CDialog {
public:
    enum { IDD = timezonedlg::IDD };
    static constexpr int kWestmost = -12;
    static constexpr int kEastmost = 14;
    // Opens with the job's zone, so that an unchanged OK keeps it.
    explicit CTimeZoneDlg(IFrameServices& frame, CWnd* parent = nullptr);
    int m_nTimeZone = 0;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;

private:
    IFrameServices& frame_;
};

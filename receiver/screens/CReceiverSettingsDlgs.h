#pragma once
// The three small dialogs that edit the receiver values of the job's settings block: the elevation
// cut-off, the rover solution settings and the time zone. Each opens on a copy of the job's
// connection settings and edits its own fields of it in place; they only edit and validate, the
// frame's commands (ReceiverSettingsCommands.h) store, save and send.
#include "foundation/GeneralSettingsBlock.h"
#include "platform/ui/Dialog.h"
#include "resources/RoverSettingsDlg.h"
#include "resources/SatLimitDlg.h"
#include "resources/TimeZoneDlg.h"

class CSatLimitDlg : public CDialog {
public:
    enum { IDD = satlimit::IDD };
    // Opens with the job's cut-off, so that an unchanged OK keeps it.
    explicit CSatLimitDlg(const ConnectionSettings& settings, CWnd* parent = nullptr);
    ConnectionSettings values;  // nGAngle

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
};

class CRoverSettingsDlg : public CDialog {
public:
    enum { IDD = roversettings::IDD };
    explicit CRoverSettingsDlg(const ConnectionSettings& settings, CWnd* parent = nullptr);
    // nRadioFormat, nFixLevel, the RMS limits and the PDOP switch and limit.
    ConnectionSettings values;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
};

class CTimeZoneDlg : public CDialog {
public:
    enum { IDD = timezonedlg::IDD };
    static constexpr int kWestmost = -12;
    static constexpr int kEastmost = 14;
    // Opens with the job's zone, so that an unchanged OK keeps it.
    explicit CTimeZoneDlg(const ConnectionSettings& settings, CWnd* parent = nullptr);
    ConnectionSettings values;  // nTimeZone

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};

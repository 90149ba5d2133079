#pragma once
// The choice dialogs of the instrument settings: what to set, the working mode, the data link and how
// to start a base station. They send nothing; the instrument-settings command acts on their choice.
#include "platform/ui/Dialog.h"
#include "resources/BaseSetupDlg.h"
#include "resources/DataLinkDlg.h"
#include "resources/InstrumentSetDlg.h"
#include "resources/WorkModeDlg.h"

class CInstrumentSetDlg : public CDialog {
public:
    enum { IDD = instrumentset::IDD };
    CInstrumentSetDlg() : CDialog(IDD) {}
    int nChoice = 0;  // 0 working mode, 1 static parameters, 2 data link

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
};

class CWorkModeDlg : public CDialog {
public:
    enum { IDD = workmode::IDD };
    // `reportedWorkMode`: the work mode of the receiver's identification (1 base).
    explicit CWorkModeDlg(int reportedWorkMode) : CDialog(IDD), reportedWorkMode_(reportedWorkMode) {}
    int nWorkMode = 0;  // WorkModeChoice

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;

private:
    int reportedWorkMode_;
};

class CDataLinkDlg : public CDialog {
public:
    enum { IDD = datalink::IDD };
    CDataLinkDlg() : CDialog(IDD) {}
    int nLinkType = 0;  // 0 radio, 1 module, 2 external

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
};

class CBaseSetupDlg : public CDialog {
public:
    enum { IDD = basesetup::IDD };
    enum Kind { kAutoStart = 0, kManual = 1 };
    CBaseSetupDlg();
    int nSetupKind = kAutoStart;

protected:
    BOOL OnInitDialog() override;

private:
    void OnAutoStart();
    void OnManual();
};

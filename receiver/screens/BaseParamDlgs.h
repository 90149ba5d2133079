#pragma once
// The parameter forms of the base auto-start (15199) and of static recording (15197), and the
// exchange of the transmit parameters that the entered-coordinates dialog shares with the first.
#include "platform/ui/Dialog.h"
#include "receiver/InstrumentSends.h"
#include "resources/BaseAutoStartDlg.h"
#include "resources/StaticModeDlg.h"

// Interval 1-255 s, mask 0-89°, PDOP 0.1-25.5: each goes out as one byte (the PDOP in tenths).
void ExchangeTransmitParams(CDataExchange* pDX, BaseTransmitParams& params);
// "RTCA", "RTCM", "CMR", "RTCM3": the differential format codes in order.
void FillFormatList(CWnd& dialog);

class CBaseAutoStartDlg : public CDialog {
public:
    enum { IDD = baseautostart::IDD };
    // `radioFormat`: the job's differential format, the list's first choice.
    explicit CBaseAutoStartDlg(int radioFormat) : CDialog(IDD), radioFormat_(radioFormat) {}
    BaseTransmitParams values;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;

private:
    int radioFormat_;
};

class CStaticModeDlg : public CDialog {
public:
    enum { IDD = staticmode::IDD };
    CStaticModeDlg() : CDialog(IDD) {}
    StaticModeParams values;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
};

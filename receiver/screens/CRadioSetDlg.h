#pragma once
// "电台设置": reads or switches the radio modem's channel, starts or stops its channel search, all
// through the frame's module queue; the outcome arrives as WM_MODULE_REPLY. And "GPRS&CDMA模式切换":
// switches the network module with binary commands.
#include "platform/ui/Dialog.h"
#include "receiver/RadioRequest.h"
#include "resources/GprsCdmaSwitchDlg.h"
#include "resources/RadioSetDlg.h"

class IReceiverHost;

// What "电台设置" shows: the channel's combo index (the channel, 0 none) and the module's last answer.
struct RadioSetValues {
    int channel = -1;
    CString status;
};

// What "GPRS&CDMA模式切换" shows: the prompt and the module's network type.
struct NetworkSwitchValues {
    CString text;
    CString mode;
};

class CRadioSetDlg : public CDialog {
public:
    enum { IDD = radioset::IDD };
    explicit CRadioSetDlg(IReceiverHost& frame, CWnd* parent = nullptr);
    RadioSetValues values;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    // The close box and Escape end the module exchange too: left in module mode the frame would keep
    // diverting the receiver's bytes.
    void OnCancel() override;

private:
    void OnRead();
    void OnSwitch();
    void OnAutoSearch();
    void OnStopSearch();
    void Run(RadioRequest request, int channel, const wchar_t* waiting);
    LRESULT OnModuleReply(WPARAM wParam, LPARAM lParam);
    void EnableControls(BOOL enable);

    IReceiverHost& frame_;
};

class CGprsCdmaSwitchDlg : public CDialog {
public:
    enum { IDD = gprscdmaswitch::IDD };
    explicit CGprsCdmaSwitchDlg(IReceiverHost& frame, CWnd* parent = nullptr);
    NetworkSwitchValues values;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;

private:
    void OnToCdma() { SwitchTo(L"C1", L"CDMA"); }
    void OnToGprs() { SwitchTo(L"C2", L"GPRS"); }
    void SwitchTo(const wchar_t* token, const wchar_t* mode);

    IReceiverHost& frame_;
};

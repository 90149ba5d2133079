#pragma once
// "拓瓦GPRS模块设置": reads and writes the network modem's configuration, fetches a caster's mount
// points and opens or closes the modem's connection, in "TOVAK," command lines over the receiver's
// port (switched through to the modem while a button's steps run). The kept settings are what the
// modem has confirmed; the opener copies them in before and back after OK.
#include "platform/ui/ComboBox.h"
#include "platform/ui/Dialog.h"
#include "receiver/ModemSession.h"
#include "resources/GprsModuleDlg.h"

class IReceiverHost;

class CGprsModuleDlg : public CDialog, private IModemSessionView {
public:
    enum { IDD = gprsmodule::IDD };
    static constexpr UINT_PTR kStepTimer = 1999;
    explicit CGprsModuleDlg(IReceiverHost& frame, CWnd* parent = nullptr);

    NetModuleSettings& Kept() { return session_.kept; }

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    void OnCancel() override;
    void OnDestroy() override;
    void OnTimer(UINT_PTR id) override;

private:
    void OnRead();
    void OnSet();
    void OnList();
    void OnConnect();
    void OnDisconnect();
    void OnComboChanged();
    LRESULT OnSerialData(WPARAM wParam, LPARAM lParam);
    // Steps 1 to 4 of every button: route the port to the modem; false when the port cannot be opened.
    bool BeginRun();
    void SwitchPort();
    void EndExchange();
    void SetButtons(bool enable);

    // IModemSessionView
    void SendLine(const CString& command) override;
    void ShowStatus(const CString& text) override;
    bool StatusFits(const CString& text) override;
    void EnableButtons() override { SetButtons(true); }
    void ShowKept() override;
    void ClearMountPoints() override { mountPoints_.ResetContent(); }
    void AddMountPoint(const CString& entry) override { mountPoints_.AddString(entry); }
    void ChooseFirstMountPoint() override;

    IReceiverHost& frame_;
    CModemSession session_;
    // The fields on the screen: the kept settings as shown, edited by the user.
    NetModuleSettings shown_;
    CString status_;
    int setAsBase_ = 0;
    CComboBox mountPoints_;
};

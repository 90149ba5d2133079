#pragma once
// 134 "连接仪器": how the handheld reaches the receiver (cable, Bluetooth card, the built-in Bluetooth
// module, or a typed port) and at what speed. For the built-in module it drives the module's AT
// commands on port 2: check, master role, an inquiry listing the receivers in range (kept in the device
// list file), and the address of the one picked. The frame connects with the values after IDOK.
#include <deque>
#include <vector>

#include "platform/ui/Dialog.h"
#include "receiver/BluetoothList.h"
#include "resources/ConnectDlg.h"

class IFrameServices;

class CConnectDlg : public CDialog {
public:
    enum { IDD = connectdlg::IDD };
    static constexpr UINT_PTR kTimerId = 1001;
    static constexpr UINT kTimerMs = 2000;

    explicit CConnectDlg(IFrameServices& frame);

    int nChoice = 0;  // 0 by connection method, 1 by typed port
    int nMethod = 0;  // 0 cable, 1 Bluetooth card, 2 built-in Bluetooth
    int nInputPort = 7;
    int nBaudRate = 57600;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    void OnCancel() override;
    void OnTimer(UINT_PTR id) override;
    void OnDestroy() override;

private:
    void ApplyEnabling();
    void SetScanning(bool scanning);
    void LoadDeviceList();
    void OnScan();
    void OnStop();
    LRESULT OnSerialData(WPARAM wParam, LPARAM lParam);
    void HandleLine(const CString& line);
    void SendNext();
    void WriteCurrent();
    bool HasCommand() const;
    void ShowStatus(const CString& text);
    void StepProgress(int by);
    void Leave(int result);

    IFrameServices& frame_;
    int baudIndex_ = 4;
    bool firstSave_ = true;
    bool connecting_ = false;
    bool inquiring_ = false;
    CString received_;
    std::vector<BtDeviceEntry> found_;
    CommandItem current_;
    std::deque<CommandItem> queue_;
};

#pragma once
// 134 "连接仪器": how the handheld reaches the receiver (cable, Bluetooth card, the built-in Bluetooth
// module, or a typed port) and at what speed. For the built-in module it drives the module's AT
// commands on port 2: check, master role, an inquiry listing the receivers in range (kept in the device
// list file), and the address of the one picked. The frame connects with the values after IDOK.
#include <memory>
#include <vector>

#include "platform/ui/Dialog.h"
#include "receiver/BluetoothList.h"
#include "receiver/BluetoothModule.h"
#include "resources/ConnectDlg.h"

class IReceiverHost;

class CConnectDlg : public CDialog, private IBluetoothEvents {
public:
    enum { IDD = connectdlg::IDD };
    static constexpr UINT_PTR kTimerId = 1001;
    static constexpr UINT kTimerMs = 2000;

    // Without a module of its own the dialog uses the one behind the frame's port 2.
    explicit CConnectDlg(IReceiverHost& frame, std::unique_ptr<IBluetoothModule> module = nullptr);

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
    // The port's own message when the module's port would not open.
    void TellPortRefusal();
    void SetScanning(bool scanning);
    void LoadDeviceList();
    void OnScan();
    void OnStop();
    LRESULT OnModuleNotify(WPARAM wParam, LPARAM lParam);
    void Leave(int result);

    void ShowStatus(const CString& text) override;
    void SetProgress(int pos) override;
    void StepProgress(int by) override;
    void InquiryStarted() override;
    void DeviceFound(const BtDeviceEntry& device) override;
    void InquiryEnded() override;
    void ScanIdle() override;
    void AddressSet() override;

    IReceiverHost& frame_;
    std::unique_ptr<IBluetoothModule> module_;
    int baudIndex_ = 4;
    bool firstSave_ = true;
    std::vector<BtDeviceEntry> found_;
};

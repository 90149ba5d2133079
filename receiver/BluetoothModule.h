#pragma once
// The handheld's built-in Bluetooth module as the connection dialog sees it: a check, the master role
// and an inquiry run as one scan, a cancel, and the address of the receiver to connect to. How the
// module is reached (AT commands on a port, or the host's adapter) is the implementation's.
#include "platform/base/WinTypes.h"
#include "platform/text/CString.h"
#include "receiver/BluetoothList.h"

// What the module tells the dialog.
class IBluetoothEvents {
public:
    virtual void ShowStatus(const CString& text) = 0;  // an empty text keeps the status line
    virtual void SetProgress(int pos) = 0;
    virtual void StepProgress(int by) = 0;
    virtual void InquiryStarted() = 0;  // the devices of the last scan are forgotten
    virtual void DeviceFound(const BtDeviceEntry& device) = 0;
    virtual void InquiryEnded() = 0;  // the scan is over
    virtual void ScanIdle() = 0;      // nothing more is under way
    virtual void AddressSet() = 0;    // the module will connect to the address given

protected:
    ~IBluetoothEvents() = default;
};

class IBluetoothModule {
public:
    virtual ~IBluetoothModule() = default;
    // The window that hands the module its notifications (WM_SERIAL_DATA, to OnNotify), and who hears
    // the events.
    virtual void Attach(HWND window, IBluetoothEvents& events) = 0;
    // Check, master role, then an inquiry; false when the module cannot be reached.
    virtual bool StartScan() = 0;
    virtual void Cancel() = 0;
    // false when the module cannot be reached; else AddressSet follows, or a time-out.
    virtual bool SetAddress(const CString& address) = 0;
    // Why the port refused to open when StartScan or SetAddress answered false; empty when it did not.
    virtual CString PortRefusal() const { return CString(); }
    virtual bool Inquiring() const = 0;
    virtual bool SettingAddress() const = 0;
    // The dialog stopped waiting for the inquiry's end.
    virtual void AbandonInquiry() = 0;
    // The dialog's 2 s timer.
    virtual void OnTick() = 0;
    virtual void OnNotify(WPARAM wParam, LPARAM lParam) = 0;
    // The dialog closes to connect some other way, or is left; Detach stops every delivery.
    virtual void HandOver() = 0;
    virtual void Quit() = 0;
    virtual void Detach() = 0;
};

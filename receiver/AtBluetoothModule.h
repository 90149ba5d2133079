#pragma once
// The built-in module driven by its AT commands on port 2 at 9600 baud, through the frame's port: the
// dialog becomes the port's second owner while it talks to the module, and the modem lines are set as
// the module expects (RTS cleared to scan, DTR cleared to cancel or connect).
#include <deque>

#include "receiver/BluetoothModule.h"
#include "receiver/CSerialPort.h"
#include "receiver/CommandItem.h"

class CAtBluetoothModule : public IBluetoothModule {
public:
    explicit CAtBluetoothModule(IReceiverPort& port) : port_(port) {}

    void Attach(HWND window, IBluetoothEvents& events) override;
    bool StartScan() override;
    void Cancel() override;
    bool SetAddress(const CString& address) override;
    CString PortRefusal() const override { return PortOpenFailureText(refusal_); }
    bool Inquiring() const override { return inquiring_; }
    bool SettingAddress() const override { return connecting_; }
    void AbandonInquiry() override;
    void OnTick() override;
    void OnNotify(WPARAM wParam, LPARAM lParam) override;
    void HandOver() override;
    void Quit() override;
    void Detach() override;

private:
    void HandleLine(const CString& line);
    void SendNext();
    void WriteCurrent();
    bool HasCommand() const;

    IReceiverPort& port_;
    PortOpenFailure refusal_ = PortOpenFailure::kNone;
    HWND window_ = nullptr;
    IBluetoothEvents* events_ = nullptr;
    bool connecting_ = false;
    bool inquiring_ = false;
    bool addressTaken_ = false;
    CString received_;
    CommandItem current_;
    std::deque<CommandItem> queue_;
};

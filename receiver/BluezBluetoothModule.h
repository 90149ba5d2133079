#pragma once
// The built-in module played by the host's own adapter through BlueZ on the system D-Bus
// (DBUS_SYSTEM_BUS_ADDRESS when set): the check is a powered adapter, the master role needs nothing,
// an inquiry is 30 s of discovery listing every receiver the adapter knows or finds, and the address
// to connect to is kept in a file, since the adapter has no memory of its own for it. No port is used.
#include <set>
#include <string>

#include "receiver/BluetoothModule.h"
#include "receiver/SdBusCalls.h"

class CBluezBluetoothModule : public IBluetoothModule {
public:
    CBluezBluetoothModule() = default;
    ~CBluezBluetoothModule() override;
    CBluezBluetoothModule(const CBluezBluetoothModule&) = delete;
    CBluezBluetoothModule& operator=(const CBluezBluetoothModule&) = delete;

    // Discovery lasts this many ticks of the dialog's 2 s timer.
    static constexpr int kInquiryTicks = 15;

    void Attach(HWND window, IBluetoothEvents& events) override;
    bool StartScan() override;
    void Cancel() override;
    bool SetAddress(const CString& address) override;
    bool Inquiring() const override { return inquiring_; }
    bool SettingAddress() const override { return false; }
    void AbandonInquiry() override { StopInquiry(); }
    void OnTick() override;
    void OnNotify(WPARAM, LPARAM) override {}
    void HandOver() override {}
    void Quit() override {}
    void Detach() override { StopInquiry(); }

private:
    bool FindAdapter();
    void StopInquiry();
    void Report(const std::string& path, const std::string& address, const std::string& name);
    static int OnInterfacesAdded(sd_bus_message* message, void* self, sd_bus_error* error);

    IBluetoothEvents* events_ = nullptr;
    const SdBusCalls* sd_ = nullptr;  // loaded with the bus
    sd_bus* bus_ = nullptr;
    sd_bus_slot* added_ = nullptr;
    std::string adapter_;
    bool inquiring_ = false;
    int ticks_ = 0;
    std::set<std::string> reported_;
};

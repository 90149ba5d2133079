#pragma once
// The receiver dialogs' bench with the handheld's Bluetooth module played on COM2 by a second
// simulator, and every modem-line change (DTR, RTS) the frame's port makes recorded.
#include <functional>
#include <vector>

#include "tests/receiver/screens/ReceiverScreenTest.h"

class BluetoothModuleTest : public ReceiverScreenTest {
public:
    void SetUp() override {
        ReceiverScreenTest::SetUp();
        ASSERT_TRUE(module.Open());
        SetSerialDevicePath(2, module.DevicePath());
        frame.port.SetEscapeObserver([this](DWORD f) { lineChanges.push_back(f); });
    }
    void TearDown() override {
        frame.port.Close();
        SetSerialDevicePath(2, "");
        ReceiverScreenTest::TearDown();
    }
    // Lets both simulators answer and the dialogs take the answers until `done` holds.
    bool Settle(const std::function<bool()>& done) {
        return PumpUntil(simulator, [&] {
            module.ServiceInput();
            ui.Pump();
            return done();
        });
    }

    sim::CReceiverSimulator module;
    sim::CBluetoothModuleSim& bt = module.PlayBluetoothModule();
    std::vector<DWORD> lineChanges;
};

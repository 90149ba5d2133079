#pragma once
// A frame whose receiver ports (COM5, the cable, and COM3, Bluetooth) are the simulator's
// pseudo-terminal, and what the frame wrote there.
#include "platform/serial/SerialPortMap.h"
#include "tests/receiver/WrittenBytes.h"
#include "tests/shell/FrameTestSupport.h"
#include "tools/receiver-sim/sim/CReceiverSimulator.h"

class SimulatorFrameTest : public FrameTest {
protected:
    explicit SimulatorFrameTest(sim::SimOptions options = {}) : simulator(std::move(options)) {}
    void SetUp() override {
        FrameTest::SetUp();
        ASSERT_TRUE(simulator.Open());
        SetSerialDevicePath(5, simulator.DevicePath());
        SetSerialDevicePath(3, simulator.DevicePath());
    }
    void TearDown() override {
        FrameProbe::Receiver(frame).Port().Close();
        SetSerialDevicePath(5, "");
        SetSerialDevicePath(3, "");
        FrameTest::TearDown();
    }
    // Everything the frame wrote since the last call.
    std::string Written() { return WrittenSince(simulator, FrameProbe::Receiver(frame).Port(), seen_); }

    sim::CReceiverSimulator simulator;
    size_t seen_ = 0;
};

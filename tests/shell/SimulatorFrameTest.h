#pragma once
// A frame whose receiver ports (COM5, the cable, and COM3, Bluetooth) are the simulator's
// pseudo-terminal, and what the frame wrote there, waited for by a marker line instead of by time.
#include <poll.h>

#include "platform/serial/SerialPortMap.h"
#include "tests/shell/FrameTestSupport.h"
#include "tools/receiver-sim/sim/CReceiverSimulator.h"

class SimulatorFrameTest : public FrameTest {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        ASSERT_TRUE(simulator.Open());
        SetSerialDevicePath(5, simulator.DevicePath());
        SetSerialDevicePath(3, simulator.DevicePath());
    }
    void TearDown() override {
        frame.SerialPort().Close();
        SetSerialDevicePath(5, "");
        SetSerialDevicePath(3, "");
        FrameTest::TearDown();
    }
    // Everything the frame wrote since the last call. A marker written after it arrives last, so once
    // the marker is in, so is everything before it.
    std::string Written() {
        static constexpr char kMarker[] = "#written\r\n";
        frame.SerialPort().Write(kMarker, sizeof kMarker - 1);
        size_t end = std::string::npos;
        for (int i = 0; i < 1000 && end == std::string::npos; ++i) {
            pollfd p{simulator.InputFd(), POLLIN, 0};
            poll(&p, 1, 10);
            simulator.ServiceInput();
            end = simulator.Received().find(kMarker, seen_);
        }
        EXPECT_NE(end, std::string::npos) << "the marker never came through";
        const std::string fresh = simulator.Received().substr(seen_, end - seen_);
        seen_ = end + sizeof kMarker - 1;
        return fresh;
    }

    sim::CReceiverSimulator simulator;
    size_t seen_ = 0;
};

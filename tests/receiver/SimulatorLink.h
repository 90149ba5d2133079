#pragma once
// A frame whose real serial port is connected to the receiver simulator through a pseudo-terminal.
#include <gtest/gtest.h>

#include <string>

#include "platform/serial/SerialPortMap.h"
#include "tests/receiver/ReceiverHostDouble.h"
#include "tests/receiver/WrittenBytes.h"
#include "tools/receiver-sim/sim/CReceiverSimulator.h"

class SimulatorLink : public ::testing::Test {
protected:
    static constexpr int kPort = 5;

    void SetUp() override {
        ASSERT_TRUE(simulator.Open());
        SetSerialDevicePath(kPort, simulator.DevicePath());
        ASSERT_EQ(frame.port.OpenPort(kPort, 57600), TRUE);
    }
    void TearDown() override {
        frame.port.Close();
        SetSerialDevicePath(kPort, "");
    }
    // Everything the program wrote since the last call.
    std::string Written() { return WrittenSince(simulator, frame.port, seen_); }

    sim::CReceiverSimulator simulator;
    ReceiverHostDouble frame;

private:
    size_t seen_ = 0;
};

inline std::string Bytes(std::initializer_list<int> values) {
    std::string out;
    for (int v : values) out += static_cast<char>(v);
    return out;
}

// A command text stored with its own CR LF, as the line writer sends it: followed by an empty line.
inline std::string Stored(const std::string& text) {
    return text + "\r\n\r\n";
}

inline const std::string kVersionQuery = Bytes({0x24, 0x34, 0xCB, 0x00, 0x00, 0xDB});

#include <poll.h>
#include <chrono>
#include <functional>

#include "platform/messages/Messages.h"

// Lets the simulator answer and the UI thread take the port's chunks until `done` holds (at most
// `limitMs` of real time: the reader thread and the terminal run in real time).
inline bool PumpUntil(sim::CReceiverSimulator& simulator, const std::function<bool()>& done,
                      int limitMs = 10000) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(limitMs);
    while (std::chrono::steady_clock::now() < deadline) {
        simulator.ServiceInput();
        while (PumpPendingMessages()) {
        }
        if (done()) return true;
        pollfd p{simulator.InputFd(), POLLIN, 0};
        poll(&p, simulator.InputFd() >= 0 ? 1 : 0, 2);
    }
    return done();
}

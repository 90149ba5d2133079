#pragma once
// What the program wrote to the simulator's terminal since the last look. The bytes cross the
// pseudo-terminal on their own time, so a marker line is written after them and waited for (with a
// generous bound): once it is in, so is everything before it. The simulator answers no marker.
#include <gtest/gtest.h>
#include <poll.h>

#include <string>

#include "receiver/CSerialPort.h"
#include "tools/receiver-sim/sim/CReceiverSimulator.h"

inline std::string WrittenSince(sim::CReceiverSimulator& simulator, IReceiverPort& port, size_t& seen) {
    static constexpr char kMarker[] = "#written\r\n";
    port.Write(kMarker, sizeof kMarker - 1);
    size_t end = std::string::npos;
    for (int i = 0; i < 1000; ++i) {
        simulator.ServiceInput();
        end = simulator.Received().find(kMarker, seen);
        if (end != std::string::npos) break;
        pollfd p{simulator.InputFd(), POLLIN, 0};
        poll(&p, 1, 10);
    }
    EXPECT_NE(end, std::string::npos) << "the marker never came through";
    if (end == std::string::npos) return {};
    const std::string fresh = simulator.Received().substr(seen, end - seen);
    seen = end + sizeof kMarker - 1;
    return fresh;
}

#pragma once
// The built program started against the receiver simulator: its environment, and the receiver
// played in real time while the test waits on the program.
#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "tools/receiver-sim/sim/CReceiverSimulator.h"

extern char** environ;

// The test's own environment with serial ports 2, 3 and 5 on the simulator's terminal and the given
// display (none when empty) in place of its own.
class ProgramEnvironment {
public:
    ProgramEnvironment(const std::string& pty, const std::string& display) {
        words_.push_back("QZ_SERIAL_PORTS=2=" + pty + ",3=" + pty + ",5=" + pty);
        if (!display.empty()) words_.push_back("DISPLAY=" + display);
        for (char** e = environ; *e; ++e)
            if (std::string(*e).rfind("QZ_SERIAL_PORTS=", 0) != 0 &&
                std::string(*e).rfind("DISPLAY=", 0) != 0)
                words_.push_back(*e);
        for (std::string& word : words_) pointers_.push_back(word.data());
        pointers_.push_back(nullptr);
    }
    char* const* get() const { return pointers_.data(); }

private:
    std::vector<std::string> words_;
    std::vector<char*> pointers_;
};

// Plays the receiver in real time until `done` holds (at most `limitMs`).
inline bool PlayReceiverUntil(sim::CReceiverSimulator& receiver, const std::function<bool()>& done,
                              int limitMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(limitMs);
    while (std::chrono::steady_clock::now() < deadline) {
        receiver.ServiceInput();
        receiver.Advance(50);
        if (done()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return false;
}

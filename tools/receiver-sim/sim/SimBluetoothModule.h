#pragma once
// The handheld's built-in Bluetooth module as the simulator plays it on its own terminal: it answers
// the AT commands with "OK", reports an inquiry as "+INQRESU:" lines and "+INQCOMP", and once given the
// address of a receiver in range ("AT+RADDR=") it is linked: from then on the terminal carries the
// receiver itself.
#include <set>
#include <string>
#include <vector>

namespace sim {

struct SimBtDevice {
    std::string address;
    std::string name;  // GBK bytes
};

class CBluetoothModuleSim {
public:
    // The receivers in range, reported by an inquiry in this order.
    std::vector<SimBtDevice> devices = {{"0016A4000001", "QZ-Rover"}};
    // Commands (without CR LF; "AT+RADDR" for every address) that get no answer.
    std::set<std::string> silent;
    // False: an inquiry reports its devices but never its end.
    bool inquiryEnds = true;

    bool Linked() const { return linked_; }
    // The module's answer to one command line; empty when it stays silent.
    std::string Answer(const std::string& line);
    // Every command line the module received, in order.
    const std::vector<std::string>& Commands() const { return commands_; }

private:
    bool linked_ = false;
    std::vector<std::string> commands_;
};

}  // namespace sim

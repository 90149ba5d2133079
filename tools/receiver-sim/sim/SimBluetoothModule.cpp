#include "tools/receiver-sim/sim/SimBluetoothModule.h"

namespace sim {

std::string CBluetoothModuleSim::Answer(const std::string& line) {
    commands_.push_back(line);
    static const std::string kAddress = "AT+RADDR=";
    const bool connect = line.compare(0, kAddress.size(), kAddress) == 0;
    if (silent.count(connect ? "AT+RADDR" : line)) return {};
    if (connect) {
        const std::string address = line.substr(kAddress.size());
        for (const SimBtDevice& device : devices)
            if (device.address == address) {
                linked_ = true;
                return "OK\r\n";
            }
        return {};
    }
    if (line == "AT+INQ") {
        std::string reply = "OK\r\n";
        for (const SimBtDevice& device : devices)
            reply += "+INQRESU:" + device.address + "," + device.name + "\r\n";
        if (inquiryEnds) reply += "+INQCOMP\r\n";
        return reply;
    }
    if (line == "AT" || line == "AT+ROLE=1" || line == "AT+CANCEL") return "OK\r\n";
    return {};
}

}  // namespace sim

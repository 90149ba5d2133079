#pragma once
// The network modem behind the simulated receiver: answers the "TOVAK," command lines with
// "TOVAK,<WORD>,OK" (a GSM connection answers OPEN with "CONNECT"), keeps what was set and reads it
// back for READALL, and sends a caster's source table after the reset that follows an empty IPSET.
#include <string>

namespace sim {

class SimModem {
public:
    // The answer to one received line (without CR LF); empty when the line is no modem command.
    std::string Answer(const std::string& line);

private:
    std::string ReadAll() const;

    std::string ownId_ = "0";
    std::string baseId_ = "1234";
    std::string phone_ = "13800000000";
    std::string connection_ = "MODEGPRS";
    std::string workMode_ = "MODENTRIP";
    std::string address_ = "127.0.0.1";
    std::string port_ = "2101";
    std::string domain_ = "RTCM32";
    std::string login_ = "user:secret";
    bool listing_ = false;
};

}  // namespace sim

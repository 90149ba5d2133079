#include "tools/receiver-sim/sim/SimModem.h"

#include <vector>

namespace sim {

namespace {

constexpr const char* kPrefix = "TOVAK,";

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> fields;
    size_t start = 0;
    for (;;) {
        const size_t at = text.find(separator, start);
        fields.push_back(text.substr(start, at == std::string::npos ? std::string::npos : at - start));
        if (at == std::string::npos) return fields;
        start = at + 1;
    }
}

std::string Field(const std::vector<std::string>& fields, size_t i) {
    return i < fields.size() ? fields[i] : std::string();
}

// A small caster's table: two mount points, one without an identifier.
const char* const kSourceTable =
    "SOURCETABLE 200 OK\r\n"
    "Server: SimCaster/1.0\r\n"
    "STR;RTCM32;Hangzhou;RTCM 3.2;1004(1),1012(1);2;GPS+GLO;SIM;CHN;30.24;120.17;1;0;sim;none;B;N;9600;\r\n"
    "STR;CMRX;;CMR+;;2;GPS;SIM;CHN;30.24;120.17;1;0;sim;none;B;N;9600;\r\n"
    "NET;SIM;SIM;B;N;none;none;none;\r\n"
    "ENDSOURCETABLE\r\n";

}  // namespace

std::string SimModem::ReadAll() const {
    return std::string(kPrefix) + "ALL," + ownId_ + "," + baseId_ + ",0," + phone_ + "," + connection_ + "," +
           workMode_ + "," + address_ + "," + port_ + "," + domain_ + "," + login_ + ",,\r\n";
}

std::string SimModem::Answer(const std::string& line) {
    const size_t at = line.find(kPrefix);
    if (at == std::string::npos) return {};
    const std::vector<std::string> fields = Split(line.substr(at + 6), ',');
    const std::string& word = fields[0];
    const std::string ok = std::string(kPrefix) + word + ",OK\r\n";
    if (word == "READALL") return ReadAll();
    if (word == "MODEGSM" || word == "MODEGPRS" || word == "MODECDMA") {
        connection_ = word;
    } else if (word == "MODETOVAK" || word == "MODEVRS" || word == "MODENTRIP") {
        workMode_ = word;
    } else if (word == "SETGSM") {
        phone_ = Field(fields, 2);
    } else if (word == "SETGPRS") {
        ownId_ = Field(fields, 1);
        baseId_ = Field(fields, 2);
    } else if (word == "IPSET") {
        address_ = Field(fields, 1);
        port_ = Field(fields, 2);
        domain_ = Field(fields, 3);
        listing_ = address_.empty();
    } else if (word == "USER") {
        login_ = line.substr(line.find("USER,") + 5);
    } else if (word == "OPEN" && connection_ == "MODEGSM") {
        return "CONNECT\r\n";
    } else if (word == "RESET" && listing_) {
        return ok + kSourceTable;
    }
    return ok;
}

}  // namespace sim

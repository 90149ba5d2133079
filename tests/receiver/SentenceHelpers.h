#pragma once
// Builds test lines with correct checks, as the receiver sends them (without the CR LF the frame cuts).
#include <string>

#include "platform/text/CString.h"
#include "tools/receiver-sim/sim/SimSentences.h"

inline CString Wide(const std::string& text) {
    std::wstring out;
    for (char c : text) out += static_cast<wchar_t>(static_cast<unsigned char>(c));
    return CString(out);
}

inline CString WithoutLineEnd(const std::string& line) {
    std::string text = line;
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
    return Wide(text);
}

// "$<body>*hh"
inline CString Nmea(const std::string& body) {
    return WithoutLineEnd(sim::NmeaSentence(body));
}
// "#<body>*crc"
inline CString BoardLine(const std::string& body) {
    return WithoutLineEnd(sim::BoardLog(body));
}
// The board's "VERSIONA" log naming its firmware ("3.300").
inline CString FirmwareLog(const std::string& firmware) {
    return WithoutLineEnd(sim::VersionLog(sim::Epoch{}, firmware));
}

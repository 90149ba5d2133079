#include <cstdint>
#include <string>

#include "platform/text/CodePage.h"
#include "receiver/CSerialPort.h"

namespace {

// The leading decimal number of `text` (optional sign), as a 32-bit value; 0 when there is none.
uint32_t LeadingInteger(const std::string& text, size_t from) {
    size_t i = from;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    int64_t value = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9' && value < (int64_t{1} << 40))
        value = value * 10 + (text[i++] - '0');
    return static_cast<uint32_t>(negative ? -value : value);
}

}  // namespace

bool BuildBinaryPayload(const CString& tokens, std::string* result) {
    result->clear();
    std::string built;
    std::string* payload = &built;
    const std::string text = ToGbk(tokens);
    if (text.size() > CSerialPort::kMaxTokenTextBytes) return false;
    size_t pos = 0;
    while (pos < text.size()) {
        while (pos < text.size() && text[pos] == ' ') ++pos;
        const size_t end = text.find(' ', pos) == std::string::npos ? text.size() : text.find(' ', pos);
        if (end == pos) break;
        if (end - pos > static_cast<size_t>(CSerialPort::kMaxTokenChars)) return false;
        const std::string token = text.substr(pos, end - pos);
        pos = end;
        const uint32_t value = LeadingInteger(token, 1);
        switch (token[0] | 0x20) {
            case 'a':
                *payload += token.size() > 1 ? token[1] : '\0';
                break;
            case 'c':
                *payload += static_cast<char>(value & 0xFF);
                break;
            case 'i':
                *payload += static_cast<char>(value & 0xFF);
                *payload += static_cast<char>((value >> 8) & 0xFF);
                break;
            case 'l':
                // Each 16-bit half high byte first, the low half first: the boards' own word order.
                *payload += static_cast<char>((value >> 8) & 0xFF);
                *payload += static_cast<char>(value & 0xFF);
                *payload += static_cast<char>((value >> 24) & 0xFF);
                *payload += static_cast<char>((value >> 16) & 0xFF);
                break;
            default:
                break;
        }
        if (payload->size() > CSerialPort::kMaxPayloadBytes) return false;
    }
    *result = std::move(built);
    return true;
}

std::string BuildBinaryFrame(BYTE commandId, const std::string& payload) {
    std::string frame;
    frame += '$';
    frame += static_cast<char>(commandId);
    frame += static_cast<char>(~commandId & 0xFF);
    frame += static_cast<char>(payload.size() & 0xFF);
    frame += static_cast<char>((payload.size() >> 8) & 0xFF);
    frame += payload;
    uint8_t check = 0;
    for (char c : frame) check ^= static_cast<uint8_t>(c);
    frame += static_cast<char>(check);
    return frame;
}

CString HexByteSumChecksum(const CString& hexText) {
    std::wstring digits;
    for (wchar_t ch : hexText.str())
        if (ch != L' ') digits += ch;
    unsigned sum = 0;
    for (size_t i = 0; i + 1 < digits.size(); i += 2) {
        unsigned pair = 0;
        for (size_t k = i; k < i + 2; ++k) {
            const wchar_t c = digits[k];
            const int v = (c >= L'0' && c <= L'9')   ? c - L'0'
                          : (c >= L'a' && c <= L'f') ? c - L'a' + 10
                          : (c >= L'A' && c <= L'F') ? c - L'A' + 10
                                                     : -1;
            if (v < 0) {
                pair = 0;
                break;
            }
            pair = pair * 16 + static_cast<unsigned>(v);
        }
        sum += pair;
    }
    CString out;
    out.Format(L"%02x", sum & 0xFF);
    return out;
}

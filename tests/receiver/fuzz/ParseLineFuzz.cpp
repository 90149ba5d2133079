// libFuzzer target: received lines, in the device code page, through the sentence, log and version
// parsers of one parser object, so that what a line leaves behind (board type, version values,
// staging table) meets the next. The input starts with four little-endian int32 settings taken from
// the whole int range (board type, time zone, base flag, fix level), then the lines, one per LF. Built and
// run by run-fuzz.sh beside it.
//
// Random mutation almost never keeps a board log's CRC-32 or a sentence's XOR right, so the bodies
// behind them would stay unreached: the mutator recomputes every line's check after most mutations
// (not all, so that the refusals stay covered too).
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "platform/text/Format.h"
#include "receiver/CGpsParser.h"
#include "receiver/ReceiverProtocol.h"

extern "C" size_t LLVMFuzzerMutate(uint8_t* data, size_t size, size_t maxSize);

namespace {
constexpr size_t kSettingsBytes = 16;

// The board's version log naming firmware 3.3, so that the rules of newer boards are fuzzed too.
CString FirmwareLog() {
    const CString body =
        L"VERSIONA,COM1,0,55.0,FINESTEERING,2180,1.000,00000000,0000,1114;1,GPSCARD,\"M\",\"S\",\"HW\",\"3."
        L"3\"";
    return Format(L"#%s*%08x", body.c_str(), CGpsParser::Crc32(body.GetLength(), body.c_str()));
}

std::string Hex(uint32_t value, int digits) {
    static const char kDigits[] = "0123456789ABCDEF";
    std::string text(static_cast<size_t>(digits), '0');
    for (int i = digits - 1; i >= 0; --i, value >>= 4) text[static_cast<size_t>(i)] = kDigits[value & 0xF];
    return text;
}

// The line with its check recomputed: "#...*" gets the CRC-32 of the characters between, "$...*"
// the XOR; what followed the check is dropped.
std::string WithCheck(std::string line) {
    const size_t start = line.find_first_of("#$");
    const size_t star = start == std::string::npos ? start : line.find('*', start);
    if (star == std::string::npos) return line;
    const std::string body = line.substr(start + 1, star - start - 1);
    line.resize(star + 1);
    if (line[start] == '#') {
        std::wstring wide(body.begin(), body.end());
        for (wchar_t& c : wide) c = static_cast<wchar_t>(static_cast<unsigned char>(c));
        return line + Hex(CGpsParser::Crc32(static_cast<int>(wide.size()), wide.c_str()), 8);
    }
    unsigned sum = 0;
    for (const char c : body) sum ^= static_cast<unsigned char>(c);
    return line + Hex(sum, 2);
}
}  // namespace

extern "C" size_t LLVMFuzzerCustomMutator(uint8_t* data, size_t size, size_t maxSize, unsigned int seed) {
    size = LLVMFuzzerMutate(data, size, maxSize);
    if (seed % 8 == 0 || size < kSettingsBytes) return size;
    std::string text(reinterpret_cast<const char*>(data) + kSettingsBytes, size - kSettingsBytes);
    std::string fixed;
    for (size_t start = 0; start <= text.size();) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        const bool cr = !line.empty() && line.back() == '\r';
        if (cr) line.pop_back();
        fixed += WithCheck(line) + (cr ? "\r" : "") + (end < text.size() ? "\n" : "");
        start = end + 1;
    }
    const size_t room = maxSize - kSettingsBytes;
    if (fixed.size() > room) fixed.resize(room);
    std::memcpy(data + kSettingsBytes, fixed.data(), fixed.size());
    return kSettingsBytes + fixed.size();
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    int32_t settings[4];
    if (size < sizeof settings) return 0;
    std::memcpy(settings, data, sizeof settings);
    CGpsParser parser({.boardType = settings[0],
                       .baseFlag = settings[2],
                       .fixLevel = settings[3],
                       .timeZone = settings[1]});
    CGpsState state;
    int versionType = 0;
    parser.Parse(FirmwareLog(), state, versionType);
    std::string_view rest(reinterpret_cast<const char*>(data + sizeof settings), size - sizeof settings);
    while (!rest.empty()) {
        const size_t end = rest.find('\n');
        std::string_view bytes = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
        if (!bytes.empty() && bytes.back() == '\r') bytes.remove_suffix(1);
        int type = 0;
        if (const std::optional<CString> reply = VersionReplyText(bytes))
            parser.ParseVersion(*reply, state);
        else
            parser.Parse(bytes, state, type);
    }
    return 0;
}

// libFuzzer target: received lines, in the device code page, through the sentence, log and version
// parsers of one parser object, so that what a line leaves behind (board type, version values,
// staging table) meets the next. The input starts with four little-endian int32 settings taken from
// the whole int range (board type, parser time zone, job time zone, fix level), then the lines, one
// per LF. Built and run by run-fuzz.sh beside it.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "platform/text/CodePage.h"
#include "platform/text/Format.h"
#include "receiver/CGpsParser.h"
#include "tests/receiver/ParserOnlyFrame.h"

namespace {
// The board's version log naming firmware 3.3, so that the rules of newer boards are fuzzed too.
CString FirmwareLog() {
    const CString body =
        L"VERSIONA,COM1,0,55.0,FINESTEERING,2180,1.000,00000000,0000,1114;1,GPSCARD,\"M\",\"S\",\"HW\",\"3."
        L"3\"";
    return Format(L"#%s*%08x", body.c_str(), CGpsParser::Crc32(body.GetLength(), body.c_str()));
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    int32_t settings[4];
    if (size < sizeof settings) return 0;
    std::memcpy(settings, data, sizeof settings);
    CParserOnlyFrame frame;
    frame.system.nGPSOEMType = settings[0];
    frame.settings.connection.nTimeZone = settings[2];
    CGpsParser parser(frame);
    parser.SetTimeZone(settings[1]);
    parser.SetFixLevel(settings[3]);
    int versionType = 0;
    parser.Parse(FirmwareLog(), frame.state, versionType);
    std::string_view rest(reinterpret_cast<const char*>(data + sizeof settings), size - sizeof settings);
    while (!rest.empty()) {
        const size_t end = rest.find('\n');
        std::string_view bytes = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
        if (!bytes.empty() && bytes.back() == '\r') bytes.remove_suffix(1);
        const CString line = FromGbk(bytes);
        int type = 0;
        if (line.Find(L"GPXXX") >= 0)
            parser.ParseVersion(line, frame.state);
        else
            parser.Parse(line, frame.state, type);
    }
    return 0;
}

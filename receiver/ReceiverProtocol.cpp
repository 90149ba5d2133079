#include "receiver/ReceiverProtocol.h"

#include <array>
#include <string>

#include "platform/text/CodePage.h"

namespace {
struct LinkWord {
    const wchar_t* word;
    DataLinkKind kind;
};
constexpr std::array<LinkWord, 7> kLinkWords = {{
    {L"RADIO", kLinkRadio},
    {L"NET", kLinkNetwork},
    {L"GPRS", kLinkNetwork},
    {L"CDMA", kLinkNetwork},
    {L"VRS", kLinkNetwork},
    {L"GSM", kLinkNetwork},
    {L"EXT", kLinkExternal},
}};
}  // namespace

std::optional<DataLinkKind> DataLinkNamedIn(const CString& line) {
    for (const LinkWord& w : kLinkWords)
        if (line.Find(w.word) >= 0) return w.kind;
    return std::nullopt;
}

std::optional<CString> VersionReplyText(std::string_view bytes) {
    // "X" is rare in the receiver's lines: one library search for it passes over nearly every line.
    const size_t x = bytes.find('X');
    if (x == std::string_view::npos ||
        bytes.find(kVersionLineMark, x < 2 ? 0 : x - 2) == std::string_view::npos)
        return std::nullopt;
    CString line = FromGbk(bytes);
    if (line.Find(std::wstring(kVersionLineMark.begin(), kVersionLineMark.end()).c_str()) < 0)
        return std::nullopt;
    return line;
}

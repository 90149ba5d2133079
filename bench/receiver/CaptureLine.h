#pragma once
// One received line handled as the receiver link handles it: the version reply is converted to wide
// text and read as one, any other line is parsed from its bytes. True when the parser took the line.
#include <optional>
#include <string_view>

#include "receiver/CGpsParser.h"
#include "receiver/ReceiverProtocol.h"

inline bool ParseCaptureLine(CGpsParser& parser, std::string_view bytes, CGpsState& state) {
    if (const std::optional<CString> reply = VersionReplyText(bytes))
        return parser.ParseVersion(*reply, state).has_value();
    int type = 0;
    return parser.Parse(bytes, state, type) != 0;
}

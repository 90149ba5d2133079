#pragma once
// printf as the handheld does it: "%s" takes a wide string, "%d", "%ld", "%x" are 32-bit ("%lld" and
// "%I64d" 64-bit), "%c" a wide character, and an exact decimal tie of "%f" rounds away from zero
// ("%.0f" of 0.5 is "1"). Always in the C locale, whatever the host locale.
#include <cstdarg>
#include "platform/text/CString.h"

// A CString argument may stand for "%s" (see FormatArg in CString.h).
CString FormatV(const wchar_t* format, va_list args);
template <typename... Args>
CString Format(const wchar_t* format, const Args&... args) {
    return FormatArgs(format, FormatArg(args)...);
}

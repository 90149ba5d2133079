#include "foundation/SettingsNumbers.h"

#include <limits>
#include "platform/text/Numbers.h"

namespace {
const wchar_t* AfterBlanks(const wchar_t* p) {
    while (*p == L' ' || (*p >= L'\t' && *p <= L'\r')) ++p;
    return p;
}
}  // namespace

std::optional<int32_t> SettingsInt(const CString& text) {
    const wchar_t* p = AfterBlanks(text.c_str());
    const bool negative = *p == L'-';
    if (*p == L'-' || *p == L'+') ++p;
    while (*p == L'0') ++p;
    int64_t value = 0;
    for (int digits = 1; *p >= L'0' && *p <= L'9'; ++p, ++digits) {
        if (digits > 10) return std::nullopt;
        value = value * 10 + (*p - L'0');
    }
    if (negative) value = -value;
    if (value < std::numeric_limits<int32_t>::min() || value > std::numeric_limits<int32_t>::max())
        return std::nullopt;
    return static_cast<int32_t>(value);
}

std::optional<double> SettingsDouble(const CString& text) {
    const wchar_t* p = AfterBlanks(text.c_str());
    if (*p == L'-' || *p == L'+') ++p;
    const CString word = CString(p).Left(3);
    if (word.CompareNoCase(L"inf") == 0 || word.CompareNoCase(L"nan") == 0) return std::nullopt;
    double value = 0.0;
    if (!ReadDouble(text.c_str(), value)) return std::nullopt;
    return value;
}

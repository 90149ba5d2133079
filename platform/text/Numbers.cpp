#include "platform/text/Numbers.h"

#include <locale.h>
#include <climits>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cwchar>
#include <string>

namespace {

bool IsBlank(wchar_t c) {
    return c == L' ' || (c >= L'\t' && c <= L'\r');
}
template <typename Char>
bool IsDigit(Char c) {
    return c >= '0' && c <= '9';
}

const wchar_t* SkipBlanks(const wchar_t* p) {
    while (IsBlank(*p)) ++p;
    return p;
}

locale_t CLocale() {
    static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t{});
    return c;
}

// A number of at most 15 digits and no exponent is an exact integer divided by an exact power of ten:
// the one correctly rounded division gives what the C library gives, without its cost.
struct ShortDecimal {
    int64_t mantissa = 0;
    int fraction = 0;  // digits after the point
    bool negative = false;
};

// Reads from `p` up to the first character of no such number or `end`; returns where it stopped,
// nullptr when the text there is not of that form.
template <typename Char>
const Char* ScanShortDecimal(const Char* p, const Char* end, ShortDecimal& number) {
    number.negative = p != end && *p == '-';
    if (p != end && (*p == '-' || *p == '+')) ++p;
    // Counted after the run: more than 18 digits wrap the unsigned sum, and are refused anyway.
    uint64_t mantissa = 0;
    const Char* const whole = p;
    for (; p != end && IsDigit(*p); ++p) mantissa = mantissa * 10 + static_cast<uint64_t>(*p - '0');
    std::ptrdiff_t digits = p - whole;
    std::ptrdiff_t fraction = 0;
    if (p != end && *p == '.') {
        const Char* const point = ++p;
        for (; p != end && IsDigit(*p); ++p) mantissa = mantissa * 10 + static_cast<uint64_t>(*p - '0');
        fraction = p - point;
        digits += fraction;
    }
    if (digits == 0 || digits > 15 || (p != end && (*p == 'e' || *p == 'E'))) return nullptr;
    number.mantissa = static_cast<int64_t>(mantissa);
    number.fraction = static_cast<int>(fraction);
    return p;
}

double ValueOf(const ShortDecimal& number) {
    static constexpr double kPowersOfTen[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                              1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    const double magnitude = static_cast<double>(number.mantissa) / kPowersOfTen[number.fraction];
    return number.negative ? -magnitude : magnitude;
}

// The whole of `text` as a short decimal.
bool WholeShortDecimal(std::string_view text, ShortDecimal& number) {
    const char* const end = text.data() + text.size();
    return !text.empty() && ScanShortDecimal(text.data(), end, number) == end;
}

// Bytes as the wide text they read as; false when one is beyond ASCII.
bool WidenAscii(std::string_view text, std::wstring& wide) {
    for (const char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80) return false;
        wide += static_cast<wchar_t>(c);
    }
    return true;
}

}  // namespace

int ToInt(const wchar_t* text) {
    return text ? ToInt(std::wstring_view(text)) : 0;
}

int ToInt(std::wstring_view text) {
    size_t at = 0;
    while (at < text.size() && IsBlank(text[at])) ++at;
    const bool negative = at < text.size() && text[at] == L'-';
    if (at < text.size() && (text[at] == L'-' || text[at] == L'+')) ++at;
    long long value = 0;
    for (; at < text.size() && IsDigit(text[at]); ++at) {
        value = value * 10 + (text[at] - L'0');
        if (value > static_cast<long long>(INT_MAX) + 1) value = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative) return static_cast<int>(-value);
    return value > INT_MAX ? INT_MAX : static_cast<int>(value);
}

double ToDouble(const wchar_t* text) {
    double value = 0.0;
    ReadDouble(text, value);
    return value;
}

bool ReadDouble(const wchar_t* text, double& value) {
    value = 0.0;
    if (!text) return true;
    const wchar_t* p = SkipBlanks(text);
    if (ShortDecimal number; ScanShortDecimal(p, p + std::wcslen(p), number)) {
        value = ValueOf(number);
        return true;
    }
    // Copy the longest prefix that is a decimal number, then let the C library round it.
    std::string number;
    if (*p == L'-' || *p == L'+') number += static_cast<char>(*p++);
    size_t digits = 0;
    for (; IsDigit(*p); ++p, ++digits) number += static_cast<char>(*p);
    if (*p == L'.') {
        number += '.';
        for (++p; IsDigit(*p); ++p, ++digits) number += static_cast<char>(*p);
    }
    if (digits == 0) return true;
    if (*p == L'e' || *p == L'E') {
        const wchar_t* q = p + 1;
        std::string exponent = "e";
        if (*q == L'-' || *q == L'+') exponent += static_cast<char>(*q++);
        if (IsDigit(*q)) {
            for (; IsDigit(*q); ++q) exponent += static_cast<char>(*q);
            number += exponent;
        }
    }
    const double read = strtod_l(number.c_str(), nullptr, CLocale());
    if (!std::isfinite(read)) return false;
    value = read;
    return true;
}

namespace {

// The length of the digits at `at`.
size_t DigitsFrom(std::wstring_view text, size_t at) {
    size_t end = at;
    while (end < text.size() && IsDigit(text[end])) ++end;
    return end - at;
}

size_t SignFrom(std::wstring_view text, size_t at) {
    return at < text.size() && (text[at] == L'-' || text[at] == L'+') ? 1 : 0;
}

// Whether the whole text has the form the lenient reader takes in full: sign, digits with an optional
// point (at least one digit), and an optional exponent with digits.
bool IsWholeDecimal(std::wstring_view text) {
    size_t at = SignFrom(text, 0);
    const size_t whole = DigitsFrom(text, at);
    at += whole;
    size_t fraction = 0;
    if (at < text.size() && text[at] == L'.') {
        fraction = DigitsFrom(text, ++at);
        at += fraction;
    }
    if (whole + fraction == 0) return false;
    if (at < text.size() && (text[at] == L'e' || text[at] == L'E')) {
        at += 1 + SignFrom(text, at + 1);
        const size_t exponent = DigitsFrom(text, at);
        if (exponent == 0) return false;
        at += exponent;
    }
    return at == text.size();
}

}  // namespace

bool ReadFiniteNumber(std::wstring_view text, double& value) {
    if (!IsWholeDecimal(text)) return false;
    constexpr size_t kShort = 64;
    wchar_t buffer[kShort];
    std::wstring copy;
    const wchar_t* terminated = buffer;
    if (text.size() < kShort) {
        text.copy(buffer, text.size());
        buffer[text.size()] = L'\0';
    } else {
        copy.assign(text);
        terminated = copy.c_str();
    }
    double read = 0.0;
    if (!ReadDouble(terminated, read)) return false;
    value = read;
    return true;
}

bool ReadShortDecimal(std::string_view text, double& value) {
    ShortDecimal number;
    if (!WholeShortDecimal(text, number)) return false;
    value = ValueOf(number);
    return true;
}

bool ReadFiniteNumber(std::string_view text, double& value) {
    if (ReadShortDecimal(text, value)) return true;
    std::wstring wide;
    return WidenAscii(text, wide) && ReadFiniteNumber(wide, value);
}

bool IsFiniteNumber(std::string_view text) {
    ShortDecimal number;
    if (WholeShortDecimal(text, number)) return true;
    std::wstring wide;
    double ignored = 0.0;
    return WidenAscii(text, wide) && ReadFiniteNumber(wide, ignored);
}

bool ReadWholeInt(std::wstring_view text, int& value) {
    const size_t sign = SignFrom(text, 0);
    const size_t digits = DigitsFrom(text, sign);
    if (digits == 0 || sign + digits != text.size()) return false;
    long long read = 0;
    for (size_t i = sign; i < text.size(); ++i) {
        read = read * 10 + (text[i] - L'0');
        if (read > static_cast<long long>(INT_MAX) + 1) return false;
    }
    if (text[0] == L'-') read = -read;
    if (read < INT_MIN || read > INT_MAX) return false;
    value = static_cast<int>(read);
    return true;
}

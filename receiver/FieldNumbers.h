#pragma once
// Numbers read from the fields of a received line, written once for its bytes and for wide text and
// kept inline: a sentence reads a dozen of them, and a call apiece with an optional returned through
// memory cost more than the reading. The checked forms take only a whole field; the rest is refused.
#include <climits>
#include <cstdint>
#include <limits>
#include <optional>
#include <string_view>

#include "platform/text/CString.h"

namespace field_numbers {

template <typename Char>
inline bool IsDigit(Char c) {
    return c >= '0' && c <= '9';
}

// The leading integer after optional blanks and a sign, saturated at the int range.
template <typename Char>
inline int LeadingInt(std::basic_string_view<Char> text) {
    size_t at = 0;
    while (at < text.size() && (text[at] == ' ' || (text[at] >= '\t' && text[at] <= '\r'))) ++at;
    const bool negative = at < text.size() && text[at] == '-';
    if (at < text.size() && (text[at] == '-' || text[at] == '+')) ++at;
    long long value = 0;
    for (; at < text.size() && IsDigit(text[at]); ++at) {
        value = value * 10 + (text[at] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1) value = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative) return static_cast<int>(-value);
    return value > INT_MAX ? INT_MAX : static_cast<int>(value);
}

// An optional sign and decimal digits, nothing else, within the int range.
template <typename Char>
inline bool ReadWhole(std::basic_string_view<Char> text, int& value) {
    const size_t sign = !text.empty() && (text[0] == '-' || text[0] == '+') ? 1 : 0;
    if (text.size() == sign) return false;
    // Nine digits cannot leave the int range: no check per digit, and no branch on one.
    if (text.size() - sign <= 9) {
        unsigned read = 0;
        bool refused = false;
        for (size_t i = sign; i < text.size(); ++i) {
            const unsigned digit = static_cast<unsigned>(text[i]) - '0';
            refused |= digit > 9;
            read = read * 10 + digit;
        }
        if (refused) return false;
        value = text[0] == '-' ? -static_cast<int>(read) : static_cast<int>(read);
        return true;
    }
    long long read = 0;
    for (size_t i = sign; i < text.size(); ++i) {
        if (!IsDigit(text[i])) return false;
        read = read * 10 + (text[i] - '0');
        if (read > static_cast<long long>(INT_MAX) + 1) return false;
    }
    if (text[0] == '-') read = -read;
    if (read < INT_MIN || read > INT_MAX) return false;
    value = static_cast<int>(read);
    return true;
}

// What ReadShort made of a field.
enum class ShortRead { kNumber, kRefused, kTooLong };

// The form nearly every field has: a sign, at most 15 digits with an optional point, no exponent. It is
// an exact integer divided by an exact power of ten, so the one correctly rounded division gives what
// the C library gives. kTooLong for more digits or an exponent, which the platform's reader takes;
// kRefused for anything else, which is no number at all (an empty field among them).
template <typename Char>
inline ShortRead ReadShort(std::basic_string_view<Char> text, double& value) {
    static constexpr double kPowersOfTen[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                              1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    const bool negative = !text.empty() && text[0] == '-';
    size_t at = !text.empty() && (text[0] == '-' || text[0] == '+') ? 1 : 0;
    int64_t mantissa = 0;
    int digits = 0;
    int fraction = 0;
    for (; at < text.size() && IsDigit(text[at]); ++at) {
        if (++digits > 15) return ShortRead::kTooLong;
        mantissa = mantissa * 10 + (text[at] - '0');
    }
    if (at < text.size() && text[at] == '.') {
        for (++at; at < text.size() && IsDigit(text[at]); ++at, ++fraction) {
            if (++digits > 15) return ShortRead::kTooLong;
            mantissa = mantissa * 10 + (text[at] - '0');
        }
    }
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) return ShortRead::kTooLong;
    if (digits == 0 || at != text.size()) return ShortRead::kRefused;
    const double magnitude = static_cast<double>(mantissa) / kPowersOfTen[fraction];
    value = negative ? -magnitude : magnitude;
    return ShortRead::kNumber;
}

// Long numbers, exponents and refusals: the platform's checked reader; NaN when it refuses.
double ReadLong(std::wstring_view field);
double ReadLong(std::string_view field);

template <typename Char>
inline double Finite(std::basic_string_view<Char> field) {
    double value = 0.0;
    switch (ReadShort(field, value)) {
        case ShortRead::kNumber:
            return value;
        case ShortRead::kRefused:
            return std::numeric_limits<double>::quiet_NaN();
        default:
            return ReadLong(field);
    }
}

template <typename Char>
inline std::optional<int> Checked(std::basic_string_view<Char> field) {
    int value = 0;
    if (!ReadWhole(field, value)) return std::nullopt;
    return value;
}

}  // namespace field_numbers

// The leading integer, as the device reads it: only for fields already checked to be digits.
inline int FieldInt(std::wstring_view field) {
    return field_numbers::LeadingInt(field);
}
inline int FieldInt(std::string_view field) {
    return field_numbers::LeadingInt(field);
}
inline int FieldInt(const CString& field) {
    return field_numbers::LeadingInt(std::wstring_view(field.str()));
}
// The field's whole integer; none when it is empty or not an integer ("nan", "12abc", "").
inline std::optional<int> CheckedInt(std::wstring_view field) {
    return field_numbers::Checked(field);
}
inline std::optional<int> CheckedInt(std::string_view field) {
    return field_numbers::Checked(field);
}
// As CheckedInt, with `ifEmpty` for an empty field, which the protocol allows there.
inline std::optional<int> OptionalInt(std::wstring_view field, int ifEmpty) {
    return field.empty() ? std::optional<int>(ifEmpty) : field_numbers::Checked(field);
}
inline std::optional<int> OptionalInt(std::string_view field, int ifEmpty) {
    return field.empty() ? std::optional<int>(ifEmpty) : field_numbers::Checked(field);
}
// The field's number; NaN when the whole field is not a finite number (empty, "nan", "inf", text,
// beyond the double range), so that AllFinite and every bound refuse it.
inline double FieldDouble(std::wstring_view field) {
    return field_numbers::Finite(field);
}
inline double FieldDouble(std::string_view field) {
    return field_numbers::Finite(field);
}
inline double FieldDouble(const CString& field) {
    return field_numbers::Finite(std::wstring_view(field.str()));
}
// As FieldDouble, with `ifEmpty` for an empty field, which the protocol allows there.
inline double OptionalDouble(std::wstring_view field, double ifEmpty) {
    return field.empty() ? ifEmpty : field_numbers::Finite(field);
}
inline double OptionalDouble(std::string_view field, double ifEmpty) {
    return field.empty() ? ifEmpty : field_numbers::Finite(field);
}

#include "platform/text/Format.h"

#include <locale.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>

namespace {

locale_t CLocale() {
    static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t{});
    return c;
}

// Runs the C library's printf in the C locale for the duration of one Format call.
class CLocaleScope {
public:
    CLocaleScope() : previous_(uselocale(CLocale())) {}
    ~CLocaleScope() { uselocale(previous_); }
    CLocaleScope(const CLocaleScope&) = delete;
    CLocaleScope& operator=(const CLocaleScope&) = delete;

private:
    locale_t previous_;
};

// A finite value m * 2^-k (m odd, k > 0) has exactly k decimal places, the last one a 5; so it
// lies exactly halfway between two results of "%.<precision>f" when k == precision + 1.
bool IsExactTie(double value, int precision) {
    if (!std::isfinite(value) || value == 0.0) return false;
    int exponent = 0;
    const double fraction = std::frexp(std::fabs(value), &exponent);
    const auto mantissa = static_cast<uint64_t>(std::ldexp(fraction, 53));
    return 53 - exponent - std::countr_zero(mantissa) == precision + 1;
}

// The C library rounds exact ties to even; the handheld rounds them away from zero. The next
// double away from zero lies above the tie and below the next one, so it prints as wanted.
double RoundTiesAwayFromZero(double value, int precision) {
    if (!IsExactTie(value, precision)) return value;
    return std::nextafter(value, value < 0 ? -HUGE_VAL : HUGE_VAL);
}

template <typename T>
void AppendPrintf(std::wstring& out, const std::string& conversion, T value) {
    char small[128];
    const int n = std::snprintf(small, sizeof small, conversion.c_str(), value);
    if (n < 0) return;
    std::string large;
    const char* text = small;
    if (static_cast<size_t>(n) >= sizeof small) {
        large.resize(static_cast<size_t>(n) + 1);
        std::snprintf(large.data(), large.size(), conversion.c_str(), value);
        text = large.c_str();
    }
    for (int i = 0; i < n; ++i) out += static_cast<wchar_t>(static_cast<unsigned char>(text[i]));
}

// Pads a converted field to its width; '-' pads on the right.
void AppendPadded(std::wstring& out, std::wstring_view field, const std::string& flags, int width) {
    const int pad = width - static_cast<int>(field.size());
    const bool left = flags.find('-') != std::string::npos;
    if (pad > 0 && !left) out.append(static_cast<size_t>(pad), L' ');
    out.append(field);
    if (pad > 0 && left) out.append(static_cast<size_t>(pad), L' ');
}

int ReadNumber(const wchar_t*& p) {
    int n = 0;
    for (; *p >= L'0' && *p <= L'9'; ++p) n = n < 100000 ? n * 10 + (*p - L'0') : n;
    return n;
}

}  // namespace

CString FormatV(const wchar_t* format, va_list args) {
    std::wstring out;
    if (!format) return CString();
    const CLocaleScope cLocale;
    va_list ap;
    va_copy(ap, args);
    for (const wchar_t* p = format; *p; ++p) {
        if (*p != L'%') {
            out += *p;
            continue;
        }
        ++p;
        if (*p == L'%') {
            out += L'%';
            continue;
        }
        std::string flags;
        while (*p && std::wstring_view(L"-+ #0").find(*p) != std::wstring_view::npos)
            flags += static_cast<char>(*p++);
        int width = 0, precision = -1;
        if (*p == L'*') {
            width = va_arg(ap, int);
            if (width < 0) {
                flags += '-';
                width = -width;
            }
            ++p;
        } else {
            width = ReadNumber(p);
        }
        if (*p == L'.') {
            ++p;
            if (*p == L'*') {
                precision = va_arg(ap, int);
                ++p;
            } else {
                precision = ReadNumber(p);
            }
        }
        bool is64 = false;
        if (*p == L'I' && p[1] == L'6' && p[2] == L'4') {
            is64 = true;
            p += 3;
        } else {
            while (*p == L'l' || *p == L'h') {
                if (*p == L'l' && p[1] == L'l') {
                    is64 = true;
                    ++p;
                }
                ++p;
            }
        }
        const wchar_t conv = *p;
        if (!conv) break;
        std::string conversion = "%";
        conversion += flags;
        if (width > 0) conversion += std::to_string(width);
        if (precision >= 0) conversion.append(".").append(std::to_string(precision));
        switch (conv) {
            case L'd':
            case L'i':
            case L'u':
            case L'x':
            case L'X':
            case L'o':
                conversion += is64 ? "ll" : "";
                conversion += static_cast<char>(conv);
                if (is64)
                    AppendPrintf(out, conversion, va_arg(ap, long long));
                else
                    AppendPrintf(out, conversion, va_arg(ap, int32_t));
                break;
            case L'f':
            case L'F': {
                conversion += static_cast<char>(conv);
                const double value = va_arg(ap, double);
                AppendPrintf(out, conversion, RoundTiesAwayFromZero(value, precision < 0 ? 6 : precision));
                break;
            }
            case L'e':
            case L'E':
            case L'g':
            case L'G':
                conversion += static_cast<char>(conv);
                AppendPrintf(out, conversion, va_arg(ap, double));
                break;
            case L'c':
                AppendPadded(out, std::wstring(1, static_cast<wchar_t>(va_arg(ap, int))), flags, width);
                break;
            case L's':
            case L'S': {
                const wchar_t* s = va_arg(ap, const wchar_t*);
                std::wstring_view v(s ? s : L"(null)");
                if (precision >= 0 && static_cast<size_t>(precision) < v.size()) v = v.substr(0, precision);
                AppendPadded(out, v, flags, width);
                break;
            }
            default:
                out += conv;
        }
    }
    va_end(ap);
    return CString(std::move(out));
}

CString FormatArgs(const wchar_t* format, ...) {
    va_list args;
    va_start(args, format);
    CString s = FormatV(format, args);
    va_end(args);
    return s;
}

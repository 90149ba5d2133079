#include "platform/text/Format.h"

#include <cstdio>
#include <cstdint>
#include <string>

namespace {

// Pads a converted field to its width; '-' pads on the right.
void AppendPadded(std::wstring& out, std::wstring_view field, const std::string& flags, int width) {
    const int pad = width - static_cast<int>(field.size());
    const bool left = flags.find('-') != std::string::npos;
    if (pad > 0 && !left) out.append(static_cast<size_t>(pad), L' ');
    out.append(field);
    if (pad > 0 && left) out.append(static_cast<size_t>(pad), L' ');
}

std::wstring Widen(const char* s) {
    std::wstring w;
    while (*s) w += static_cast<wchar_t>(static_cast<unsigned char>(*s++));
    return w;
}

}  // namespace

CString FormatV(const wchar_t* format, va_list args) {
    std::wstring out;
    if (!format) return CString();
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
        while (*p && std::wstring_view(L"-+ #0").find(*p) != std::wstring_view::npos) flags += static_cast<char>(*p++);
        int width = -1, precision = -1;
        if (*p == L'*') {
            width = va_arg(ap, int);
            if (width < 0) {
                flags += '-';
                width = -width;
            }
            ++p;
        } else {
            for (width = 0; *p >= L'0' && *p <= L'9'; ++p) width = width * 10 + (*p - L'0');
        }
        if (*p == L'.') {
            ++p;
            if (*p == L'*') {
                precision = va_arg(ap, int);
                ++p;
            } else {
                for (precision = 0; *p >= L'0' && *p <= L'9'; ++p) precision = precision * 10 + (*p - L'0');
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
        std::string spec = "%" + flags;
        if (width > 0) spec += std::to_string(width);
        if (precision >= 0) spec += "." + std::to_string(precision);
        char buf[512];
        switch (conv) {
            case L'd':
            case L'i':
            case L'u':
            case L'x':
            case L'X':
            case L'o': {
                spec += is64 ? "ll" : "";
                spec += static_cast<char>(conv);
                if (is64)
                    std::snprintf(buf, sizeof buf, spec.c_str(), va_arg(ap, long long));
                else
                    std::snprintf(buf, sizeof buf, spec.c_str(), va_arg(ap, int32_t));
                out += Widen(buf);
                break;
            }
            case L'f':
            case L'F':
            case L'e':
            case L'E':
            case L'g':
            case L'G': {
                spec += static_cast<char>(conv);
                std::snprintf(buf, sizeof buf, spec.c_str(), va_arg(ap, double));
                out += Widen(buf);
                break;
            }
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

CString Format(const wchar_t* format, ...) {
    va_list args;
    va_start(args, format);
    CString s = FormatV(format, args);
    va_end(args);
    return s;
}

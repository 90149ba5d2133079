#include "platform/text/CodePage.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string>

namespace {

constexpr wchar_t kReplacement = 0xFFFD;

// iconv descriptors hold conversion state, so each thread keeps its own, opened on first use.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (Valid()) iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool Valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    // Converts the whole input; on a character it cannot convert, appends `replacement`,
    // skips `skip` input bytes and goes on.
    std::string Run(const char* in, size_t inLeft, std::string_view replacement, size_t skip) {
        std::string out;
        if (!Valid()) return out;
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        char buffer[1024];
        while (inLeft > 0) {
            char* dst = buffer;
            size_t dstLeft = sizeof buffer;
            char* src = const_cast<char*>(in);
            const size_t rc = iconv(cd_, &src, &inLeft, &dst, &dstLeft);
            const int error = errno;
            in = src;
            out.append(buffer, static_cast<size_t>(dst - buffer));
            if (rc != static_cast<size_t>(-1) || error == E2BIG) continue;
            // EILSEQ or EINVAL: an unconvertible or cut-off character.
            out.append(replacement);
            const size_t n = std::min(skip, inLeft);
            in += n;
            inLeft -= n;
        }
        char* dst = buffer;
        size_t dstLeft = sizeof buffer;
        iconv(cd_, nullptr, nullptr, &dst, &dstLeft);
        out.append(buffer, static_cast<size_t>(dst - buffer));
        return out;
    }

private:
    iconv_t cd_;
};

std::string FromWide(Converter& converter, const CString& text, std::string_view replacement) {
    const std::wstring& w = text.str();
    return converter.Run(reinterpret_cast<const char*>(w.data()), w.size() * sizeof(wchar_t), replacement,
                         sizeof(wchar_t));
}

CString ToWide(Converter& converter, std::string_view bytes) {
    const wchar_t replacement = kReplacement;
    const std::string raw =
        converter.Run(bytes.data(), bytes.size(),
                      std::string_view(reinterpret_cast<const char*>(&replacement), sizeof replacement), 1);
    std::wstring w(raw.size() / sizeof(wchar_t), L'\0');
    std::memcpy(w.data(), raw.data(), w.size() * sizeof(wchar_t));
    return CString(std::move(w));
}

// Length of the first character of a GBK byte string (lead bytes 0x81-0xFE start a pair).
size_t GbkCharLength(std::string_view bytes) {
    const auto lead = static_cast<unsigned char>(bytes[0]);
    return (lead >= 0x81 && lead <= 0xFE && bytes.size() >= 2) ? 2 : 1;
}

}  // namespace

std::string ToGbk(const CString& text) {
    const std::wstring& w = text.str();
    if (std::all_of(w.begin(), w.end(), [](wchar_t c) { return c >= 0 && c < 0x80; }))
        return std::string(w.begin(), w.end());
    thread_local Converter toGbk("GBK", "WCHAR_T");
    return FromWide(toGbk, text, "?");
}

std::string ToGbk(const CString& text, size_t maxBytes) {
    std::string bytes = ToGbk(text);
    size_t end = 0;
    while (end < bytes.size()) {
        const size_t n = GbkCharLength(std::string_view(bytes).substr(end));
        if (end + n > maxBytes) break;
        end += n;
    }
    bytes.resize(end);
    return bytes;
}

CString FromGbk(std::string_view bytes) {
    // Plain ASCII is itself in the code page: most lines (every receiver sentence) need no converter.
    if (std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
        return CString(std::wstring(bytes.begin(), bytes.end()));
    thread_local Converter fromGbk("WCHAR_T", "GBK");
    return ToWide(fromGbk, bytes);
}

std::string ToUtf8(const CString& text) {
    thread_local Converter toUtf8("UTF-8", "WCHAR_T");
    return FromWide(toUtf8, text, "\xEF\xBF\xBD");
}

CString FromUtf8(std::string_view bytes) {
    thread_local Converter fromUtf8("WCHAR_T", "UTF-8");
    return ToWide(fromUtf8, bytes);
}

#include "platform/text/CString.h"

#include <algorithm>
#include <cwchar>
#include <ostream>

#include "platform/text/CodePage.h"

namespace {

bool IsSpace(wchar_t c) {
    return c == L' ' || (c >= L'\t' && c <= L'\r');
}
wchar_t ToUpper(wchar_t c) {
    return (c >= L'a' && c <= L'z') ? static_cast<wchar_t>(c - 32) : c;
}
wchar_t ToLower(wchar_t c) {
    return (c >= L'A' && c <= L'Z') ? static_cast<wchar_t>(c + 32) : c;
}
int Sign(long long v) {
    return v < 0 ? -1 : (v > 0 ? 1 : 0);
}

}  // namespace

CString::CString(const wchar_t* text, int count) {
    if (text && count > 0) s_.assign(text, wcsnlen(text, static_cast<size_t>(count)));
}

int CString::Find(wchar_t ch, int start) const {
    if (start < 0 || start >= GetLength()) return -1;
    size_t at = s_.find(ch, static_cast<size_t>(start));
    return at == std::wstring::npos ? -1 : static_cast<int>(at);
}

int CString::Find(const wchar_t* sub, int start) const {
    if (!sub || start < 0 || start > GetLength()) return -1;
    // A plain scan: the texts searched (received lines, captions) are short, where a library
    // search call per candidate costs more than the comparing.
    const std::wstring_view needle(sub);
    if (needle.size() > s_.size()) return -1;
    if (needle.empty()) return start;
    for (size_t at = static_cast<size_t>(start); at + needle.size() <= s_.size(); ++at) {
        if (s_[at] != needle[0]) continue;
        size_t k = 1;
        while (k < needle.size() && s_[at + k] == needle[k]) ++k;
        if (k == needle.size()) return static_cast<int>(at);
    }
    return -1;
}

int CString::ReverseFind(wchar_t ch) const {
    size_t at = s_.rfind(ch);
    return at == std::wstring::npos ? -1 : static_cast<int>(at);
}

int CString::FindOneOf(const wchar_t* chars) const {
    if (!chars) return -1;
    size_t at = s_.find_first_of(chars);
    return at == std::wstring::npos ? -1 : static_cast<int>(at);
}

CString CString::Mid(int first) const {
    return Mid(first, GetLength());
}

CString CString::Mid(int first, int count) const {
    first = std::clamp(first, 0, GetLength());
    count = std::clamp(count, 0, GetLength() - first);
    return CString(s_.substr(static_cast<size_t>(first), static_cast<size_t>(count)));
}

CString CString::Left(int count) const {
    return Mid(0, count);
}

CString CString::Right(int count) const {
    count = std::clamp(count, 0, GetLength());
    return Mid(GetLength() - count, count);
}

CString CString::SpanExcluding(const wchar_t* chars) const {
    int at = FindOneOf(chars);
    return at < 0 ? *this : Left(at);
}

CString& CString::MakeUpper() {
    std::transform(s_.begin(), s_.end(), s_.begin(), ToUpper);
    return *this;
}

CString& CString::MakeLower() {
    std::transform(s_.begin(), s_.end(), s_.begin(), ToLower);
    return *this;
}

CString& CString::MakeReverse() {
    std::reverse(s_.begin(), s_.end());
    return *this;
}

CString& CString::Trim() {
    return TrimLeft().TrimRight();
}

CString& CString::TrimLeft() {
    s_.erase(s_.begin(), std::find_if(s_.begin(), s_.end(), [](wchar_t c) { return !IsSpace(c); }));
    return *this;
}

CString& CString::TrimRight() {
    s_.erase(std::find_if(s_.rbegin(), s_.rend(), [](wchar_t c) { return !IsSpace(c); }).base(), s_.end());
    return *this;
}

CString& CString::Trim(const wchar_t* chars) {
    return TrimLeft(chars).TrimRight(chars);
}

CString& CString::TrimLeft(const wchar_t* chars) {
    size_t at = s_.find_first_not_of(chars ? chars : L"");
    s_.erase(0, at == std::wstring::npos ? s_.size() : at);
    return *this;
}

CString& CString::TrimRight(const wchar_t* chars) {
    size_t at = s_.find_last_not_of(chars ? chars : L"");
    s_.erase(at == std::wstring::npos ? 0 : at + 1);
    return *this;
}

int CString::Replace(wchar_t from, wchar_t to) {
    int n = 0;
    for (wchar_t& c : s_) {
        if (c == from) {
            c = to;
            ++n;
        }
    }
    return n;
}

int CString::Replace(const wchar_t* from, const wchar_t* to) {
    if (!from || !*from) return 0;
    const std::wstring_view f(from), t(to ? to : L"");
    int n = 0;
    for (size_t at = s_.find(f); at != std::wstring::npos; at = s_.find(f, at + t.size())) {
        s_.replace(at, f.size(), t);
        ++n;
    }
    return n;
}

int CString::Remove(wchar_t ch) {
    size_t before = s_.size();
    std::erase(s_, ch);
    return static_cast<int>(before - s_.size());
}

int CString::Insert(int index, wchar_t ch) {
    return Insert(index, std::wstring(1, ch).c_str());
}

int CString::Insert(int index, const wchar_t* text) {
    index = std::clamp(index, 0, GetLength());
    s_.insert(static_cast<size_t>(index), text ? text : L"");
    return GetLength();
}

int CString::Delete(int index, int count) {
    index = std::clamp(index, 0, GetLength());
    count = std::clamp(count, 0, GetLength() - index);
    s_.erase(static_cast<size_t>(index), static_cast<size_t>(count));
    return GetLength();
}

int CString::Compare(const wchar_t* other) const {
    return Sign(s_.compare(other ? other : L""));
}

int CString::CompareNoCase(const wchar_t* other) const {
    const wchar_t* a = s_.c_str();
    const wchar_t* b = other ? other : L"";
    for (;; ++a, ++b) {
        const long long ca = ToLower(*a), cb = ToLower(*b);
        if (ca != cb || ca == 0) return Sign(ca - cb);
    }
}

std::ostream& operator<<(std::ostream& out, const CString& text) {
    return out << ToUtf8(text);
}

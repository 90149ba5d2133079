#pragma once
// The program's wide string: value semantics over std::wstring with the handheld
// class library's operations (indexes are int; out-of-range arguments are clamped).
#include <compare>
#include <iosfwd>
#include <string>
#include <string_view>
#include <type_traits>

class CString {
public:
    CString() = default;
    CString(const wchar_t* text) : s_(text ? text : L"") {}
    CString(const wchar_t* text, int count);
    CString(std::wstring text) : s_(std::move(text)) {}
    CString(std::wstring_view text) : s_(text) {}
    explicit CString(wchar_t ch, int repeat = 1) : s_(repeat > 0 ? repeat : 0, ch) {}

    int GetLength() const { return static_cast<int>(s_.size()); }
    bool IsEmpty() const { return s_.empty(); }
    void Empty() { s_.clear(); }
    wchar_t GetAt(int index) const { return s_.at(static_cast<size_t>(index)); }
    void SetAt(int index, wchar_t ch) { s_.at(static_cast<size_t>(index)) = ch; }
    wchar_t operator[](int index) const { return GetAt(index); }

    operator const wchar_t*() const { return s_.c_str(); }
    const wchar_t* c_str() const { return s_.c_str(); }
    const std::wstring& str() const { return s_; }

    int Find(wchar_t ch, int start = 0) const;
    int Find(const wchar_t* sub, int start = 0) const;
    int ReverseFind(wchar_t ch) const;
    int FindOneOf(const wchar_t* chars) const;

    CString Mid(int first) const;
    CString Mid(int first, int count) const;
    CString Left(int count) const;
    CString Right(int count) const;
    CString SpanExcluding(const wchar_t* chars) const;

    CString& MakeUpper();
    CString& MakeLower();
    CString& MakeReverse();
    CString& Trim();
    CString& TrimLeft();
    CString& TrimRight();
    CString& Trim(const wchar_t* chars);
    CString& TrimLeft(const wchar_t* chars);
    CString& TrimRight(const wchar_t* chars);

    int Replace(wchar_t from, wchar_t to);
    int Replace(const wchar_t* from, const wchar_t* to);
    int Remove(wchar_t ch);
    int Insert(int index, wchar_t ch);
    int Insert(int index, const wchar_t* text);
    int Delete(int index, int count = 1);

    int Compare(const wchar_t* other) const;
    int CompareNoCase(const wchar_t* other) const;

    // printf with the handheld's rules (see Format.h); a CString argument may stand for "%s".
    template <typename... Args>
    void Format(const wchar_t* format, const Args&... args);
    template <typename... Args>
    void AppendFormat(const wchar_t* format, const Args&... args);

    CString& operator+=(const CString& other) {
        s_ += other.s_;
        return *this;
    }
    CString& operator+=(const wchar_t* other) {
        s_ += other ? other : L"";
        return *this;
    }
    CString& operator+=(wchar_t ch) {
        s_ += ch;
        return *this;
    }

    friend CString operator+(CString a, const CString& b) { return a += b; }
    friend CString operator+(CString a, const wchar_t* b) { return a += b; }
    friend CString operator+(const wchar_t* a, const CString& b) { return CString(a) += b; }
    friend CString operator+(CString a, wchar_t b) { return a += b; }
    friend CString operator+(wchar_t a, const CString& b) { return CString(a) += b; }

    friend bool operator==(const CString& a, const CString& b) { return a.s_ == b.s_; }
    friend bool operator==(const CString& a, const wchar_t* b) { return a.s_ == (b ? b : L""); }
    friend std::strong_ordering operator<=>(const CString& a, const CString& b) { return a.s_ <=> b.s_; }
    friend std::strong_ordering operator<=>(const CString& a, const wchar_t* b) {
        return a.s_ <=> std::wstring_view(b ? b : L"");
    }

private:
    std::wstring s_;
};

// The C-style entry of Format: every argument must already be a plain value (see FormatArg).
CString FormatArgs(const wchar_t* format, ...);

// A printf argument as it crosses "...": a CString goes as its text, as the handheld's string class
// allows; any other class object would arrive as garbage, so it is refused at compile time.
inline const wchar_t* FormatArg(const CString& text) {
    return text.c_str();
}
template <typename T>
const T& FormatArg(const T& value) {
    static_assert(std::is_trivially_copyable_v<T>, "pass text to Format as CString or const wchar_t*");
    return value;
}

template <typename... Args>
void CString::Format(const wchar_t* format, const Args&... args) {
    *this = FormatArgs(format, FormatArg(args)...);
}

template <typename... Args>
void CString::AppendFormat(const wchar_t* format, const Args&... args) {
    *this += FormatArgs(format, FormatArg(args)...);
}

// Writes the text as UTF-8 (test failure messages, logs).
std::ostream& operator<<(std::ostream& out, const CString& text);

template <>
struct std::hash<CString> {
    size_t operator()(const CString& s) const noexcept { return std::hash<std::wstring>()(s.str()); }
};

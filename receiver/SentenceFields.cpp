#include "receiver/SentenceFields.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

#include "platform/text/Numbers.h"
#include "receiver/CGpsParser.h"

namespace {

constexpr int kCrcDigits = 8;

int HexDigit(wchar_t c) {
    if (c >= L'0' && c <= L'9') return c - L'0';
    if (c >= L'a' && c <= L'f') return c - L'a' + 10;
    if (c >= L'A' && c <= L'F') return c - L'A' + 10;
    return -1;
}

// The value of `count` hex digits from `at`; -1 when one is not a hex digit.
int64_t HexValue(std::wstring_view text, size_t at, size_t count) {
    int64_t value = 0;
    for (size_t i = at; i < at + count; ++i) {
        const int digit = HexDigit(text[i]);
        if (digit < 0) return -1;
        value = value * 16 + digit;
    }
    return value;
}

// The number readers want terminated text: a field copied out of its line, on the stack when short.
// CString::Mid(from): empty beyond the end.
std::wstring_view Tail(std::wstring_view field, int from) {
    const size_t at = static_cast<size_t>(std::max(from, 0));
    return at >= field.size() ? std::wstring_view() : field.substr(at);
}

template <typename Reader>
auto ReadTerminated(std::wstring_view field, Reader read) {
    constexpr size_t kShort = 64;
    if (field.size() < kShort) {
        wchar_t text[kShort];
        field.copy(text, field.size());
        text[field.size()] = L'\0';
        return read(text);
    }
    return read(std::wstring(field).c_str());
}

}  // namespace

bool IsPlainLine(const CString& line) {
    if (line.GetLength() > kMaxLineChars) return false;
    for (const wchar_t c : line.str())
        if (c < L' ' || c > L'~') return false;
    return true;
}

bool CheckNmeaFraming(const CString& line, std::wstring_view* sentence) {
    const std::wstring_view whole = line.str();
    const size_t dollar = whole.find(L'$');
    if (dollar == std::wstring_view::npos) return false;
    const std::wstring_view text = whole.substr(dollar);
    const size_t star = text.find(L'*');
    if (star == std::wstring_view::npos || text.size() != star + 3) return false;
    unsigned sum = 0;
    for (size_t i = 1; i < star; ++i) sum ^= static_cast<unsigned>(text[i]) & 0xFF;
    if (HexValue(text, star + 1, 2) != static_cast<int64_t>(sum)) return false;
    *sentence = text;
    return true;
}

bool CheckNmeaFraming(const CString& line, CString* sentence) {
    std::wstring_view text;
    if (!CheckNmeaFraming(line, &text)) return false;
    *sentence = CString(text);
    return true;
}

std::wstring_view NmeaFields(std::wstring_view sentence) {
    return sentence.substr(0, sentence.find(L'*'));
}

bool CheckBoardLog(const CString& line, CString* log) {
    const int hash = line.Find(L'#');
    if (hash < 0) return false;
    const CString text = line.Mid(hash);
    const int star = text.Find(L'*');
    if (star < 0 || text.GetLength() != star + 1 + kCrcDigits) return false;
    const uint32_t crc = CGpsParser::Crc32(star - 1, text.c_str() + 1);
    if (HexValue(text.str(), static_cast<size_t>(star) + 1, kCrcDigits) != static_cast<int64_t>(crc))
        return false;
    *log = text;
    return true;
}

std::wstring_view AddressField(std::wstring_view line) {
    const size_t start = line.find_first_of(L"$#");
    if (start == std::wstring_view::npos) return {};
    const std::wstring_view rest = line.substr(start);
    return rest.substr(0, rest.find(L','));
}

std::vector<std::wstring_view> SplitViewsUpTo(std::wstring_view text, wchar_t separator, int count) {
    std::vector<std::wstring_view> fields;
    fields.reserve(static_cast<size_t>(count > 0 ? std::min(count, 32) : 0));
    // Fields are a few characters long: a plain scan beats a library search call per field.
    size_t start = 0;
    while (static_cast<int>(fields.size()) < count) {
        size_t end = start;
        while (end < text.size() && text[end] != separator) ++end;
        fields.push_back(text.substr(start, end - start));
        if (end == text.size()) break;
        start = end + 1;
    }
    return fields;
}

std::vector<CString> SplitFieldsUpTo(const CString& text, wchar_t separator, int count) {
    const std::vector<std::wstring_view> views = SplitViewsUpTo(text.str(), separator, count);
    return std::vector<CString>(views.begin(), views.end());
}

std::vector<CString> SplitFields(const CString& text, wchar_t separator, int count) {
    std::vector<CString> fields = SplitFieldsUpTo(text, separator, count);
    fields.resize(static_cast<size_t>(count));
    return fields;
}

int FieldInt(std::wstring_view field) {
    return ToInt(field);
}

int FieldInt(const CString& field) {
    return ToInt(field.c_str());
}

std::optional<int> CheckedInt(std::wstring_view field) {
    int value = 0;
    if (!ReadWholeInt(field, value)) return std::nullopt;
    return value;
}

std::optional<int> OptionalInt(std::wstring_view field, int ifEmpty) {
    return field.empty() ? std::optional<int>(ifEmpty) : CheckedInt(field);
}

double FieldDouble(std::wstring_view field) {
    double value = 0.0;
    return ReadFiniteNumber(field, value) ? value : std::numeric_limits<double>::quiet_NaN();
}

double OptionalDouble(std::wstring_view field, double ifEmpty) {
    return field.empty() ? ifEmpty : FieldDouble(field);
}

double FieldDouble(const CString& field) {
    return FieldDouble(std::wstring_view(field.str()));
}

bool AllFinite(std::initializer_list<double> values) {
    for (const double v : values)
        if (!std::isfinite(v)) return false;
    return true;
}

bool IsLatitude(double degrees) {
    return degrees >= -90.0 && degrees <= 90.0;
}

bool IsLongitude(double degrees) {
    return degrees >= -180.0 && degrees <= 180.0;
}

bool IsHeight(double metres) {
    return std::fabs(metres) < 1e5;
}

bool IsEarthCentred(double x, double y, double z) {
    return std::fabs(x) < 1e7 && std::fabs(y) < 1e7 && std::fabs(z) < 1e7;
}

bool IsQuality(double value) {
    return value >= 0.0 && std::isfinite(value);
}

bool IsDop(double value) {
    return value > 0.0 && std::isfinite(value);
}

bool IsBaseHeight(double metres) {
    return metres >= -1000.0 && metres <= 10000.0;
}

bool IsNmeaMinutes(std::wstring_view field, int degreeDigits) {
    return field.empty() || FieldDouble(Tail(field, degreeDigits)) < 60.0;
}

bool IsDate(int year, int month, int day) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (year < 1980 || year > 9999 || month < 1 || month > 12 || day < 1) return false;
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return day <= kDays[month - 1] + (month == 2 && leap ? 1 : 0);
}

bool IsFixedNumber(std::wstring_view field, int digits) {
    const std::wstring_view s = field;
    if (s.empty()) return true;
    const size_t whole = static_cast<size_t>(digits);
    if (s.size() < whole || (s.size() > whole && s[whole] != L'.')) return false;
    for (size_t i = 0; i < s.size(); ++i)
        if (i != whole && (s[i] < L'0' || s[i] > L'9')) return false;
    return true;
}

bool IsHemisphere(std::wstring_view field, std::wstring_view letters) {
    return field.size() == 1 && letters.find(field[0]) != std::wstring_view::npos;
}

double NmeaAngle(std::wstring_view field, int degreeDigits, std::wstring_view hemisphere) {
    const double degrees = FieldInt(field.substr(0, static_cast<size_t>(std::max(degreeDigits, 0))));
    const double value = degrees + FieldDouble(Tail(field, degreeDigits)) / 60.0;
    const wchar_t h = hemisphere.empty() ? L' ' : hemisphere[0];
    return (h == L'S' || h == L'W') ? -value : value;
}

bool IsTimeOfDay(double hour, double minute, double second) {
    return hour >= 0 && hour < 24 && minute >= 0 && minute < 60 && second >= 0 && second < 60;
}

bool ReadTimeOfDay(std::wstring_view field, int zone, TimeOfDay* time) {
    if (!IsFixedNumber(field, 6)) return false;
    const int hour = FieldInt(field.substr(0, 2));
    const int minute = FieldInt(Tail(field, 2).substr(0, 2));
    const double second = FieldDouble(Tail(field, 4));
    if (!IsTimeOfDay(hour, minute, second)) return false;
    time->hour = ((hour + zone % 24) % 24 + 24) % 24;
    time->minute = minute;
    time->second = static_cast<int>(second);
    return true;
}

int TruncInt(double value) {
    if (!(value == value)) return 0;
    if (value >= 2147483647.0) return 2147483647;
    if (value <= -2147483648.0) return -2147483647 - 1;
    return static_cast<int>(value);
}

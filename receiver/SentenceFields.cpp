#include "receiver/SentenceFields.h"

#include <algorithm>
#include <bit>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>

#include "platform/text/Numbers.h"
#include "receiver/CGpsParser.h"

// Each reader is written once for the received bytes and the program's wide text.
namespace {

constexpr int kCrcDigits = 8;

using field_numbers::IsDigit;
using field_numbers::LeadingInt;

constexpr uint64_t kLowBits = 0x7F7F7F7F7F7F7F7FULL;

// 0x80 in place of each byte of `word` equal to `byte`, 0 elsewhere (no carry crosses a byte).
uint64_t BytesEqual(uint64_t word, unsigned char byte) {
    const uint64_t x = word ^ (0x0101010101010101ULL * byte);
    return ~(((x & kLowBits) + kLowBits) | x | kLowBits);
}

template <typename Char>
int HexDigit(Char c) {
    if (IsDigit(c)) return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// The value of `count` hex digits from `at`; -1 when one is not a hex digit.
template <typename Char>
int64_t HexValue(std::basic_string_view<Char> text, size_t at, size_t count) {
    int64_t value = 0;
    for (size_t i = at; i < at + count; ++i) {
        const int digit = HexDigit(text[i]);
        if (digit < 0) return -1;
        value = value * 16 + digit;
    }
    return value;
}

// CString::Mid(from): empty beyond the end.
template <typename Char>
std::basic_string_view<Char> Tail(std::basic_string_view<Char> field, int from) {
    const size_t at = static_cast<size_t>(std::max(from, 0));
    return at >= field.size() ? std::basic_string_view<Char>() : field.substr(at);
}

template <typename Char>
std::basic_string_view<Char> AddressFieldOf(std::basic_string_view<Char> line) {
    size_t start = 0;
    while (start < line.size() && line[start] != '$' && line[start] != '#') ++start;
    if (start == line.size()) return {};
    size_t end = start;
    while (end < line.size() && line[end] != ',') ++end;
    return line.substr(start, end - start);
}

template <typename Char>
bool IsFixedNumberOf(std::basic_string_view<Char> s, int digits) {
    if (s.empty()) return true;
    const size_t whole = static_cast<size_t>(digits);
    if (s.size() < whole || (s.size() > whole && s[whole] != '.')) return false;
    for (size_t i = 0; i < s.size(); ++i)
        if (i != whole && !IsDigit(s[i])) return false;
    return true;
}

template <typename Char>
double NmeaAngleOf(std::basic_string_view<Char> field, int degreeDigits,
                   std::basic_string_view<Char> hemisphere) {
    const double degrees = LeadingInt(field.substr(0, static_cast<size_t>(std::max(degreeDigits, 0))));
    const double value = degrees + field_numbers::Finite(Tail(field, degreeDigits)) / 60.0;
    const Char h = hemisphere.empty() ? Char{' '} : hemisphere[0];
    return (h == 'S' || h == 'W') ? -value : value;
}

template <typename Char>
bool ReadTimeOfDayOf(std::basic_string_view<Char> field, int zone, TimeOfDay* time) {
    if (!IsFixedNumberOf(field, 6)) return false;
    const int hour = LeadingInt(field.substr(0, 2));
    const int minute = LeadingInt(Tail(field, 2).substr(0, 2));
    const double second = field_numbers::Finite(Tail(field, 4));
    if (!IsTimeOfDay(hour, minute, second)) return false;
    time->hour = ((hour + zone % 24) % 24 + 24) % 24;
    time->minute = minute;
    time->second = static_cast<int>(second);
    time->utcMs =
        static_cast<uint32_t>(((hour * 60 + minute) * 60 * 1000LL + std::llround(second * 1000)) % kMsPerDay);
    return true;
}

}  // namespace

bool IsPlainLine(const CString& line) {
    if (line.GetLength() > kMaxLineChars) return false;
    for (const wchar_t c : line.str())
        if (c < L' ' || c > L'~') return false;
    return true;
}

bool FieldViews::CutNmeaSentence(std::string_view line) {
    const size_t dollar = !line.empty() && line[0] == '$' ? 0 : line.find('$');
    if (dollar == std::string_view::npos) return false;
    // The first "*" after the "$" must be the third byte from the end: none may come before it.
    const size_t star = line.size() - 3;
    if (line.size() < dollar + 4 || line[star] != '*') return false;
    const int64_t check = HexValue(line, star + 1, 2);
    if (check < 0) return false;
    uint64_t sum = 0;
    uint64_t stars = 0;
    size_t count = 0;
    const auto comma = [&](size_t at) {
        if (count < kKept) ends_[count] = static_cast<uint32_t>(at);
        ++count;
    };
    size_t at = dollar + 1;
    // The check, the stars and the commas of eight bytes at a step, where the bytes' order in a word
    // is known; the rest a byte at a time.
    if constexpr (std::endian::native == std::endian::little) {
        for (; at + 8 <= star; at += 8) {
            uint64_t word = 0;
            std::memcpy(&word, line.data() + at, sizeof word);
            sum ^= word;
            stars |= BytesEqual(word, '*');
            for (uint64_t commas = BytesEqual(word, ','); commas != 0; commas &= commas - 1)
                comma(at + static_cast<size_t>(std::countr_zero(commas)) / 8);
        }
    }
    for (; at < star; ++at) {
        const unsigned char c = static_cast<unsigned char>(line[at]);
        sum ^= c;
        stars |= c == '*';
        if (c == ',') comma(at);
    }
    sum ^= sum >> 32;
    sum ^= sum >> 16;
    sum ^= sum >> 8;
    if (stars != 0 || static_cast<int64_t>(sum & 0xFF) != check) return false;
    comma(star);
    line_ = line.data();
    first_ = static_cast<uint32_t>(dollar);
    count_ = count;
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

bool FieldViews::CutBoardLog(std::string_view line) {
    const size_t hash = line.find('#');
    if (hash == std::string_view::npos) return false;
    const size_t star = line.find('*', hash);
    if (star == std::string_view::npos || line.size() != star + 1 + kCrcDigits) return false;
    const uint32_t crc = CGpsParser::Crc32(line.substr(hash + 1, star - hash - 1));
    if (HexValue(line, star + 1, kCrcDigits) != static_cast<int64_t>(crc)) return false;
    size_t count = 0;
    for (size_t at = hash; at <= star; ++at) {
        if (at < star && line[at] != ',') continue;
        if (count < kKept) ends_[count] = static_cast<uint32_t>(at);
        ++count;
    }
    line_ = line.data();
    first_ = static_cast<uint32_t>(hash);
    count_ = count;
    return true;
}

bool CheckBoardLog(const CString& line, CString* log) {
    const int hash = line.Find(L'#');
    if (hash < 0) return false;
    const CString text = line.Mid(hash);
    const int star = text.Find(L'*');
    if (star < 0 || text.GetLength() != star + 1 + kCrcDigits) return false;
    const uint32_t crc = CGpsParser::Crc32(star - 1, text.c_str() + 1);
    if (HexValue(std::wstring_view(text.str()), static_cast<size_t>(star) + 1, kCrcDigits) !=
        static_cast<int64_t>(crc))
        return false;
    *log = text;
    return true;
}

std::wstring_view AddressField(std::wstring_view line) {
    return AddressFieldOf(line);
}

std::string_view AddressField(std::string_view line) {
    return AddressFieldOf(line);
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

namespace field_numbers {

double ReadLong(std::wstring_view field) {
    double value = 0.0;
    return ReadFiniteNumber(field, value) ? value : std::numeric_limits<double>::quiet_NaN();
}

double ReadLong(std::string_view field) {
    return ReadLong(std::wstring(field.begin(), field.end()));
}

}  // namespace field_numbers

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

namespace {
template <typename Char>
double ReadDop(std::basic_string_view<Char> field) {
    constexpr double kNone = std::numeric_limits<double>::quiet_NaN();
    if (field.empty() || !(IsDigit(field[0]) || field[0] == '.')) return kNone;
    double value = 0.0;
    if (field_numbers::ReadShort(field, value) != field_numbers::ShortRead::kNumber) return kNone;
    return value > 0.0 && value < 1000.0 ? value : kNone;
}
}  // namespace

double DopField(std::string_view field) {
    return ReadDop(field);
}

double DopField(std::wstring_view field) {
    return ReadDop(field);
}

bool IsBaseHeight(double metres) {
    return metres >= -1000.0 && metres <= 10000.0;
}

bool IsNmeaMinutes(std::wstring_view field, int degreeDigits) {
    return field.empty() || field_numbers::Finite(Tail(field, degreeDigits)) < 60.0;
}

bool IsDate(int year, int month, int day) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (year < 1980 || year > 9999 || month < 1 || month > 12 || day < 1) return false;
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return day <= kDays[month - 1] + (month == 2 && leap ? 1 : 0);
}

bool IsFixedNumber(std::wstring_view field, int digits) {
    return IsFixedNumberOf(field, digits);
}

bool IsFixedNumber(std::string_view field, int digits) {
    return IsFixedNumberOf(field, digits);
}

bool IsHemisphere(std::wstring_view field, std::wstring_view letters) {
    return field.size() == 1 && letters.find(field[0]) != std::wstring_view::npos;
}

bool IsHemisphere(std::string_view field, std::string_view letters) {
    return field.size() == 1 && letters.find(field[0]) != std::string_view::npos;
}

double NmeaAngle(std::wstring_view field, int degreeDigits, std::wstring_view hemisphere) {
    return NmeaAngleOf(field, degreeDigits, hemisphere);
}

double NmeaAngle(std::string_view field, int degreeDigits, std::string_view hemisphere) {
    return NmeaAngleOf(field, degreeDigits, hemisphere);
}

bool ReadNmeaAngle(std::string_view field, int degreeDigits, std::string_view hemisphere, double* degrees) {
    if (!IsFixedNumberOf(field, degreeDigits + 2)) return false;
    const double minutes = field_numbers::Finite(Tail(field, degreeDigits));
    if (!field.empty() && !(minutes < 60.0)) return false;
    const double value =
        LeadingInt(field.substr(0, static_cast<size_t>(std::max(degreeDigits, 0)))) + minutes / 60.0;
    const char h = hemisphere.empty() ? ' ' : hemisphere[0];
    *degrees = (h == 'S' || h == 'W') ? -value : value;
    return true;
}

bool IsTimeOfDay(double hour, double minute, double second) {
    return hour >= 0 && hour < 24 && minute >= 0 && minute < 60 && second >= 0 && second < 60;
}

bool ReadTimeOfDay(std::wstring_view field, int zone, TimeOfDay* time) {
    return ReadTimeOfDayOf(field, zone, time);
}

bool ReadTimeOfDay(std::string_view field, int zone, TimeOfDay* time) {
    return ReadTimeOfDayOf(field, zone, time);
}

void StoreText(std::string_view field, CString& target) {
    const std::wstring& held = target.str();
    if (std::equal(held.begin(), held.end(), field.begin(), field.end())) return;
    target = CString(std::wstring(field.begin(), field.end()));
}

void StoreText(const wchar_t* text, CString& target) {
    if (target.str() != text) target = text;
}

int TruncInt(double value) {
    if (!(value == value)) return 0;
    if (value >= 2147483647.0) return 2147483647;
    if (value <= -2147483648.0) return -2147483647 - 1;
    return static_cast<int>(value);
}

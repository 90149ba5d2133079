#pragma once
// The pieces every sentence and log parser shares: line screening, NMEA framing and check, board-log
// check, comma splitting, numbers and time fields. The received line is read as its bytes (one pass
// checks and cuts it, no field is copied); the wide forms serve the lines the program builds or keeps.
#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/text/CString.h"
#include "receiver/FieldNumbers.h"

// The frame never hands over a longer line (its line buffer holds 1000 characters).
constexpr int kMaxLineChars = 1000;

// A line the receiver could have sent: at most kMaxLineChars characters, all printable ASCII. A NUL
// leaves the XOR check as it was and cuts a field short; two damaged bytes that the code page maps to
// the same character cancel out in it.
bool IsPlainLine(const CString& line);

// The fields of a checked sentence or log, as views into its line. Only the first kKept are kept (no
// sentence or log is read past its 30th field); all are counted. Where fields end is all that is kept,
// and nothing is cleared: a sentence is cut for every line.
class FieldViews {
public:
    static constexpr size_t kKept = 32;

    // CheckNmeaFraming and the cutting of the sentence's fields (without its "*hh") in one pass; false,
    // and the fields undefined, when the check fails.
    bool CutNmeaSentence(std::string_view line);
    // CheckBoardLog and the cutting of the log's fields (without its "*crc"); as above.
    bool CutBoardLog(std::string_view line);

    // How many fields there are.
    size_t Count() const { return count_; }
    // As many fields as SplitViewsUpTo(text, ',', limit) gives.
    size_t UpTo(size_t limit) const { return count_ < limit ? count_ : limit; }
    // Empty past the last field.
    std::string_view operator[](size_t i) const {
        if (i >= count_ || i >= kKept) return {};
        const uint32_t first = i == 0 ? first_ : ends_[i - 1] + 1;
        return std::string_view(line_ + first, ends_[i] - first);
    }

private:
    const char* line_ = nullptr;
    uint32_t first_ = 0;
    size_t count_ = 0;
    std::array<uint32_t, kKept> ends_;
};

// The sentence from the line's first "$" to its "*hh" when the two hex digits equal the XOR of the
// characters between "$" and "*" and nothing follows them; false (and `sentence` untouched) otherwise.
bool CheckNmeaFraming(const CString& line, CString* sentence);
// The same, as a view into `line`.
bool CheckNmeaFraming(const CString& line, std::wstring_view* sentence);

// The sentence's fields without its "*hh": the last field holds no part of the check.
std::wstring_view NmeaFields(std::wstring_view sentence);

// The log from the line's first "#" when its "*" is followed by exactly eight hex digits equal to the
// CRC-32 of the characters between "#" and "*"; false (and `log` untouched) otherwise.
bool CheckBoardLog(const CString& line, CString* log);

// The first field of the sentence or log in the line: from its first "$" or "#" to the first ",".
std::wstring_view AddressField(std::wstring_view line);
std::string_view AddressField(std::string_view line);

// Exactly `count` fields of `text` split at `separator` (missing ones empty, further ones dropped).
std::vector<CString> SplitFields(const CString& text, wchar_t separator, int count);
// At most `count` fields, as many as the text has.
std::vector<CString> SplitFieldsUpTo(const CString& text, wchar_t separator, int count);
// As SplitFieldsUpTo, as views into `text`: no string per field.
std::vector<std::wstring_view> SplitViewsUpTo(std::wstring_view text, wchar_t separator, int count);

bool AllFinite(std::initializer_list<double> values);

// Bounds no receiver on earth reports; a line holding a value beyond them is refused whole, so that
// nothing wrong is shown or stored. Each is false for NaN.
bool IsLatitude(double degrees);                    // -90 to 90
bool IsLongitude(double degrees);                   // -180 to 180
bool IsHeight(double metres);                       // within 100 km of the ellipsoid
bool IsEarthCentred(double x, double y, double z);  // each within 10,000 km of the centre
bool IsQuality(double value);                       // an RMS: finite and not negative
// A dilution of precision field as the receivers write it: digits with an optional point (no sign, no
// exponent), positive, at most three digits before the point. Geometry worse than 100 is real (the
// position's quality step shows it as 99.9); NaN for any other field, empty among them.
double DopField(std::string_view field);
double DopField(std::wstring_view field);
// A base position the receiver reports: within -1 km to +10 km of the ellipsoid.
bool IsBaseHeight(double metres);
// An NMEA angle field ("ddmm.mmmm" or "dddmm.mmmm") whose minutes are below 60; empty passes.
bool IsNmeaMinutes(std::wstring_view field, int degreeDigits);
// IsFixedNumber, IsNmeaMinutes and NmeaAngle of an angle field in one reading: false when the field is
// not of the fixed form or its minutes are not below 60; otherwise its decimal degrees in `degrees`
// (NaN for an empty field, which passes).
bool ReadNmeaAngle(std::string_view field, int degreeDigits, std::string_view hemisphere, double* degrees);

// A day of the Gregorian calendar from 1980, when satellite time begins, to 9999.
bool IsDate(int year, int month, int day);

// Empty, or exactly `digits` decimal digits optionally followed by a point and more digits: the fixed
// form of NMEA times ("hhmmss.ss", 6) and angles ("ddmm.mmmm", 4; "dddmm.mmmm", 5). A digit dropped
// in pairs escapes the XOR check but not this.
bool IsFixedNumber(std::wstring_view field, int digits);
bool IsFixedNumber(std::string_view field, int digits);

// A fix's angle needs its hemisphere: an empty or unknown one would read as north or east.
bool IsHemisphere(std::wstring_view field, std::wstring_view letters);
bool IsHemisphere(std::string_view field, std::string_view letters);

// "ddmm.mmmm" (degreeDigits 2) or "dddmm.mmmm" (3) as decimal degrees; S and W make it negative.
double NmeaAngle(std::wstring_view field, int degreeDigits, std::wstring_view hemisphere);
double NmeaAngle(std::string_view field, int degreeDigits, std::string_view hemisphere);

constexpr uint32_t kMsPerDay = 86'400'000;

struct TimeOfDay {
    int hour = 0;
    int minute = 0;
    int second = 0;
    uint32_t utcMs = 0;  // the field's own time of day, before the zone, in ms
};
// Hour 0 to 23, minute and second 0 to 59.
bool IsTimeOfDay(double hour, double minute, double second);
// An "hhmmss.ss" field (six characters or more) with `zone` hours added (any int, wrapped into 0 to 23
// both ways), and its own time in ms; false when it is not of that form or a part is out of range.
bool ReadTimeOfDay(std::wstring_view field, int zone, TimeOfDay* time);
bool ReadTimeOfDay(std::string_view field, int zone, TimeOfDay* time);

// Stores the text of a field of a checked line (printable ASCII) in `target`; a text already there is
// kept, so that a value repeated every second costs no allocation.
void StoreText(std::string_view field, CString& target);
void StoreText(const wchar_t* text, CString& target);

// The whole part of a value, clamped to the int range (garbage fields must not overflow).
int TruncInt(double value);

#pragma once
// A settings file described once: its sections in file order and, for each key, the record field
// it fills, the value a file without the key gives ("missing"), the value of a new file ("fresh"),
// the values the key can take and how it is written. One reader, one writer and one default
// filler walk the description, so a new key is one line in one table.
#include <cstdint>
#include <limits>
#include <variant>
#include <vector>
#include "platform/text/CString.h"

struct IntRange {
    int32_t min = std::numeric_limits<int32_t>::min();
    int32_t max = std::numeric_limits<int32_t>::max();
};

// Min and max included; every double key names one.
struct DoubleRange {
    double min;
    double max;
};

inline constexpr IntRange kAnyInt{};
inline constexpr IntRange kSwitch{0, 1};
inline constexpr IntRange kNotNegativeInt{0, std::numeric_limits<int32_t>::max()};
inline constexpr IntRange kPositiveInt{1, std::numeric_limits<int32_t>::max()};
// Bounds no real value reaches, so that a damaged number is refused rather than carried on.
inline constexpr DoubleRange kHeightRange{-1e5, 1e5};        // metres
inline constexpr DoubleRange kEarthCentredRange{-1e7, 1e7};  // metres from the earth's centre
inline constexpr DoubleRange kGridRange{-1e8, 1e8};          // grid metres, zone-prefixed eastings too
inline constexpr DoubleRange kDegreesRange{-360.0, 360.0};   // plain or packed degrees
inline constexpr DoubleRange kRadiansRange{-7.0, 7.0};       // a little more than a turn
inline constexpr DoubleRange kScaleRange{-10.0, 10.0};
inline constexpr DoubleRange kLimitRange{0.0, 1e3};     // quality limits: RMS metres, DOP
inline constexpr DoubleRange kDistanceRange{0.0, 1e7};  // intervals between points, metres

constexpr IntRange Between(int32_t min, int32_t max) {
    return {min, max};
}

struct IntKey {
    int32_t* field;
    int32_t missing;
    int32_t fresh;
    IntRange range;
};

struct DoubleKey {
    enum class Format { TenDecimals, RoundTrip };
    double* field;
    double missing;
    double fresh;
    DoubleRange range;
    Format format;
};

// A text is refused when it holds a control character or one the code page could not read; `accept`,
// when given, may refuse more. A refused text takes the new-file value (the missing-key job path
// names a storage card the device may not have); a missing one its "missing" value, damaged file or not.
struct TextKey {
    CString* field;
    CString missing;
    CString fresh;
    bool (*accept)(const CString&) = nullptr;
    // When given, set as the field is read: whether the file lacked the key.
    bool* lacked = nullptr;
};

struct SettingsKey {
    CString name;
    std::variant<IntKey, DoubleKey, TextKey> value;
};

struct SettingsSection {
    CString name;
    std::vector<SettingsKey> keys;
    int blankLinesBefore = 1;
    // Every version of the file wrote all of this section's keys: one missing was lost on the way.
    bool keysRequired = false;
};

using SettingsTable = std::vector<SettingsSection>;

// The table's lines. Where one default is given, a missing key and a new file agree.
inline SettingsKey Int(const CString& key, int32_t& field, int32_t missing, int32_t fresh, IntRange range) {
    return {key, IntKey{&field, missing, fresh, range}};
}
inline SettingsKey Int(const CString& key, int32_t& field, int32_t value, IntRange range = kAnyInt) {
    return Int(key, field, value, value, range);
}
inline SettingsKey Double(const CString& key, double& field, double missing, double fresh,
                          DoubleRange range) {
    return {key, DoubleKey{&field, missing, fresh, range, DoubleKey::Format::TenDecimals}};
}
inline SettingsKey Double(const CString& key, double& field, double value, DoubleRange range) {
    return Double(key, field, value, value, range);
}
// Seventeen significant digits: the value reads back bit for bit.
inline SettingsKey ExactDouble(const CString& key, double& field, double value, DoubleRange range) {
    return {key, DoubleKey{&field, value, value, range, DoubleKey::Format::RoundTrip}};
}
inline SettingsKey Text(const CString& key, CString& field, const CString& missing, const CString& fresh) {
    return {key, TextKey{&field, missing, fresh}};
}
inline SettingsKey Text(const CString& key, CString& field, const CString& value) {
    return Text(key, field, value, value);
}
inline SettingsKey CheckedText(const CString& key, CString& field, const CString& missing,
                               const CString& fresh, bool (*accept)(const CString&), bool* lacked = nullptr) {
    return {key, TextKey{&field, missing, fresh, accept, lacked}};
}

// Sets every key's field to its new-file value.
void FillFreshSettings(const SettingsTable& table);

// What reading or writing a whole file came to: whether it was done, and what the user is to be
// told (empty when nothing).
struct SettingsFileResult {
    bool done;
    CString notice;
    // The file read was damaged and its copy is kept: a sound file is to take its place.
    bool replace = false;
};

// Whole files. Every key the file lacks, or whose number lies outside its range, reads as its
// "missing" default. A file is damaged when it is empty, when its last line lacks its line end (cut
// short: that line is not read), when a value is refused, when a required key is missing or when it
// holds a line the writer would drop (text of another kind, a section or key the table does not know, a
// key given twice). It is read once a copy of it is kept (see DamagedFileCopy.h), its refused values
// replaced and its unreadable texts taking their new-file values; the notice says whether any setting
// took a default and where the copy lies, and the result asks for a sound file in its place. A file that
// cannot be read, or is larger than any settings file, is moved aside and reads as an empty damaged one. When
// no copy can be kept the result is not done, its notice is the given failure and the record is left alone;
// so for a write that fails. Each section is written as its blank lines, its "[name]" header and its keys.
SettingsFileResult ReadSettingsFile(const CString& path, const SettingsTable& table, const wchar_t* failure);
SettingsFileResult WriteSettingsFile(const CString& path, const SettingsTable& table, const wchar_t* failure);

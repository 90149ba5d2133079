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

// Always finite; min and max included.
struct DoubleRange {
    double min = std::numeric_limits<double>::lowest();
    double max = std::numeric_limits<double>::max();
};

inline constexpr IntRange kAnyInt{};
inline constexpr IntRange kSwitch{0, 1};
inline constexpr IntRange kNotNegativeInt{0, std::numeric_limits<int32_t>::max()};
inline constexpr IntRange kPositiveInt{1, std::numeric_limits<int32_t>::max()};
inline constexpr DoubleRange kFinite{};
inline constexpr DoubleRange kNotNegative{0.0, std::numeric_limits<double>::max()};
inline constexpr DoubleRange kPositive{std::numeric_limits<double>::denorm_min(),
                                       std::numeric_limits<double>::max()};

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

struct TextKey {
    CString* field;
    CString missing;
    CString fresh;
};

struct SettingsKey {
    CString name;
    std::variant<IntKey, DoubleKey, TextKey> value;
};

struct SettingsSection {
    CString name;
    std::vector<SettingsKey> keys;
    int blankLinesBefore = 1;
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
inline SettingsKey Double(const CString& key, double& field, double value, DoubleRange range = kFinite) {
    return Double(key, field, value, value, range);
}
// Seventeen significant digits: the value reads back bit for bit.
inline SettingsKey ExactDouble(const CString& key, double& field, double value) {
    return {key, DoubleKey{&field, value, value, kFinite, DoubleKey::Format::RoundTrip}};
}
inline SettingsKey Text(const CString& key, CString& field, const CString& missing, const CString& fresh) {
    return {key, TextKey{&field, missing, fresh}};
}
inline SettingsKey Text(const CString& key, CString& field, const CString& value) {
    return Text(key, field, value, value);
}

// Sets every key's field to its new-file value.
void FillFreshSettings(const SettingsTable& table);

// Whole files. A failure is shown to the user with the given message and returned; a file that
// cannot be loaded leaves the record alone. Every key the file lacks, or whose value lies outside
// its range, reads as its "missing" default. Each section is written as its blank lines, its
// "[name]" header and its keys.
bool ReadSettingsFile(const CString& path, const SettingsTable& table, const wchar_t* failure);
bool WriteSettingsFile(const CString& path, const SettingsTable& table, const wchar_t* failure);

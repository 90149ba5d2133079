#include "foundation/SettingsTable.h"

#include <algorithm>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include "foundation/CIniFile.h"
#include "foundation/DamagedFileCopy.h"
#include "platform/files/CFile.h"
#include "platform/files/FileOps.h"

namespace {
template <class... Ts>
struct Overloaded : Ts... {
    using Ts::operator()...;
};
template <class... Ts>
Overloaded(Ts...) -> Overloaded<Ts...>;

struct Reading {
    int refused = 0;          // values present that their key does not take
    int missing = 0;          // keys absent, each taking its "missing" default
    int missingRequired = 0;  // of those, keys every version of the file wrote

    bool DefaultsTaken() const { return refused > 0 || missing > 0; }
};

// What reading the table does with the fields: nothing (it only counts), or it sets them.
enum class Apply { kNothing, kFields };

bool PlainText(const CString& text) {
    for (const wchar_t c : text.str())
        if ((c < 0x20 && c != L'\t') || c == 0x7F || c == 0xFFFD) return false;
    return true;
}

bool Blank(std::string_view bytes) {
    return bytes.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

const SettingsSection* FindSection(const SettingsTable& table, const CString& name) {
    for (const SettingsSection& section : table)
        if (section.name == name) return &section;
    return nullptr;
}

bool HoldsKey(const SettingsSection& section, std::wstring_view name) {
    for (const SettingsKey& key : section.keys)
        if (key.name.str() == name) return true;
    return false;
}

// A line the next write would not carry: text before the first header, a section or a key the table
// does not know, a line that is no key, a key given twice (the first one is read). Text of another
// kind holds nothing else.
bool HoldsJunk(const CIniFile& file, const SettingsTable& table) {
    if (file.StrayLines() > 0) return true;
    std::set<std::pair<std::wstring, std::wstring>> seen;
    for (const CIniSection& held : file.Sections()) {
        const SettingsSection* known = FindSection(table, held.name);
        if (!known) return true;
        const std::wstring& body = held.body.str();
        for (size_t start = 0; start < body.size();) {
            // Parse ends every body line in CR LF.
            const size_t end = std::min(body.find(L"\r\n", start), body.size());
            const std::wstring_view line = std::wstring_view(body).substr(start, end - start);
            start = end + 2;
            if (line.find_first_not_of(L" \t") == std::wstring_view::npos) continue;
            const size_t eq = line.find(L'=');
            if (eq == std::wstring_view::npos || !HoldsKey(*known, line.substr(0, eq)) ||
                !seen.emplace(held.name.str(), line.substr(0, eq)).second)
                return true;
        }
    }
    return false;
}

// Sets the fields as `apply` says; counts the refused values and the missing keys either way.
Reading ReadSettingsTable(const CIniFile& file, const SettingsTable& table, Apply apply) {
    Reading reading;
    for (const SettingsSection& section : table) {
        for (const SettingsKey& key : section.keys) {
            CString raw;
            const bool present = file.FindValue(section.name, key.name, raw);
            if (!present) {
                ++reading.missing;
                if (section.keysRequired) ++reading.missingRequired;
            }
            const auto take = [&](auto* field, bool usable, const auto& value, const auto& otherwise) {
                if (present && !usable) ++reading.refused;
                if (apply != Apply::kNothing) *field = usable ? value : otherwise;
            };
            std::visit(
                Overloaded{
                    [&](const IntKey& k) {
                        int value = 0;
                        const bool read = file.GetInt(section.name, key.name, value);
                        take(k.field, read && value >= k.range.min && value <= k.range.max, value, k.missing);
                    },
                    [&](const DoubleKey& k) {
                        double value = 0.0;
                        const bool read = file.GetDouble(section.name, key.name, value);
                        take(k.field, read && value >= k.range.min && value <= k.range.max, value, k.missing);
                    },
                    [&](const TextKey& k) {
                        const bool usable = present && PlainText(raw) && (!k.accept || k.accept(raw));
                        // A refused text was damaged, not left out by an older program.
                        take(k.field, usable, raw, present ? k.fresh : k.missing);
                        if (apply != Apply::kNothing && k.lacked) *k.lacked = !present;
                    },
                },
                key.value);
        }
    }
    return reading;
}

void WriteSettingsTable(CIniFile& file, const SettingsTable& table) {
    for (const SettingsSection& section : table) {
        for (int i = 0; i < section.blankLinesBefore; ++i) file.WriteRaw(L"\r\n");
        file.WriteSection(section.name);
        for (const SettingsKey& key : section.keys) {
            std::visit(Overloaded{
                           [&](const IntKey& k) { file.WriteInt(key.name, *k.field); },
                           [&](const DoubleKey& k) {
                               if (k.format == DoubleKey::Format::RoundTrip)
                                   file.WriteDoubleRoundTrip(key.name, *k.field);
                               else
                                   file.WriteDouble(key.name, *k.field);
                           },
                           [&](const TextKey& k) { file.WriteString(key.name, *k.field); },
                       },
                       key.value);
        }
    }
}
}  // namespace

void FillFreshSettings(const SettingsTable& table) {
    for (const SettingsSection& section : table) {
        for (const SettingsKey& key : section.keys) {
            std::visit([](const auto& k) { *k.field = k.fresh; }, key.value);
        }
    }
}

SettingsFileResult ReadSettingsFile(const CString& path, const SettingsTable& table, const wchar_t* failure) {
    std::string bytes;
    if (FileExists(path) && ReadWholeFile(path, bytes, kMaxSettingsFileBytes)) {
        // The program writes every line whole: an empty file, or one whose last line was cut short,
        // was damaged on its way, and what a cut line holds is no value.
        const bool cut = Blank(bytes) || bytes.back() != '\n';
        CIniFile file;
        file.Parse(std::string_view(bytes).substr(0, bytes.find_last_of('\n') + 1));
        const Reading counted = ReadSettingsTable(file, table, Apply::kNothing);
        const bool damaged =
            cut || HoldsJunk(file, table) || counted.refused > 0 || counted.missingRequired > 0;
        if (!damaged) {
            ReadSettingsTable(file, table, Apply::kFields);
            return {true, CString()};
        }
        // The same damage met again (its repair failed or was cut short) is read and told again.
        const CString copy = KeepDamagedCopy(path, bytes);
        if (!copy.IsEmpty()) {
            ReadSettingsTable(file, table, Apply::kFields);
            return {true, DamagedCopyNotice(path, copy, counted.DefaultsTaken()), true};
        }
    } else if (GetFileAttributes(path) != INVALID_FILE_ATTRIBUTES) {
        const CString copy = MoveUnreadableAside(path);
        if (!copy.IsEmpty()) {
            ReadSettingsTable(CIniFile(), table, Apply::kFields);
            return {true, DamagedCopyNotice(path, copy, true), true};
        }
    }
    return {false, failure};
}

SettingsFileResult WriteSettingsFile(const CString& path, const SettingsTable& table,
                                     const wchar_t* failure) {
    CIniFile file;
    bool written = file.Open(path, CFile::modeCreate | CFile::modeWrite);
    if (written) {
        WriteSettingsTable(file, table);
        written = file.Close();
    }
    return {written, written ? CString() : CString(failure)};
}

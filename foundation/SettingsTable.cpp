#include "foundation/SettingsTable.h"

#include <string>
#include <string_view>
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
    int refused = 0;  // values present that their key does not take
};

bool PlainText(const CString& text) {
    for (const wchar_t c : text.str())
        if ((c < 0x20 && c != L'\t') || c == 0x7F || c == 0xFFFD) return false;
    return true;
}

bool Blank(std::string_view bytes) {
    return bytes.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

bool HoldsSectionOf(const CIniFile& file, const SettingsTable& table) {
    for (const CIniSection& held : file.Sections())
        for (const SettingsSection& section : table)
            if (held.name == section.name) return true;
    return false;
}

// Sets every field when `apply`; counts the refused values either way.
Reading ReadSettingsTable(const CIniFile& file, const SettingsTable& table, bool apply) {
    Reading reading;
    for (const SettingsSection& section : table) {
        for (const SettingsKey& key : section.keys) {
            CString raw;
            const bool present = file.FindValue(section.name, key.name, raw);
            const auto take = [&](auto* field, bool usable, const auto& value, const auto& otherwise) {
                if (present && !usable) ++reading.refused;
                if (apply) *field = usable ? value : otherwise;
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
                        take(k.field, usable, raw, present ? k.fresh : k.missing);
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
        CIniFile file;
        file.Parse(bytes);
        // The program writes every line whole: an empty file, or one whose last line was cut short,
        // was damaged on its way.
        const bool cut = Blank(bytes) || bytes.back() != '\n';
        const bool damaged =
            cut || ReadSettingsTable(file, table, false).refused > 0 || !HoldsSectionOf(file, table);
        const Keeping keeping = damaged ? KeepDamagedCopy(path, bytes) : Keeping::KeptBefore;
        if (keeping != Keeping::CannotKeep) {
            ReadSettingsTable(file, table, true);
            // The same damage met again was told when its copy was made.
            return {true, keeping == Keeping::Kept ? DamagedCopyNotice(path) : CString()};
        }
    } else if (GetFileAttributes(path) != INVALID_FILE_ATTRIBUTES &&
               MoveUnreadableAside(path) != Keeping::CannotKeep) {
        ReadSettingsTable(CIniFile(), table, true);
        return {true, DamagedCopyNotice(path)};
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

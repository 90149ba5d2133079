#include "foundation/SettingsTable.h"

#include "foundation/CIniFile.h"
#include "platform/files/CFile.h"
#include "platform/messages/MessageBox.h"

namespace {
template <class... Ts>
struct Overloaded : Ts... {
    using Ts::operator()...;
};

void ReadSettingsTable(const CIniFile& file, const SettingsTable& table) {
    for (const SettingsSection& section : table) {
        for (const SettingsKey& key : section.keys) {
            std::visit(
                Overloaded{
                    [&](const IntKey& k) {
                        int value = 0;
                        const bool read = file.GetInt(section.name, key.name, value);
                        *k.field = read && value >= k.range.min && value <= k.range.max ? value : k.missing;
                    },
                    [&](const DoubleKey& k) {
                        double value = 0.0;
                        const bool read = file.GetDouble(section.name, key.name, value);
                        *k.field = read && value >= k.range.min && value <= k.range.max ? value : k.missing;
                    },
                    [&](const TextKey& k) {
                        if (!file.GetString(section.name, key.name, *k.field)) *k.field = k.missing;
                    },
                },
                key.value);
        }
    }
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

bool ReadSettingsFile(const CString& path, const SettingsTable& table, const wchar_t* failure) {
    CIniFile file;
    if (!file.Load(path, CFile::modeRead)) {
        AfxMessageBox(failure, MB_ICONINFORMATION | MB_OK);
        return false;
    }
    ReadSettingsTable(file, table);
    return true;
}

bool WriteSettingsFile(const CString& path, const SettingsTable& table, const wchar_t* failure) {
    CIniFile file;
    bool written = file.Open(path, CFile::modeCreate | CFile::modeWrite);
    if (written) {
        WriteSettingsTable(file, table);
        written = file.Close();
    }
    if (!written) AfxMessageBox(failure, MB_ICONINFORMATION | MB_OK);
    return written;
}

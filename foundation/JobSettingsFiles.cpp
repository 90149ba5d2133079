#include "foundation/JobSettingsFiles.h"

#include "foundation/CIniFile.h"
#include "foundation/DevicePathJoin.h"
#include "platform/files/CFile.h"
#include "platform/files/FileOps.h"

void JobSettingsFiles::SetVersionInfo(const CString& version, const CString& programFolder) {
    version_ = version;
    programFolder_ = programFolder;
}

bool JobSettingsFiles::WriteAntennaFile(const CString& folder, const CString& fileName) const {
    CIniFile file;
    if (!file.Open(JoinDevicePath(folder, fileName), CFile::modeCreate | CFile::modeWrite)) return false;
    file.WriteRaw(L"\r\n");
    file.WriteSection(L"123456789");
    file.WriteString(L"AntennaType", L"123456789");
    file.WriteString(L"AntHgtFactor", L"0");
    file.WriteString(L"GPSInstrumentHgt", L"0");
    file.WriteString(L"GpsInstrumentRadius", L"0");
    return file.Close();
}

void JobSettingsFiles::Hold(const CString& path) {
    if (!Held(path)) held_.push_back(path);
}

void JobSettingsFiles::Release(const CString& path) {
    std::erase_if(held_, [&](const CString& held) { return held.CompareNoCase(path) == 0; });
}

bool JobSettingsFiles::Held(const CString& path) const {
    for (const CString& held : held_)
        if (held.CompareNoCase(path) == 0) return true;
    return false;
}

bool JobSettingsFiles::Read(const CString& path, const SettingsTable& table,
                            const SettingsFileFailures& failures) {
    const SettingsFileResult read = ReadSettingsFile(path, table, failures.read);
    Tell(read.notice);
    if (read.done) {
        // A write that fails here leaves the damaged file to the next read, which tries again.
        if (read.replace) Write(path, table, failures);
        return true;
    }
    if (GetFileAttributes(path) != INVALID_FILE_ATTRIBUTES) Hold(path);
    return false;
}

bool JobSettingsFiles::Write(const CString& path, const SettingsTable& table,
                             const SettingsFileFailures& failures) const {
    if (Held(path)) return false;
    const SettingsFileResult written = WriteSettingsFile(path, table, failures.write);
    Tell(written.notice);
    return written.done;
}

void JobSettingsFiles::Tell(const CString& notice) const {
    if (notice.IsEmpty()) return;
    ++told_;
    if (tell_) tell_(notice);
}

#include "foundation/JobSettingsFiles.h"

#include "foundation/CIniFile.h"
#include "foundation/DevicePathJoin.h"
#include "platform/files/CFile.h"

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

#include "foundation/CIniFile.h"
#include "foundation/DevicePathJoin.h"
#include "platform/files/CFile.h"

bool CIniFile::WriteAntennaSection(const CString& folder, const CString& fileName,
                                   const AntennaRecord& record) {
    if (!Open(JoinDevicePath(folder, fileName), CFile::modeWrite)) return false;
    WriteRaw(L"\r\n");
    WriteSection(record.receiverType);
    WriteString(L"AntennaType", record.AntennaType);
    WriteDouble(L"AntHgtFactor", record.AntHgtFactor);
    WriteDouble(L"GPSInstrumentHgt", record.GPSInstrumentHgt);
    WriteDouble(L"GpsInstrumentRadius", record.GpsInstrumentRadius);
    return Close();
}

bool CIniFile::ReadAntennaSection(const CString& folder, const CString& fileName, const CString& receiverType,
                                  AntennaRecord& record) {
    if (!Load(JoinDevicePath(folder, fileName), CFile::modeRead)) return false;
    GetString(receiverType, L"AntennaType", record.AntennaType);
    GetDouble(receiverType, L"AntHgtFactor", record.AntHgtFactor);
    GetDouble(receiverType, L"GPSInstrumentHgt", record.GPSInstrumentHgt);
    GetDouble(receiverType, L"GpsInstrumentRadius", record.GpsInstrumentRadius);
    return true;
}

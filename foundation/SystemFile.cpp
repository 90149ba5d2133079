#include "foundation/CIniFile.h"
#include "foundation/IniFieldReader.h"
#include "foundation/JobSettingsFiles.h"
#include "platform/files/CFile.h"
#include "platform/messages/MessageBox.h"
#include "platform/text/Format.h"

bool JobSettingsFiles::ReadSystemFile(LastFilesRecord& record) const {
    CIniFile file;
    if (!file.Load(systemFile_, CFile::modeRead)) {
        AfxMessageBox(L"读qzsys.sys文件错误,请检查!", MB_ICONINFORMATION | MB_OK);
        return false;
    }
    const IniFieldReader system(file, L"System");
    system.Read(L"szIniFile", record.szIniFile, L"\\SystemCF\\Jobs\\kmtk\\vorna.qzs");
    system.Read(L"szDataFile", record.szDataFile, L"vorna.xyh");
    system.Read(L"szLastSaveName", record.szLastSaveName, L"0");
    system.Read(L"szLastJName", record.lastNames.first, L"J1");
    system.Read(L"szLastZName", record.lastNames.second, L"Z1");
    system.Read(L"szLastFName", record.lastNames.third, L"1");
    system.Read(L"nGPSOEMType", record.nGPSOEMType, 1);
    return true;
}

void JobSettingsFiles::DefaultSystemParams(LastFilesRecord& record) const {
    record.szIniFile = Format(L"%s\\Jobs\\vorna\\vorna.qzs", programFolder_.c_str());
    record.szDataFile = L"vorna.xyh";
    record.szLastSaveName = L"0";
    record.lastNames = {L"J1", L"Z1", L"1"};
    record.nGPSOEMType = 1;
}

bool JobSettingsFiles::WriteSystemFile(LastFilesRecord record) const {
    CIniFile file;
    bool written = file.Open(systemFile_, CFile::modeCreate | CFile::modeWrite);
    if (written) {
        file.WriteRaw(L"\r\n");
        file.WriteRaw(L"[System]\r\n");
        file.WriteString(L"szIniFile", record.szIniFile);
        file.WriteString(L"szDataFile", record.szDataFile);
        file.WriteString(L"szLastSaveName", record.szLastSaveName);
        file.WriteString(L"szLastJName", record.lastNames.first);
        file.WriteString(L"szLastZName", record.lastNames.second);
        file.WriteString(L"szLastFName", record.lastNames.third);
        file.WriteInt(L"nGPSOEMType", record.nGPSOEMType);
        written = file.Close();
    }
    if (!written) AfxMessageBox(L"创建qzsys.sys文件错误,请检查!", MB_ICONINFORMATION | MB_OK);
    return written;
}

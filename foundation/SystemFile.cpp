#include "foundation/JobSettingsFiles.h"
#include "foundation/SettingsTable.h"
#include "platform/text/Format.h"

namespace {
// The missing job path points to the storage card, the first-run one below the program folder.
SettingsTable SystemFileTable(LastFilesRecord& r, const CString& programFolder) {
    return {
        {L"System",
         {
             Text(L"szIniFile", r.szIniFile, L"\\SystemCF\\Jobs\\kmtk\\vorna.qzs",
                  Format(L"%s\\Jobs\\vorna\\vorna.qzs", programFolder.c_str())),
             Text(L"szDataFile", r.szDataFile, L"vorna.xyh"),
             Text(L"szLastSaveName", r.szLastSaveName, L"0"),
             Text(L"szLastJName", r.lastNames.first, L"J1"),
             Text(L"szLastZName", r.lastNames.second, L"Z1"),
             Text(L"szLastFName", r.lastNames.third, L"1"),
             Int(L"nGPSOEMType", r.nGPSOEMType, 1, Between(0, 5)),
         }},
    };
}
}  // namespace

bool JobSettingsFiles::ReadSystemFile(LastFilesRecord& record) const {
    return ReadSettingsFile(systemFile_, SystemFileTable(record, programFolder_),
                            L"读qzsys.sys文件错误,请检查!");
}

void JobSettingsFiles::DefaultSystemParams(LastFilesRecord& record) const {
    FillFreshSettings(SystemFileTable(record, programFolder_));
}

bool JobSettingsFiles::WriteSystemFile(LastFilesRecord record) const {
    return WriteSettingsFile(systemFile_, SystemFileTable(record, programFolder_),
                             L"创建qzsys.sys文件错误,请检查!");
}

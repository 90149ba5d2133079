#include <string>
#include <string_view>
#include "foundation/JobSettingsFiles.h"
#include "foundation/SettingsTable.h"
#include "platform/text/Format.h"

namespace {
// A job path is a plain device path of a job file: from the root, no empty, "." or ".." folder, no
// character a file name cannot hold, ending in a name with ".qzs".
bool IsPlainJobPath(const CString& path) {
    const std::wstring& text = path.str();
    if (text.size() < 6 || text.front() != L'\\' || path.Right(4).CompareNoCase(L".qzs") != 0 ||
        text[text.size() - 5] == L'\\' || text.find_first_of(L"/:*?\"<>|") != std::wstring::npos)
        return false;
    for (size_t start = 1; start <= text.size();) {
        size_t end = text.find(L'\\', start);
        if (end == std::wstring::npos) end = text.size();
        const std::wstring_view part = std::wstring_view(text).substr(start, end - start);
        if (part.empty() || part == L"." || part == L"..") return false;
        start = end + 1;
    }
    return true;
}

// The point file is named within the job's data folder.
bool IsPlainFileName(const CString& name) {
    return !name.IsEmpty() && name != L"." && name != L".." &&
           name.str().find_first_of(L"\\/:*?\"<>|") == std::wstring::npos;
}

// The missing job path points to the storage card, the first-run one below the program folder.
SettingsTable SystemFileTable(LastFilesRecord& r, const CString& programFolder,
                              bool* jobPathLacked = nullptr) {
    return {
        {.name = L"System",
         .keys =
             {
                 CheckedText(L"szIniFile", r.szIniFile, L"\\SystemCF\\Jobs\\kmtk\\vorna.qzs",
                             Format(L"%s\\Jobs\\vorna\\vorna.qzs", programFolder.c_str()), IsPlainJobPath,
                             jobPathLacked),
                 CheckedText(L"szDataFile", r.szDataFile, L"vorna.xyh", L"vorna.xyh", IsPlainFileName),
                 Text(L"szLastSaveName", r.szLastSaveName, L"0"),
                 Text(L"szLastJName", r.lastNames.first, L"J1"),
                 Text(L"szLastZName", r.lastNames.second, L"Z1"),
                 Text(L"szLastFName", r.lastNames.third, L"1"),
                 Int(L"nGPSOEMType", r.nGPSOEMType, 1, Between(0, 5)),
             },
         .keysRequired = true},
    };
}
constexpr SettingsFileFailures kSystemFailures{L"读qzsys.sys文件错误,请检查!",
                                               L"创建qzsys.sys文件错误,请检查!"};
}  // namespace

bool JobSettingsFiles::ReadSystemFile(LastFilesRecord& record, bool* jobPathLacked) {
    return Read(systemFile_, SystemFileTable(record, programFolder_, jobPathLacked), kSystemFailures);
}

void JobSettingsFiles::DefaultSystemParams(LastFilesRecord& record) const {
    FillFreshSettings(SystemFileTable(record, programFolder_));
}

bool JobSettingsFiles::WriteSystemFile(LastFilesRecord record) const {
    return Write(systemFile_, SystemFileTable(record, programFolder_), kSystemFailures);
}

#include "export/ExportFile.h"

#include "foundation/FileNames.h"
#include "platform/files/FileOps.h"

namespace {
// Every kind of file a job keeps: settings, point, raw and sibling result files, records,
// libraries, control and pair files, stake-out libraries and results.
constexpr const wchar_t* kJobFileKinds[] = {L"qzs", L"qza", L"xyh", L"blh", L"lod", L"ref", L"tow",
                                            L"vsk", L"rec", L"lib", L"wgs", L"sys", L"cot", L"fou",
                                            L"sev", L"ptb", L"ptr", L"lnb", L"lnr", L"at"};
}  // namespace

ExportNameCheck CheckExportName(const CString& name) {
    switch (CheckFileName(name, L"\\/:*?\"<>|\r\n\t")) {
        case FileNameFault::kEmpty:
            return ExportNameCheck::kEmpty;
        case FileNameFault::kReservedCharacter:
            return ExportNameCheck::kBadCharacter;
        case FileNameFault::kLeadingDot:
            return ExportNameCheck::kLeadingDot;
        case FileNameFault::kOutsideCodePage:
            return ExportNameCheck::kOutsideCodePage;
        case FileNameFault::kTooLong:
            return ExportNameCheck::kTooLong;
        case FileNameFault::kNone:
            break;
    }
    const int dot = name.ReverseFind(L'.');
    if (dot < 0) return ExportNameCheck::kOk;
    CString extension = name.Mid(dot + 1);
    extension.MakeLower();
    for (const wchar_t* kind : kJobFileKinds)
        if (extension == kind) return ExportNameCheck::kJobFileKind;
    return ExportNameCheck::kOk;
}

bool WriteExportFile(const CString& path, std::string_view bytes) {
    return AtomicRewrite(path, bytes);
}

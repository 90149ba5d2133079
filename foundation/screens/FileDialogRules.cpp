#include "foundation/screens/FileDialogRules.h"

#include "foundation/FileNames.h"
#include "platform/files/FileOps.h"

CString FilterExtension(const CString& filter) {
    const int dot = filter.Find(L'.');
    return dot < 0 ? CString() : filter.Mid(dot);
}

namespace {

// The tree lists files whatever the case of their extension, so "PT.XYH" holds ".xyh" too.
bool HoldsExtension(const CString& path, const CString& extension) {
    if (extension.IsEmpty()) return false;
    CString p = path, e = extension;
    return p.MakeUpper().Find(e.MakeUpper().c_str()) >= 0;
}

}  // namespace

void SaveSelectionChanged(const CString& selectedPath, const CString& extension, CString& pathText,
                          CString& fileName) {
    pathText = selectedPath;
    if (HoldsExtension(selectedPath, extension))
        fileName = selectedPath.Mid(selectedPath.ReverseFind(L'\\') + 1);
}

CString ComposeSavePath(const CString& pathText, const CString& fileName, const CString& extension) {
    const int dot = fileName.Find(L'.');
    const CString base = dot < 0 ? fileName : fileName.Left(dot);
    CString folder = pathText;
    if (HoldsExtension(folder, extension)) folder = folder.Left(folder.ReverseFind(L'\\'));
    return folder + L"\\" + base + extension;
}

CString CheckSaveName(const CString& name) {
    switch (CheckFileName(name, L"\\/:*?\"<>|")) {
        case FileNameFault::kEmpty:
            return CString(L"文件名不能为空，请重新输入!");
        case FileNameFault::kReservedCharacter:
            return CString(L"文件名不能包含\\/:*?\"<>|等字符，请重新输入!");
        case FileNameFault::kLeadingDot:
            return CString(L"文件名不能以\".\"开头，请重新输入!");
        case FileNameFault::kOutsideCodePage:
            return CString(L"文件名含有不能保存的字符，请重新输入!");
        case FileNameFault::kTooLong:
            return CString(L"文件名太长，请重新输入!");
        case FileNameFault::kNone:
            break;
    }
    return CString();
}

bool IsExistingFile(const CString& path) {
    const DWORD attributes = GetFileAttributes(path);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

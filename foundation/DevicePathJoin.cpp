#include "foundation/DevicePathJoin.h"

namespace {
bool IsSeparator(wchar_t c) {
    return c == L'\\' || c == L'/';
}
}  // namespace

CString JoinDevicePath(const CString& folder, const CString& name) {
    if (folder.IsEmpty()) return name;
    if (name.IsEmpty()) return folder;
    const bool folderEnds = IsSeparator(folder[folder.GetLength() - 1]);
    const bool nameStarts = IsSeparator(name[0]);
    if (folderEnds && nameStarts) return folder + name.Mid(1);
    if (folderEnds || nameStarts) return folder + name;
    return folder + L'\\' + name;
}

CString DeviceFolderOf(const CString& path) {
    for (int i = path.GetLength() - 1; i >= 0; --i) {
        if (IsSeparator(path[i])) return path.Left(i);
    }
    return CString();
}

CString DeviceFileNameOf(const CString& path) {
    for (int i = path.GetLength() - 1; i >= 0; --i) {
        if (IsSeparator(path[i])) return path.Mid(i + 1);
    }
    return path;
}

#include "foundation/JobOwnFiles.h"

#include <filesystem>

#include "platform/files/DevicePath.h"

namespace {
// The host file a device path stands for, as one spelling: an empty path names nothing.
CString HostSpelling(const CString& devicePath) {
    CString host(ToHostPath(devicePath).lexically_normal().wstring().c_str());
    host.MakeLower();
    return host;
}
}  // namespace

bool IsJobOwnFile(const CString& path, const std::vector<CString>& jobFiles) {
    const CString target = HostSpelling(path);
    if (target.IsEmpty()) return false;
    for (const CString& file : jobFiles)
        if (!file.IsEmpty() && HostSpelling(file) == target) return true;
    return false;
}

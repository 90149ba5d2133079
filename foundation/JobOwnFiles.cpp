#include "foundation/JobOwnFiles.h"

#include <filesystem>
#include <string>

#include "platform/files/DevicePath.h"

namespace {
// The host file a device path stands for, as one spelling: the host's own bytes with ASCII case
// folded, as the device's names fold it. Never wide text: that conversion goes through a locale
// and throws on a Chinese folder. An empty path names nothing.
std::string HostSpelling(const CString& devicePath) {
    std::string host = ToHostPath(devicePath).lexically_normal().string();
    for (char& c : host)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + ('a' - 'A'));
    return host;
}
}  // namespace

bool IsJobOwnFile(const CString& path, const std::vector<CString>& jobFiles) {
    const std::string target = HostSpelling(path);
    if (target.empty()) return false;
    for (const CString& file : jobFiles)
        if (!file.IsEmpty() && HostSpelling(file) == target) return true;
    return false;
}

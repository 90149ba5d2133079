#include "platform/files/DevicePath.h"

#include <mutex>
#include <string>
#include <system_error>
#include <vector>

#include "platform/text/CodePage.h"

namespace fs = std::filesystem;

namespace {

std::mutex rootMutex;
fs::path deviceRoot = ".";

char FoldAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + ('a' - 'A')) : c;
}

bool EqualIgnoringAsciiCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (FoldAscii(a[i]) != FoldAscii(b[i])) return false;
    }
    return true;
}

// The entry of `folder` named `name` ignoring ASCII case: the exact name when it exists, else the
// smallest matching name so that the choice does not depend on directory order.
std::string MatchEntry(const fs::path& folder, const std::string& name) {
    std::error_code ec;
    if (fs::symlink_status(folder / name, ec).type() != fs::file_type::not_found && !ec) return name;
    std::string best;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string candidate = it->path().filename().string();
        if (EqualIgnoringAsciiCase(candidate, name) && (best.empty() || candidate < best)) best = candidate;
    }
    return best.empty() ? name : best;
}

std::vector<std::string> Components(const CString& devicePath) {
    std::vector<std::string> parts;
    const std::wstring& text = devicePath.str();
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find_first_of(L"\\/", start);
        if (end == std::wstring::npos) end = text.size();
        const CString part(std::wstring_view(text).substr(start, end - start));
        if (part == L"..") {
            if (!parts.empty()) parts.pop_back();
        } else if (!part.IsEmpty() && part != L".") {
            parts.push_back(ToUtf8(part));
        }
        start = end + 1;
    }
    return parts;
}

}  // namespace

void SetDeviceRoot(const fs::path& root) {
    std::lock_guard lock(rootMutex);
    deviceRoot = root;
}

fs::path DeviceRoot() {
    std::lock_guard lock(rootMutex);
    return deviceRoot;
}

fs::path ToHostPath(const CString& devicePath) {
    fs::path host = DeviceRoot();
    for (const std::string& part : Components(devicePath)) host /= MatchEntry(host, part);
    return host;
}

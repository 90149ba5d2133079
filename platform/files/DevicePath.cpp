#include "platform/files/DevicePath.h"

#include <algorithm>
#include <mutex>
#include <string>
#include <system_error>
#include <utility>
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

std::mutex refusedMutex;
std::vector<CString> refusedLinks;
std::vector<CString> toldLinks;

// The link at `host` below `root`, named as the device names it.
void NoteRefusedLink(const fs::path& root, const fs::path& host) {
    CString link = L"\\" + FromUtf8(host.lexically_relative(root).generic_string());
    link.Replace(L'/', L'\\');
    std::lock_guard lock(refusedMutex);
    for (const auto* list : {&refusedLinks, &toldLinks})
        if (std::find(list->begin(), list->end(), link) != list->end()) return;
    refusedLinks.push_back(link);
}

// Whether `path`, once its links are resolved, lies in `root` (itself resolved).
bool ResolvesInside(const fs::path& path, const fs::path& root) {
    std::error_code ec;
    const fs::path resolved = fs::canonical(path, ec);
    if (ec) return false;
    const fs::path relative = resolved.lexically_relative(root);
    return !relative.empty() && *relative.begin() != "..";
}

}  // namespace

std::vector<CString> TakeRefusedLinks() {
    std::lock_guard lock(refusedMutex);
    toldLinks.insert(toldLinks.end(), refusedLinks.begin(), refusedLinks.end());
    return std::exchange(refusedLinks, {});
}

void SetDeviceRoot(const fs::path& root) {
    std::lock_guard lock(rootMutex);
    deviceRoot = root;
}

fs::path DeviceRoot() {
    std::lock_guard lock(rootMutex);
    return deviceRoot;
}

fs::path ToHostPath(const CString& devicePath) {
    const fs::path root = DeviceRoot();
    fs::path resolvedRoot;
    fs::path host = root;
    for (const std::string& part : Components(devicePath)) {
        host /= MatchEntry(host, part);
        std::error_code ec;
        if (!fs::is_symlink(host, ec)) continue;
        if (resolvedRoot.empty()) resolvedRoot = fs::weakly_canonical(root, ec);
        if (!ResolvesInside(host, resolvedRoot)) {
            NoteRefusedLink(root, host);
            return {};
        }
    }
    return host;
}

bool LeadsOutOfRoot(const CString& devicePath) {
    return ToHostPath(devicePath).empty();
}

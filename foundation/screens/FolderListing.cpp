#include "foundation/screens/FolderListing.h"

#include "foundation/StringRoutines.h"
#include "platform/files/FileOps.h"

void AddFileFilter(std::vector<CString>& filters, const CString& pattern) {
    if (!filters.empty() && filters.front() == L"*.*") filters.clear();
    filters.push_back(pattern);
}

bool MatchesFileFilters(const CString& name, const std::vector<CString>& filters) {
    if (!filters.empty() && filters.front() == L"*.*") return true;
    CString tail = name.Right(3);
    tail.MakeUpper();
    for (const CString& filter : filters) {
        CString filterTail = filter.Right(3);
        if (filterTail.MakeUpper() == tail) return true;
    }
    return false;
}

FolderListing ListFolder(const CString& folder, const std::vector<CString>& filters) {
    FolderListing listing;
    for (const DirEntry& entry : ListDirectory(folder)) {
        if (entry.isDirectory)
            listing.folders.push_back(entry.name);
        else if (MatchesFileFilters(entry.name, filters))
            listing.files.push_back(entry.name);
    }
    SortStringArrayNoCase(listing.folders);
    SortStringArrayNoCase(listing.files);
    return listing;
}

CString LastPathPart(const CString& path) {
    CString p = path;
    if (!p.IsEmpty() && p[p.GetLength() - 1] == L'\\') p = p.Left(p.GetLength() - 1);
    return p.Mid(p.ReverseFind(L'\\') + 1);
}

namespace {

std::vector<CString> Components(const CString& path) {
    std::vector<CString> parts;
    const std::wstring& s = path.str();
    size_t start = 0;
    while (start <= s.size()) {
        size_t end = s.find_first_of(L"\\/", start);
        if (end == std::wstring::npos) end = s.size();
        if (end > start) parts.emplace_back(std::wstring_view(s).substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

}  // namespace

std::optional<std::vector<CString>> PathBelowRoot(const CString& root, const CString& path) {
    if (GetFileAttributes(path) == INVALID_FILE_ATTRIBUTES) return std::nullopt;
    const std::vector<CString> rootParts = Components(root), pathParts = Components(path);
    if (pathParts.size() < rootParts.size()) return std::nullopt;
    for (const CString& part : pathParts)
        if (part == L"." || part == L"..") return std::nullopt;
    for (size_t i = 0; i < rootParts.size(); ++i)
        if (rootParts[i].CompareNoCase(pathParts[i]) != 0) return std::nullopt;
    return std::vector<CString>(pathParts.begin() + static_cast<std::ptrdiff_t>(rootParts.size()),
                                pathParts.end());
}

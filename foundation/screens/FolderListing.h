#pragma once
// What the folder tree shows of a device folder, and how a path is walked down from its root.
#include <optional>
#include <vector>

#include "platform/text/CString.h"

// Appends a file pattern; the first one replaces the "*.*" a filter list starts with.
void AddFileFilter(std::vector<CString>& filters, const CString& pattern);

// "*.*" as the first filter shows every file; otherwise a name matches when its last three
// characters equal a filter's last three, ignoring case ("*.xyh" matches "PT.XYH").
bool MatchesFileFilters(const CString& name, const std::vector<CString>& filters);

struct FolderListing {
    std::vector<CString> folders;  // sorted, case-blind
    std::vector<CString> files;    // the matching files, sorted, case-blind
};
FolderListing ListFolder(const CString& folder, const std::vector<CString>& filters);

// The part after the last "\" (a trailing "\" removed first).
CString LastPathPart(const CString& path);

// The names from below `root` down to `path`, compared case-blind. nullopt when the path does
// not exist or does not lie at or below the root; empty when it is the root itself.
std::optional<std::vector<CString>> PathBelowRoot(const CString& root, const CString& path);

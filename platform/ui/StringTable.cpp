#include "platform/ui/StringTable.h"

#include <unordered_map>

namespace {
std::unordered_map<UINT, const wchar_t*>& Table() {
    static std::unordered_map<UINT, const wchar_t*> table;
    return table;
}
}  // namespace

void RegisterStrings(std::span<const StringTableEntry> entries) {
    for (const StringTableEntry& e : entries) Table()[e.id] = e.text;
}

CString LoadStringResource(UINT id) {
    auto it = Table().find(id);
    return it == Table().end() ? CString() : CString(it->second);
}

bool LoadString(CString& text, UINT id) {
    auto it = Table().find(id);
    text = it == Table().end() ? CString() : CString(it->second);
    return it != Table().end();
}

#pragma once
// The string table: the program's texts by id. The resources library registers its entries.
#include <span>

#include "platform/base/WinTypes.h"
#include "platform/text/CString.h"

struct StringTableEntry {
    UINT id;
    const wchar_t* text;
};

void RegisterStrings(std::span<const StringTableEntry> entries);
// The text of an id; empty when there is none.
CString LoadStringResource(UINT id);
// The class library's form: false (and `text` emptied) for an unknown id.
bool LoadString(CString& text, UINT id);

struct StringTableRegistration {
    explicit StringTableRegistration(std::span<const StringTableEntry> entries) { RegisterStrings(entries); }
};

#pragma once
// String helpers of the folder tree and the file-name routines.
#include <optional>
#include <vector>
#include "platform/text/CString.h"

// Ascending, case-blind (case-folded code points), stable for equal strings.
void SortStringArrayNoCase(std::vector<CString>& strings);

// Position of the last occurrence of ch; searching for L'\0' gives the length.
std::optional<int> ReverseFindChar(const wchar_t* text, wchar_t ch);

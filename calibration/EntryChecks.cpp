#include "calibration/EntryChecks.h"

#include <cwctype>

bool IsNumberText(const CString& text) {
    CString trimmed = text;
    trimmed.Trim();
    const std::wstring& s = trimmed.str();
    size_t i = 0;
    if (i < s.size() && (s[i] == L'+' || s[i] == L'-')) ++i;
    int digits = 0;
    bool dot = false;
    for (; i < s.size(); ++i) {
        if (std::iswdigit(s[i])) {
            ++digits;
        } else if (s[i] == L'.' && !dot) {
            dot = true;
        } else {
            break;
        }
    }
    if (digits == 0) return false;
    if (i < s.size() && (s[i] == L'e' || s[i] == L'E')) {
        ++i;
        if (i < s.size() && (s[i] == L'+' || s[i] == L'-')) ++i;
        int exponentDigits = 0;
        for (; i < s.size() && std::iswdigit(s[i]); ++i) ++exponentDigits;
        if (exponentDigits == 0) return false;
    }
    return i == s.size();
}

bool HasComma(const CString& text) {
    return text.Find(L',') >= 0;
}

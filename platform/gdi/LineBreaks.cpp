#include "platform/gdi/LineBreaks.h"

#include <cwchar>

namespace {
bool IsCjk(wchar_t c) {
    return c >= 0x2E80;
}
}  // namespace

bool ClosesPhrase(wchar_t c) {
    return c != 0 && std::wcschr(L"，。、；：？！）》」』”’〉】〕.,;:?!)]}", c) != nullptr;
}

bool MayBreakBefore(wchar_t previous, wchar_t c) {
    if (c == L' ') return true;
    return (IsCjk(c) || IsCjk(previous)) && !ClosesPhrase(c);
}

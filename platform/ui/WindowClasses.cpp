#include "platform/ui/WindowClasses.h"

#include <cwctype>
#include <map>
#include <string>

#include "platform/ui/Button.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Static.h"

namespace {
std::wstring Key(const wchar_t* name) {
    std::wstring key = name ? name : L"";
    for (wchar_t& c : key) c = static_cast<wchar_t>(std::towlower(c));
    return key;
}

std::map<std::wstring, WindowFactory>& Classes() {
    static std::map<std::wstring, WindowFactory> classes = {
        {L"static", [] { return std::make_unique<CStatic>(); }},
        {L"edit", [] { return std::make_unique<CEdit>(); }},
        {L"button", [] { return std::make_unique<CButton>(); }},
    };
    return classes;
}
}  // namespace

void RegisterWindowClass(const wchar_t* name, WindowFactory factory) {
    Classes()[Key(name)] = std::move(factory);
}

std::unique_ptr<CWnd> CreateWindowObject(const wchar_t* name) {
    auto it = Classes().find(Key(name));
    return it == Classes().end() ? std::make_unique<CWnd>() : it->second();
}

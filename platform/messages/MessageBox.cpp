#include "platform/messages/MessageBox.h"

#include <cstdio>

#include "platform/text/CodePage.h"

namespace {
IMessageBoxPresenter* g_presenter = nullptr;

CString& AppName() {
    static CString name;
    return name;
}

void WriteToStderr(const CString& caption, const CString& text) {
    // UTF-8 whatever the locale: "%ls" in the C locale prints no Chinese at all.
    std::fprintf(stderr, "[%s] %s\n", ToUtf8(caption).c_str(), ToUtf8(text).c_str());
}
}  // namespace

IMessageBoxPresenter* SetMessageBoxPresenter(IMessageBoxPresenter* presenter) {
    IMessageBoxPresenter* previous = g_presenter;
    g_presenter = presenter;
    return previous;
}

void SetAppName(const CString& name) {
    AppName() = name;
}

const CString& GetAppName() {
    return AppName();
}

int FirstButtonAnswer(UINT type) {
    return (type & 0xF) == MB_YESNO ? IDYES : IDOK;
}

int MessageBox(HWND owner, const wchar_t* text, const wchar_t* caption, UINT type) {
    // A box without a caption of its own is titled with the program's name.
    const CString t(text), c(caption ? caption : AppName().c_str());
    if (g_presenter) return g_presenter->Show(owner, t, c, type);
    WriteToStderr(c, t);
    return FirstButtonAnswer(type);
}

int AfxMessageBox(const wchar_t* text, UINT type) {
    return MessageBox(HWND(), text, AppName(), type);
}

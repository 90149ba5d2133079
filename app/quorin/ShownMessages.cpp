#include "app/quorin/ShownMessages.h"

#include <cstdio>

#include "platform/messages/MessageBox.h"
#include "platform/text/CodePage.h"
#include "platform/ui/MessageBoxDialog.h"
#include "shell/dialogs/WarningDialogs.h"

namespace {

void PrintShown(const CString& caption, const CString& text) {
    std::fprintf(stderr, "quorin: [%s] %s\n", ToUtf8(caption).c_str(), ToUtf8(text).c_str());
    std::fflush(stderr);
}

class CLoggedPresenter final : public IMessageBoxPresenter {
public:
    explicit CLoggedPresenter(IMessageBoxPresenter& window) : window_(window) {}
    int Show(HWND owner, const CString& text, const CString& caption, UINT type) override {
        PrintShown(caption, text);
        return window_.Show(owner, text, caption, type);
    }

private:
    IMessageBoxPresenter& window_;
};

}  // namespace

void InstallShownMessageBoxes() {
    InstallMessageBoxDialogs();
    static CLoggedPresenter logged(*SetMessageBoxPresenter(nullptr));
    SetMessageBoxPresenter(&logged);
}

void InstallShownWarnings() {
    SetWarningShownHook(PrintShown);
}

#include "shell/DesktopShortcuts.h"

#include <string>

#include "platform/files/FileOps.h"
#include "platform/text/CodePage.h"
#include "platform/ui/StringTable.h"

void UpdateDesktopShortcuts() {
    const CString windows = L"\\windows\\";
    const CString desktop = windows + LoadStringResource(61300) + L"\\";
    const CString programs = windows + LoadStringResource(61303) + L"\\" + LoadStringResource(61304) + L"\\";
    const CString own = desktop + LoadStringResource(61301);
    if (!FileExists(own)) AtomicRewrite(own, ToGbk(L"\"Program Files\\Quorin\\Quorin2.0.exe\""));
    const CString pc = desktop + LoadStringResource(61302);
    std::string bytes;
    if (!FileExists(pc) && ReadWholeFile(programs + LoadStringResource(61302), bytes))
        AtomicRewrite(pc, bytes);
    const CString obex = programs + LoadStringResource(61311);
    if (FileExists(obex)) DeleteFile(obex);
}

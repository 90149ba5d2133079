#include "shell/frame/DesktopShortcuts.h"

#include <string>

#include "platform/files/FileOps.h"
#include "platform/text/CodePage.h"
#include "platform/ui/StringTable.h"
#include "resources/StringIds.h"

void UpdateDesktopShortcuts() {
    const CString windows = L"\\windows\\";
    const CString desktop = windows + LoadStringResource(strings::kDesktopFolder) + L"\\";
    const CString programs = windows + LoadStringResource(strings::kProgramsFolder) + L"\\" +
                             LoadStringResource(strings::kCommunicationFolder) + L"\\";
    const CString own = desktop + LoadStringResource(strings::kOwnShortcut);
    if (!FileExists(own)) AtomicRewrite(own, ToGbk(L"\"Program Files\\Quorin\\Quorin2.0.exe\""));
    const CString pc = desktop + LoadStringResource(strings::kPcLinkShortcut);
    std::string bytes;
    if (!FileExists(pc) && ReadWholeFile(programs + LoadStringResource(strings::kPcLinkShortcut), bytes))
        AtomicRewrite(pc, bytes);
    const CString obex = programs + LoadStringResource(strings::kObexShortcut);
    if (FileExists(obex)) DeleteFile(obex);
}

#include "shell/frame/RefusedLinks.h"

#include "platform/files/DevicePath.h"
#include "platform/messages/MessageBox.h"
#include "platform/text/Format.h"
#include "platform/ui/Wnd.h"

void TellRefusedLinks(CWnd* parent) {
    for (const CString& link : TakeRefusedLinks())
        MessageBox(parent ? parent->m_hWnd : HWND(), Format(kRefusedLinkText, link.c_str()), L"提示",
                   MB_OK | MB_ICONINFORMATION);
}

#include "shell/frame/PendingNotices.h"

#include <algorithm>
#include <utility>

#include "foundation/NoticeLines.h"
#include "platform/messages/MessageBox.h"

void PendingNotices::Tell(const CString& notice) {
    if (gathering_ == 0) {
        AfxMessageBox(notice, MB_ICONINFORMATION | MB_OK);
        return;
    }
    if (std::find(waiting_.begin(), waiting_.end(), notice) == waiting_.end()) waiting_.push_back(notice);
}

void PendingNotices::TellWaiting(HWND owner) {
    if (showing_) return;
    showing_ = true;
    while (!waiting_.empty()) {
        const CString text = NoticeLines(std::exchange(waiting_, {}));
        MessageBox(owner, text.c_str(), nullptr, MB_ICONINFORMATION | MB_OK);
    }
    showing_ = false;
}

#pragma once
// A message-box presenter for tests: answers from a script and records every box shown.
// Installed for its lifetime. A box with no scripted answer gets its first button (Enter).
#include <deque>
#include <vector>

#include "platform/messages/MessageBox.h"

struct ShownMessageBox {
    CString text;
    CString caption;
    UINT type = MB_OK;
};

class CMessageBoxScript final : public IMessageBoxPresenter {
public:
    CMessageBoxScript();
    ~CMessageBoxScript() override;
    CMessageBoxScript(const CMessageBoxScript&) = delete;
    CMessageBoxScript& operator=(const CMessageBoxScript&) = delete;

    // Queues the answer (IDOK, IDCANCEL, IDYES, IDNO) for the next box.
    void Answer(int answer) { answers_.push_back(answer); }
    const std::vector<ShownMessageBox>& Shown() const { return shown_; }
    // The texts of the boxes shown so far, in order.
    std::vector<CString> Texts() const;
    void Clear() { shown_.clear(); }

    int Show(HWND owner, const CString& text, const CString& caption, UINT type) override;

private:
    IMessageBoxPresenter* previous_;
    std::deque<int> answers_;
    std::vector<ShownMessageBox> shown_;
};

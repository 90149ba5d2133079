#include "platform/messages/MessageBoxScript.h"

CMessageBoxScript::CMessageBoxScript() : previous_(SetMessageBoxPresenter(this)) {}

CMessageBoxScript::~CMessageBoxScript() {
    SetMessageBoxPresenter(previous_);
}

std::vector<CString> CMessageBoxScript::Texts() const {
    std::vector<CString> texts;
    for (const ShownMessageBox& box : shown_) texts.push_back(box.text);
    return texts;
}

int CMessageBoxScript::Show(HWND, const CString& text, const CString& caption, UINT type) {
    shown_.push_back({text, caption, type});
    if (answers_.empty()) return FirstButtonAnswer(type);
    const int answer = answers_.front();
    answers_.pop_front();
    return answer;
}

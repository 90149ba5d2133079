#pragma once
// Drives the window layer from a test as a user would: taps and keys go through the message
// loop, modal dialogs are scripted when they open, message boxes are answered and their texts
// kept, the virtual clock is advanced, the screen saved as PNG. One driver per test; it installs
// the virtual clock, the message-box dialogs and itself as the modal-dialog observer.
#include <deque>
#include <functional>
#include <initializer_list>
#include <map>
#include <string>
#include <vector>

#include "platform/messages/MessageBoxScript.h"
#include "platform/time/Clock.h"
#include "platform/ui/CommandBar.h"
#include "platform/ui/Dialog.h"

class CUiDriver final : public IModalDialogObserver {
public:
    explicit CUiDriver(DWORD startTick = 0);
    ~CUiDriver() override;
    CUiDriver(const CUiDriver&) = delete;
    CUiDriver& operator=(const CUiDriver&) = delete;

    // ---- modal dialogs
    using Script = std::function<void(CDialog&)>;
    // Runs `script` on the next modal dialog of that template when it opens (after OnInitDialog,
    // inside its modal run). A modal dialog nobody scripted is cancelled and recorded.
    void OnModal(UINT templateId, Script script);
    const std::vector<UINT>& UnscriptedDialogs() const { return unscripted_; }

    // ---- message boxes
    // Queues the answer (IDOK, IDCANCEL, IDYES, IDNO) of the next box; unanswered boxes get
    // their first button. A script for kMessageBoxTemplateId runs in place of an answer.
    void AnswerMessageBox(int answer) { answers_.push_back(answer); }
    const std::vector<ShownMessageBox>& MessageBoxes() const { return boxes_; }
    std::vector<CString> MessageBoxTexts() const;

    // ---- controls of a dialog
    // Replaces the control's text as typing would (the dialog gets EN_CHANGE).
    void SetText(CWnd& dialog, int id, const wchar_t* text);
    CString GetText(CWnd& dialog, int id);
    // Taps the control's centre.
    void Click(CWnd& dialog, int id);
    // Chooses a row of a combo or list box as the user would: the selection moves and the dialog
    // hears of the change (CBN_SELCHANGE; LBN_SELCHANGE for a list that notifies).
    void ChooseItem(CWnd& dialog, int id, int index);
    void Tap(CPoint screen);
    void Tap(CWnd& wnd, CPoint client);
    void DoubleTap(CPoint screen);
    void Drag(CPoint fromScreen, CPoint toScreen);
    // Taps through the command bar's menus by the texts shown ("&" ignored): the popup title,
    // then any cascade, then the command. False when an item is missing.
    bool ChooseMenu(CCommandBar& bar, std::initializer_list<const wchar_t*> path);
    // A key press (down, the character it types, up) to the focus.
    void PressKey(UINT virtualKey);
    void TypeText(const wchar_t* text);

    // ---- time, messages and screen
    // Inside a script, advancing stops when the scripted dialog ends.
    void Advance(DWORD ms);
    // Dispatches and paints everything that is ready.
    void Pump();
    CVirtualClock& Clock() { return clock_; }
    bool Screenshot(const std::string& path);

    void OnModalDialogShown(CDialog& dialog) override;

private:
    void AnswerBox(CDialog& box);

    CVirtualClock clock_;
    IModalDialogObserver* previousObserver_;
    IMessageBoxPresenter* previousPresenter_;
    std::map<UINT, std::deque<Script>> scripts_;
    std::deque<int> answers_;
    std::vector<ShownMessageBox> boxes_;
    std::vector<UINT> unscripted_;
    std::vector<CDialog*> scripted_;
};

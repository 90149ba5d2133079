#pragma once
// Drives the window layer from a test as a user would: taps and keys go through the message
// loop, modal dialogs are scripted when they open, message boxes are answered and their texts
// kept, the virtual clock is advanced, the screen saved as PNG. One driver per test; it installs
// the virtual clock, the message-box dialogs and itself as the modal-dialog observer.
// A test reads in the order a person acts: a child dialog's script or a box's expectation is
// given just before the tap that opens it. Loose ends fail the running test: a dialog or box
// that opens with nothing given for it (when it opens), a control id the window does not have
// (when used), a script, expectation or answer never used (when the driver ends).
#include <deque>
#include <functional>
#include <initializer_list>
#include <map>
#include <optional>
#include <string>
#include <type_traits>
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
    // inside its modal run); may be called inside a running script. A modal dialog nobody
    // scripted fails the test and is cancelled.
    void OnModal(UINT templateId, Script script);

    // ---- message boxes
    // The next box must show `text`; it is answered with `answer` (IDOK, IDCANCEL, IDYES, IDNO).
    void ExpectMessageBox(const wchar_t* text, int answer = IDOK);
    // Queues the answer of the next box, whatever its text. A box with neither an expectation nor
    // an answer fails the test and gets its first button. A script for kMessageBoxTemplateId runs
    // in place of an answer.
    void AnswerMessageBox(int answer) { answers_.push_back({std::nullopt, answer}); }
    const std::vector<ShownMessageBox>& MessageBoxes() const { return boxes_; }
    std::vector<CString> MessageBoxTexts() const;

    // ---- controls of a dialog (an id the window does not have fails the test)
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
    // Shift or Ctrl going down (true) or up; a letter pressed with Ctrl held types nothing.
    void HoldKey(UINT virtualKey, bool down);
    // One notch of the wheel (1 away from the user, -1 towards) with the pointer at a screen point.
    void Wheel(CPoint screen, int notches);
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
    struct BoxAnswer {
        std::optional<CString> text;
        int answer = IDOK;
    };
    void AnswerBox(CDialog& box);
    CWnd* Control(CWnd& dialog, int id);

    CVirtualClock clock_;
    IModalDialogObserver* previousObserver_;
    IMessageBoxPresenter* previousPresenter_;
    std::map<UINT, std::deque<Script>> scripts_;
    std::deque<BoxAnswer> answers_;
    std::vector<ShownMessageBox> boxes_;
    std::vector<CDialog*> scripted_;
};

// Installs a global hook (a provider) for its scope and puts back what was
// there however the scope ends, so a failed assertion cannot leak the hook into the next test.
// The setter returns the hook it replaces: ScopedHook hook(SetSystemInfoSource, &double_);
template <class T>
class ScopedHook {
public:
    using Setter = T (*)(T);
    ScopedHook(Setter set, std::type_identity_t<T> value) : set_(set), previous_(set(std::move(value))) {}
    ~ScopedHook() { set_(std::move(previous_)); }
    ScopedHook(const ScopedHook&) = delete;
    ScopedHook& operator=(const ScopedHook&) = delete;

private:
    Setter set_;
    T previous_;
};

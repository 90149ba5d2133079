#include "platform/testing/UiDriver.h"

#include <gtest/gtest.h>

#include "platform/gdi/Png.h"
#include "platform/text/CodePage.h"
#include "platform/ui/CommonControls.h"
#include "platform/ui/Desktop.h"
#include "platform/ui/MessageBoxDialog.h"

CUiDriver::CUiDriver(DWORD startTick)
    : clock_(startTick),
      previousObserver_(SetModalDialogObserver(this)),
      previousPresenter_(SetMessageBoxPresenter(nullptr)) {
    InstallMessageBoxDialogs();
    // A modal loop that can only wait is a test that forgot a script: end what it waits on.
    CDesktop::Get().onStalled = [this] {
        if (CWnd* active = CWnd::GetActiveWindow())
            if (auto* dialog = dynamic_cast<CDialog*>(active); dialog && dialog->IsModal()) {
                ADD_FAILURE() << "UiDriver: dialog " << dialog->GetTemplateId()
                              << " waited with nothing to do; cancelled";
                dialog->EndDialog(IDCANCEL);
            }
    };
}

CUiDriver::~CUiDriver() {
    for (const auto& [templateId, scripts] : scripts_)
        if (!scripts.empty())
            ADD_FAILURE() << "UiDriver: " << scripts.size() << " script(s) for dialog " << templateId
                          << " never ran";
    for (const BoxAnswer& unused : answers_)
        ADD_FAILURE() << "UiDriver: no message box came for "
                      << (unused.text ? "the expected \"" + ToUtf8(*unused.text) + "\""
                                      : "the answer " + std::to_string(unused.answer));
    CDesktop::Get().onStalled = nullptr;
    SetModalDialogObserver(previousObserver_);
    SetMessageBoxPresenter(previousPresenter_);
}

void CUiDriver::OnModal(UINT templateId, Script script) {
    scripts_[templateId].push_back(std::move(script));
}

void CUiDriver::ExpectMessageBox(const wchar_t* text, int answer) {
    answers_.push_back({CString(text), answer});
}

std::vector<CString> CUiDriver::MessageBoxTexts() const {
    std::vector<CString> texts;
    for (const ShownMessageBox& box : boxes_) texts.push_back(box.text);
    return texts;
}

void CUiDriver::OnModalDialogShown(CDialog& dialog) {
    Pump();
    if (dialog.HasEnded()) return;
    const bool isBox = dialog.GetTemplateId() == kMessageBoxTemplateId;
    if (isBox) {
        auto& box = static_cast<CMessageBoxDialog&>(dialog);
        boxes_.push_back({box.Text(), box.Caption(), box.Type()});
    }
    auto it = scripts_.find(dialog.GetTemplateId());
    if (it == scripts_.end() || it->second.empty()) {
        if (isBox) {
            AnswerBox(dialog);
            return;
        }
        ADD_FAILURE() << "UiDriver: no script for dialog " << dialog.GetTemplateId() << "; cancelled";
        dialog.EndDialog(IDCANCEL);
        return;
    }
    Script script = std::move(it->second.front());
    it->second.pop_front();
    scripted_.push_back(&dialog);
    script(dialog);
    scripted_.pop_back();
}

void CUiDriver::AnswerBox(CDialog& dialog) {
    auto& box = static_cast<CMessageBoxDialog&>(dialog);
    int answer = static_cast<int>(box.ButtonIds().front());
    if (answers_.empty()) {
        ADD_FAILURE() << "UiDriver: unexpected message box \"" << ToUtf8(box.Text()) << "\"";
    } else {
        const BoxAnswer next = answers_.front();
        answers_.pop_front();
        if (next.text && *next.text != box.Text())
            ADD_FAILURE() << "UiDriver: message box \"" << ToUtf8(box.Text()) << "\" where \""
                          << ToUtf8(*next.text) << "\" was expected";
        answer = next.answer;
    }
    Click(box, answer);
    if (!box.HasEnded()) box.EndDialog(answer);
}

CWnd* CUiDriver::Control(CWnd& dialog, int id) {
    CWnd* control = dialog.GetDlgItem(id);
    if (!control) ADD_FAILURE() << "UiDriver: no control " << id << " in the window";
    return control;
}

void CUiDriver::SetText(CWnd& dialog, int id, const wchar_t* text) {
    if (CWnd* control = Control(dialog, id)) control->SetWindowText(text);
    Pump();
}

CString CUiDriver::GetText(CWnd& dialog, int id) {
    CString text;
    if (CWnd* control = Control(dialog, id)) control->GetWindowText(text);
    return text;
}

void CUiDriver::Click(CWnd& dialog, int id) {
    CWnd* control = Control(dialog, id);
    if (!control) return;
    CRect rect;
    control->GetWindowRect(&rect);
    Tap(rect.CenterPoint());
}

void CUiDriver::ChooseItem(CWnd& dialog, int id, int index) {
    CWnd* control = Control(dialog, id);
    if (!control) return;
    const CString kind = control->Record()->className;
    if (kind.CompareNoCase(WC_COMBOBOX) == 0) {
        control->SendMessage(CB_SETCURSEL, static_cast<WPARAM>(index));
        control->NotifyParent(CBN_SELCHANGE);
    } else if (kind.CompareNoCase(WC_LISTBOX) == 0) {
        control->SendMessage(LB_SETCURSEL, static_cast<WPARAM>(index));
        if (control->GetStyle() & LBS_NOTIFY) control->NotifyParent(LBN_SELCHANGE);
    }
    Pump();
}

void CUiDriver::Tap(CPoint screen) {
    CDesktop& desktop = CDesktop::Get();
    desktop.QueueInput({InputEvent::Kind::kMouseDown, screen.x, screen.y});
    desktop.QueueInput({InputEvent::Kind::kMouseUp, screen.x, screen.y});
    Pump();
}

void CUiDriver::Tap(CWnd& wnd, CPoint client) {
    wnd.ClientToScreen(&client);
    Tap(client);
}

void CUiDriver::DoubleTap(CPoint screen) {
    Tap(screen);
    Tap(screen);
}

void CUiDriver::Drag(CPoint from, CPoint to) {
    CDesktop& desktop = CDesktop::Get();
    desktop.QueueInput({InputEvent::Kind::kMouseDown, from.x, from.y});
    desktop.QueueInput({InputEvent::Kind::kMouseMove, (from.x + to.x) / 2, (from.y + to.y) / 2});
    desktop.QueueInput({InputEvent::Kind::kMouseMove, to.x, to.y});
    desktop.QueueInput({InputEvent::Kind::kMouseUp, to.x, to.y});
    Pump();
}

bool CUiDriver::ChooseMenu(CCommandBar& bar, std::initializer_list<const wchar_t*> path) {
    size_t depth = 0;
    for (const wchar_t* text : path) {
        if (depth == 0) {
            int index = -1;
            const auto& items = bar.GetMenu()->Items();
            for (int i = 0; i < static_cast<int>(items.size()); ++i)
                if (MenuDisplayText(items[static_cast<size_t>(i)].text) == MenuDisplayText(text)) index = i;
            if (index < 0) return false;
            Tap(bar.TitleRect(index).CenterPoint());
        } else {
            CPopupMenuWnd* popup = bar.OpenPopup(depth - 1);
            const int index = popup ? popup->FindItem(text) : -1;
            if (index < 0) return false;
            Tap(popup->ItemRect(index).CenterPoint());
        }
        ++depth;
    }
    return true;
}

void CUiDriver::PressKey(UINT key) {
    CDesktop& desktop = CDesktop::Get();
    desktop.QueueInput({InputEvent::Kind::kKeyDown, 0, 0, key});
    UINT ch = 0;
    if (key == VK_RETURN || key == VK_ESCAPE || key == VK_BACK || key == VK_TAB || key == VK_SPACE ||
        (key >= '0' && key <= '9'))
        ch = key;
    else if (key >= 'A' && key <= 'Z' && !desktop.KeyHeld(VK_CONTROL))
        ch = key - 'A' + 'a';
    if (ch) desktop.QueueInput({InputEvent::Kind::kChar, 0, 0, ch});
    desktop.QueueInput({InputEvent::Kind::kKeyUp, 0, 0, key});
    Pump();
}

void CUiDriver::HoldKey(UINT key, bool down) {
    CDesktop::Get().QueueInput({down ? InputEvent::Kind::kKeyDown : InputEvent::Kind::kKeyUp, 0, 0, key});
    Pump();
}

void CUiDriver::Wheel(CPoint screen, int notches) {
    CDesktop::Get().QueueInput(
        {InputEvent::Kind::kWheel, screen.x, screen.y, static_cast<UINT>(notches * WHEEL_DELTA)});
    Pump();
}

void CUiDriver::TypeText(const wchar_t* text) {
    CDesktop& desktop = CDesktop::Get();
    for (const wchar_t* p = text; *p; ++p)
        desktop.QueueInput({InputEvent::Kind::kChar, 0, 0, static_cast<UINT>(*p)});
    Pump();
}

void CUiDriver::Advance(DWORD ms) {
    // Step from timer to timer so that a script stops advancing once its dialog has ended, as
    // the dialog's modal loop would have stopped dispatching.
    const uint64_t target = ProgramTimeMs() + ms;
    for (;;) {
        if (!scripted_.empty() && scripted_.back()->HasEnded()) return;
        const uint64_t now = ProgramTimeMs();
        if (now >= target) break;
        const std::optional<uint64_t> due = NextTimerDueMs();
        const uint64_t stop = due && *due > now && *due < target ? *due : target;
        clock_.Advance(static_cast<DWORD>(stop - now));
        Pump();
    }
    Pump();
}

void CUiDriver::Pump() {
    PumpPendingMessages();
}

bool CUiDriver::Screenshot(const std::string& path) {
    Pump();
    return WritePng(CDesktop::Get().Screen(), path);
}

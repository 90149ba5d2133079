#include <gtest/gtest.h>

#include <algorithm>

#include "TestDialogs.h"
#include "platform/testing/UiDriver.h"
#include "platform/ui/Edit.h"

namespace {
class CNotedDlg : public CTestDlg {
public:
    CNotedDlg() { BindControl(kNameEdit, EN_CHANGE, &CNotedDlg::OnNameChanged); }
    int changes = 0;

private:
    void OnNameChanged() { ++changes; }
};
}  // namespace

TEST(Edit, TypingEditsAtTheCaretAndTellsTheDialog) {
    CUiDriver ui;
    CNotedDlg dlg;
    ui.OnModal(kTestDialogId, [&](CDialog& d) {
        auto* edit = static_cast<CEdit*>(d.GetDlgItem(kNameEdit));
        const int loaded = dlg.changes;  // data exchange set the text once
        EXPECT_EQ(loaded, 1);
        ui.Click(d, kNameEdit);
        edit->SetSel(0, -1);
        ui.TypeText(L"A12");
        EXPECT_EQ(ui.GetText(d, kNameEdit), L"A12");
        ui.PressKey(VK_LEFT);
        ui.PressKey(VK_BACK);
        EXPECT_EQ(ui.GetText(d, kNameEdit), L"A2");
        EXPECT_EQ(dlg.changes, loaded + 4);
        EXPECT_TRUE(edit->GetModify());

        edit->LimitText(3);
        ui.PressKey(VK_END);
        ui.TypeText(L"xyz");
        EXPECT_EQ(ui.GetText(d, kNameEdit), L"A2x");
        edit->SetReadOnly();
        ui.TypeText(L"q");
        EXPECT_EQ(ui.GetText(d, kNameEdit), L"A2x");

        auto* number = static_cast<CEdit*>(d.GetDlgItem(kAngleEdit));
        number->ModifyStyle(0, ES_NUMBER);
        number->SetFocus();
        number->SetSel(0, -1);
        ui.TypeText(L"4a5");
        EXPECT_EQ(ui.GetText(d, kAngleEdit), L"45");
        ui.PressKey(VK_RETURN);
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_strName, L"A2x");
    EXPECT_EQ(dlg.m_nAngle, 45);
}

TEST(Edit, BoundariesOfDigitsSelectionAndModifiedFlag) {
    CUiDriver ui;
    CTestDlg dlg;
    ui.OnModal(kTestDialogId, [&](CDialog& d) {
        auto* number = static_cast<CEdit*>(d.GetDlgItem(kAngleEdit));
        number->ModifyStyle(0, ES_NUMBER);
        ui.Click(d, kAngleEdit);
        number->SetSel(0, -1);
        ui.TypeText(L"/0123456789:");  // '/' and ':' stand either side of the digits
        EXPECT_EQ(ui.GetText(d, kAngleEdit), L"0123456789");

        auto* edit = static_cast<CEdit*>(d.GetDlgItem(kNameEdit));
        ui.Click(d, kNameEdit);
        const struct { int start, end, caret; } lefts[] = {{1, 3, 1}, {3, 1, 1}, {2, 2, 1}, {0, 0, 0}};
        for (const auto& left : lefts) {
            ui.SetText(d, kNameEdit, L"abcd");
            edit->SetSel(left.start, left.end);
            ui.PressKey(VK_LEFT);
            int start = -1, end = -1;
            edit->GetSel(start, end);
            EXPECT_EQ(start, left.caret) << left.start << "-" << left.end;
            EXPECT_EQ(end, left.caret) << left.start << "-" << left.end;
        }

        ui.TypeText(L"x");
        EXPECT_TRUE(edit->GetModify());
        edit->SetWindowText(L"abcd");
        EXPECT_FALSE(edit->GetModify());
        ui.Click(d, IDCANCEL);
    });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
}

namespace {
// A key as the user presses it, with Shift or Ctrl held.
struct Press {
    UINT key;
    bool shift = false;
    bool ctrl = false;
};

void PressAll(CUiDriver& ui, const std::vector<Press>& presses) {
    for (const Press& p : presses) {
        if (p.shift) ui.HoldKey(VK_SHIFT, true);
        if (p.ctrl) ui.HoldKey(VK_CONTROL, true);
        ui.PressKey(p.key);
        if (p.ctrl) ui.HoldKey(VK_CONTROL, false);
        if (p.shift) ui.HoldKey(VK_SHIFT, false);
    }
}
}  // namespace

// From a caret in "516525.212" (or a tap), the keys select, and what is typed replaces the selection.
TEST(Edit, ShiftCtrlAndDoubleTapSelectAndTypingReplacesTheSelection) {
    const wchar_t* const kOld = L"516525.212";
    struct Case {
        const char* what;
        int caret;
        std::vector<Press> presses;
        int selStart, selEnd;  // as GetSel tells it
        const wchar_t* typed;
        const wchar_t* after;
    };
    const Case cases[] = {
        {"ctrl+a", 3, {{'A', false, true}}, 0, 10, L"516629.386", L"516629.386"},
        {"shift+home", 6, {{VK_HOME, true}}, 0, 6, L"7", L"7.212"},
        {"shift+end", 6, {{VK_END, true}}, 6, 10, L"0", L"5165250"},
        {"shift+left twice", 10, {{VK_LEFT, true}, {VK_LEFT, true}}, 8, 10, L"9", L"516525.29"},
        {"shift+right then back",
         0,
         {{VK_RIGHT, true}, {VK_RIGHT, true}, {VK_LEFT, true}},
         0,
         1,
         L"4",
         L"416525.212"},
        {"shift+left over the anchor",
         5,
         {{VK_RIGHT, true}, {VK_LEFT, true}, {VK_LEFT, true}},
         4,
         5,
         L"x",
         L"5165x5.212"},
        {"left collapses, then types", 6, {{VK_HOME, true}, {VK_LEFT}}, 0, 0, L"-", L"-516525.212"},
        {"backspace deletes the selection",
         10,
         {{VK_LEFT, true}, {VK_LEFT, true}, {VK_BACK}},
         8,
         8,
         L"",
         L"516525.2"},
        {"ctrl+a then delete", 0, {{'A', false, true}, {VK_DELETE}}, 0, 0, L"", L""},
    };
    CUiDriver ui;
    CTestDlg dlg;
    ui.OnModal(kTestDialogId, [&](CDialog& d) {
        auto* edit = static_cast<CEdit*>(d.GetDlgItem(kNameEdit));
        ui.Click(d, kNameEdit);
        for (const Case& c : cases) {
            SCOPED_TRACE(c.what);
            ui.SetText(d, kNameEdit, kOld);
            edit->SetSel(c.caret, c.caret);
            PressAll(ui, c.presses);
            int start = -1, end = -1;
            edit->GetSel(start, end);
            EXPECT_EQ(start, c.selStart);
            EXPECT_EQ(end, c.selEnd);
            ui.TypeText(c.typed);
            EXPECT_EQ(ui.GetText(d, kNameEdit), c.after);
        }

        // A double tap selects the word under the stylus; the separators around it stay.
        ui.SetText(d, kNameEdit, L"K1, 516525.212");
        CRect box;
        edit->GetWindowRect(&box);
        for (const int dx : {32, 62}) {  // in the number, which starts after four 6-pixel characters
            ui.Advance(1000);
            ui.DoubleTap(CPoint(box.left + dx, box.CenterPoint().y));
            int start = -1, end = -1;
            edit->GetSel(start, end);
            EXPECT_EQ(ui.GetText(d, kNameEdit).Mid(start, end - start), L"516525.212") << dx;
        }
        ui.TypeText(L"516629.386");
        EXPECT_EQ(ui.GetText(d, kNameEdit), L"K1, 516629.386");
        ui.Click(d, IDCANCEL);
    });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
}

// Every step of every caret key in "abcd": from each caret, with and without Shift (the anchor
// staying where the caret was), what one press leaves selected and what it leaves of the text.
TEST(Edit, EveryCaretKeyFromEveryCaret) {
    struct Key {
        UINT key;
        int step;      // caret move; kToEnd and -kToEnd go to either end
        bool deletes;  // Delete removes the character after the caret, Backspace the one before
    };
    constexpr int kToEnd = 100;
    const Key keys[] = {{VK_LEFT, -1, false},    {VK_RIGHT, 1, false}, {VK_HOME, -kToEnd, false},
                        {VK_END, kToEnd, false}, {VK_DELETE, 0, true}, {VK_BACK, -1, true}};
    const CString text = L"abcd";
    CUiDriver ui;
    CTestDlg dlg;
    ui.OnModal(kTestDialogId, [&](CDialog& d) {
        auto* edit = static_cast<CEdit*>(d.GetDlgItem(kNameEdit));
        ui.Click(d, kNameEdit);
        for (const Key& k : keys) {
            for (const bool shift : {false, true}) {
                if (k.deletes && shift) continue;
                for (int caret = 0; caret <= text.GetLength(); ++caret) {
                    SCOPED_TRACE(testing::Message()
                                 << "key " << k.key << (shift ? " with shift" : "") << " from " << caret);
                    ui.SetText(d, kNameEdit, text);
                    edit->SetSel(caret, caret);
                    PressAll(ui, {{k.key, shift}});
                    const int moved = std::clamp(caret + k.step, 0, text.GetLength());
                    // The character between the caret and where the key moves it goes; none at an end.
                    CString expectedText = text;
                    if (k.deletes) expectedText.Delete(moved, k.key == VK_DELETE ? 1 : caret - moved);
                    const int expectedCaret = moved;
                    EXPECT_EQ(ui.GetText(d, kNameEdit), expectedText);
                    int start = -1, end = -1;
                    edit->GetSel(start, end);
                    EXPECT_EQ(start, shift ? std::min(caret, moved) : expectedCaret);
                    EXPECT_EQ(end, shift ? std::max(caret, moved) : expectedCaret);
                }
            }
        }
        ui.Click(d, IDCANCEL);
    });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
}

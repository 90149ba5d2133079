#include <gtest/gtest.h>

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

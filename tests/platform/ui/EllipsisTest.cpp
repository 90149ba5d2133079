// Statics and edits that show a path end a text that does not fit in "..." (the edit while it
// has no focus) instead of cutting it at their edge.
#include <gtest/gtest.h>

#include <memory>

#include "TestDialogs.h"
#include "platform/testing/UiDriver.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Static.h"
#include "tests/platform/ui/EndsInDots.h"

TEST(Ellipsis, PathFieldsEndInDotsInsteadOfBeingCut) {
    CUiDriver ui;
    CTestDlg dialog;
    ASSERT_TRUE(dialog.Create(kTestDialogId));
    dialog.ShowWindow(SW_SHOW);
    for (CWnd* child : dialog.GetChildren()) child->ShowWindow(SW_HIDE);
    // Every column of "国" has ink in its upper half: a cut one never looks like the low dots.
    const wchar_t* path = L"\\国国国国国国国国国国国国国国.ptb";
    struct Case {
        bool edit;
        DWORD style;
        bool dots;
    } cases[] = {
        {false, SS_LEFT | SS_ENDELLIPSIS, true},
        {false, SS_LEFTNOWORDWRAP, false},
        {true, ES_AUTOHSCROLL | ES_ENDELLIPSIS | WS_BORDER, true},
        {true, ES_AUTOHSCROLL | WS_BORDER, false},
    };
    UINT id = 2000;
    for (const Case& c : cases) {
        std::unique_ptr<CWnd> field;
        const CRect rect(4, 60, 124, 76);
        if (c.edit) {
            auto edit = std::make_unique<CEdit>();
            ASSERT_TRUE(edit->Create(c.style | WS_VISIBLE, rect, &dialog, id++));
            field = std::move(edit);
        } else {
            auto label = std::make_unique<CStatic>();
            ASSERT_TRUE(label->Create(path, c.style | WS_VISIBLE, rect, &dialog, id++));
            field = std::move(label);
        }
        field->SetWindowText(path);
        ui.Pump();
        EXPECT_EQ(EndsInDots(*field), c.dots) << c.style;
        if (c.edit) {
            // With the focus the edit shows the text itself, to be edited.
            field->SetFocus();
            ui.Pump();
            EXPECT_FALSE(EndsInDots(*field)) << c.style;
        }
        field->DestroyWindow();
        ui.Pump();
    }
    dialog.DestroyWindow();
}

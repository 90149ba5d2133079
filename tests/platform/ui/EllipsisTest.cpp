// Statics and edits that show a path end a text that does not fit in "..." (the edit while it
// has no focus) instead of cutting it at their edge.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>

#include "TestDialogs.h"
#include "platform/testing/UiDriver.h"
#include "platform/ui/Desktop.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Static.h"

namespace {

// Whether the rightmost ink of the window is low dots: the ellipsis rather than a cut character.
bool EndsInDots(CWnd& wnd) {
    CRect r;
    wnd.GetWindowRect(&r);
    r.DeflateRect(2, 2);  // the edit's border
    const Framebuffer& screen = CDesktop::Get().Screen();
    std::map<COLORREF, int> counts;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) ++counts[screen.colorAt(x, y)];
    const COLORREF background = std::max_element(counts.begin(), counts.end(), [](auto& a, auto& b) {
                                    return a.second < b.second;
                                })->first;
    int top = r.bottom, bottom = r.top, right = r.left;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            if (screen.colorAt(x, y) != background) {
                top = std::min(top, y);
                bottom = std::max(bottom, y + 1);
                right = std::max(right, x + 1);
            }
    for (int y = top; y < bottom; ++y)
        if (screen.colorAt(right - 1, y) != background && y < (top + bottom) / 2) return false;
    return right > r.left;
}

}  // namespace

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

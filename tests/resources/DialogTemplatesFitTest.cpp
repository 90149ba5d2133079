// Every registered dialog template shows whole on the 240 x 320 screen: each button's and
// static's text fits its control in the dialog's font, each control lies inside the dialog, and
// the dialog lies on the screen (a child form or page inside a host that fills the screen below
// its caption bar).
#include <gtest/gtest.h>

#include "platform/testing/UiDriver.h"
#include "platform/ui/CommonControls.h"
#include "platform/ui/Desktop.h"
#include "platform/ui/DialogTemplate.h"
#include "tests/platform/ui/LabelsFit.h"

namespace {

const DialogTemplate kHost{0, kFormUnitsX, kFormUnitsY, L"", kDialogStyle, {}};

bool Contains(const CRect& outer, const CRect& inner) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

::testing::AssertionResult Inside(const CRect& outer, const CRect& inner) {
    if (Contains(outer, inner)) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "(" << inner.left << "," << inner.top << ")-(" << inner.right
                                         << "," << inner.bottom << ") leaves (" << outer.left << ","
                                         << outer.top << ")-(" << outer.right << "," << outer.bottom << ")";
}

void ExpectControlsInside(CDialog& dlg) {
    CRect client;
    dlg.GetClientRect(&client);
    dlg.ClientToScreen(&client);
    for (CWnd* child = dlg.GetWindow(GW_CHILD); child; child = child->GetWindow(GW_HWNDNEXT)) {
        CRect control;
        child->GetWindowRect(&control);
        EXPECT_TRUE(Inside(client, control)) << "control " << child->GetDlgCtrlID();
    }
}

TEST(DialogTemplates, EveryTextFitsAndEveryControlLiesOnTheScreen) {
    CUiDriver ui;
    InitCommonControls();
    CDialog host(kHost, nullptr);
    ASSERT_TRUE(host.CreateIndirect(kHost, nullptr));
    const CRect screen = CDesktop::Get().ScreenRect();
    int checked = 0;
    for (UINT id = 0; id <= 0xFFFF; ++id) {
        const DialogTemplate* t = FindDialogTemplate(id);
        if (!t) continue;
        SCOPED_TRACE(::testing::Message() << "template " << id);
        CDialog dlg(*t, nullptr);
        ASSERT_TRUE(dlg.CreateIndirect(*t, (t->style & WS_CHILD) ? &host : nullptr));
        ++checked;
        CRect window;
        dlg.GetWindowRect(&window);
        EXPECT_TRUE(Inside(screen, window)) << "dialog";
        ExpectControlsInside(dlg);
        ExpectLabelsFit(dlg);
        dlg.DestroyWindow();
    }
    host.DestroyWindow();
    EXPECT_GT(checked, 100);
}

}  // namespace

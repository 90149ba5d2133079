// A button answers the space bar alone: pushed while it is down, clicked as its kind clicks when it
// comes up; every other key leaves it as it was. Each step of each key, for each kind of button.
#include <gtest/gtest.h>

#include "platform/testing/UiDriver.h"
#include "platform/ui/Button.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/DialogTemplate.h"

namespace {

const DialogTemplate kHost{951, 135, 166, L"按键", kDialogStyle, {}};

class CCountingButton : public CButton {
public:
    int clicks = 0;
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM, LRESULT*) override {
        if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) ++clicks;
        return FALSE;
    }
};

struct Kind {
    const char* name;
    DWORD style;
    int checks[3];  // the check after the first, second and third press
};

const Kind kKinds[] = {
    {"push", BS_PUSHBUTTON, {0, 0, 0}},       {"default push", BS_DEFPUSHBUTTON, {0, 0, 0}},
    {"check box", BS_CHECKBOX, {0, 0, 0}},    {"automatic check box", BS_AUTOCHECKBOX, {1, 0, 1}},
    {"three-state", BS_3STATE, {0, 0, 0}},    {"automatic three-state", BS_AUTO3STATE, {1, 2, 0}},
    {"radio", BS_RADIOBUTTON, {0, 0, 0}},     {"automatic radio", BS_AUTORADIOBUTTON, {1, 1, 1}},
    {"owner-drawn", BS_OWNERDRAW, {0, 0, 0}},
};

const UINT kOtherKeys[] = {VK_RETURN, VK_ESCAPE, VK_TAB, VK_UP, VK_LEFT, 'A', '1'};

bool Pushed(CButton& button) {
    return (button.GetState() & BST_PUSHED) != 0;
}

}  // namespace

TEST(ButtonKeys, SpaceClicksEveryKindOfButtonAndNoOtherKeyDoesAnything) {
    CUiDriver ui;
    CDialog host(kHost, nullptr);
    ASSERT_TRUE(host.CreateIndirect(kHost, nullptr));
    CButton elsewhere;
    ASSERT_TRUE(elsewhere.Create(L"别处", BS_PUSHBUTTON | WS_VISIBLE, CRect(4, 100, 80, 120), &host, 2001));
    for (const Kind& kind : kKinds) {
        SCOPED_TRACE(kind.name);
        CCountingButton button;
        ASSERT_TRUE(button.Create(L"按钮", kind.style | WS_VISIBLE, CRect(4, 4, 80, 24), &host, 2000));
        button.SetFocus();
        for (int press = 0; press < 3; ++press) {
            const int before = button.GetCheck();
            button.SendMessage(WM_KEYDOWN, VK_SPACE);
            EXPECT_TRUE(Pushed(button)) << press;
            EXPECT_EQ(button.GetCheck(), before) << press;
            EXPECT_EQ(button.clicks, press) << press;
            button.SendMessage(WM_KEYUP, VK_SPACE);
            EXPECT_FALSE(Pushed(button)) << press;
            EXPECT_EQ(button.GetCheck(), kind.checks[press]) << press;
            EXPECT_EQ(button.clicks, press + 1) << press;
        }
        const int check = button.GetCheck();
        for (UINT key : kOtherKeys) {
            button.SendMessage(WM_KEYDOWN, key);
            EXPECT_FALSE(Pushed(button)) << key;
            button.SendMessage(WM_KEYUP, key);
            EXPECT_EQ(button.GetCheck(), check) << key;
            EXPECT_EQ(button.clicks, 3) << key;
        }
        // Space coming up with nothing pressed clicks nothing; a press the focus leaves is let go.
        button.SendMessage(WM_KEYUP, VK_SPACE);
        EXPECT_EQ(button.clicks, 3);
        button.SendMessage(WM_KEYDOWN, VK_SPACE);
        elsewhere.SetFocus();
        EXPECT_FALSE(Pushed(button));
        button.SendMessage(WM_KEYUP, VK_SPACE);
        EXPECT_EQ(button.clicks, 3);
        EXPECT_EQ(button.GetCheck(), check);
        button.DestroyWindow();
    }
    host.DestroyWindow();
}

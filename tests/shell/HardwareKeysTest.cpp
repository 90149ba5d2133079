// The handheld's keys as logical keys, and a key press that a screen handles acting once.
#include "platform/ui/Desktop.h"
#include "shell/view/HardwareKeys.h"
#include "tests/shell/ShellTestSupport.h"

TEST(HardwareKeys, TableOfKeysAndMessages) {
    struct Case {
        UINT message;
        UINT key;
        int logical;
    } cases[] = {
        {WM_KEYDOWN, 40, 133},  // down arrow: verification, not the page-down of 67
        {WM_KEYDOWN, 34, 67},
        {WM_KEYDOWN, 37, 65},
        {WM_KEYDOWN, 45, 68},
        {WM_KEYDOWN, 61, 132},
        {WM_KEYDOWN, 221, 221},
        {WM_CHAR, '2', 50},
        {WM_CHAR, 113, 50},
        {WM_SYSKEYDOWN, 66, 66},
        {WM_SYSKEYDOWN, 50, kNoLogicalKey},
        {WM_KEYUP, 65, kNoLogicalKey},
        {WM_KEYDOWN, 90, kNoLogicalKey},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MapHardwareKey(c.message, c.key), c.logical) << c.message << " " << c.key;
}

namespace {
// A screen that steps to the next target on logical key 50, as the stake-out screens do.
class CSteppingWnd : public CWnd {
public:
    CSteppingWnd() {
        CreateEx(0, nullptr, L"", WS_POPUP | WS_VISIBLE, CRect(0, 0, 240, 320), nullptr, 0);
        SetFocus();
    }
    BOOL PreTranslateMessage(MSG* msg) override {
        if (MapHardwareKey(msg->message, static_cast<UINT>(msg->wParam)) != 50) return FALSE;
        ++steps;
        return TRUE;
    }
    int steps = 0;
};
}  // namespace

TEST_F(ShellTest, AKeyPressAScreenHandlesActsOnce) {
    CSteppingWnd screen;
    ui_.PressKey('2');
    EXPECT_EQ(screen.steps, 1);
    ui_.PressKey(VK_F1 + 1);  // F2 types no character
    ui_.PressKey('2');
    EXPECT_EQ(screen.steps, 3);
}

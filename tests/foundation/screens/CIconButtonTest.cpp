#include <gtest/gtest.h>

#include "foundation/screens/CIconButton.h"
#include "platform/gdi/SysColors.h"
#include "platform/testing/UiDriver.h"
#include "platform/ui/Desktop.h"
#include "resources/FoundationIcons.h"

namespace {

constexpr int kPick = 1050;
constexpr int kToggle = 1051;
constexpr int kPlain = 1052;

const DialogControlTemplate kButtonControls[] = {
    {L"BUTTON", kPick, 10, 10, 60, 16, L"点库", BS_DEFPUSHBUTTON | WS_TABSTOP},
    {L"BUTTON", kToggle, 10, 40, 60, 16, L"开关", BS_AUTOCHECKBOX | WS_TABSTOP},
    {L"BUTTON", kPlain, 10, 70, 60, 16, L"", BS_PUSHBUTTON | WS_TABSTOP},
};
const DialogTemplate kButtonDialog{952, 135, 166, L"按钮", kDialogStyle, kButtonControls};

class CButtonsDlg : public CDialog {
public:
    CButtonsDlg() : CDialog(kButtonDialog, nullptr) {
        BindCommand(kPick, &CButtonsDlg::OnPick);
        BindCommand(kToggle, &CButtonsDlg::OnToggle);
    }
    CIconButton pick, toggle, plain;
    int picks = 0;
    int toggles = 0;

protected:
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        pick.SubclassDlgItem(kPick, this);
        toggle.SubclassDlgItem(kToggle, this);
        plain.SubclassDlgItem(kPlain, this);
        pick.ApplyIconStyle(IDI_PICK_FROM_LIBRARY);
        return TRUE;
    }

private:
    void OnPick() { ++picks; }
    void OnToggle() { ++toggles; }
};

CPoint ScreenCentre(CWnd& wnd) {
    CRect r;
    wnd.GetWindowRect(&r);
    return r.CenterPoint();
}

// The pointer moves with no pen down, as a mouse does over the window.
void MovePointer(CPoint screen) {
    CDesktop::Get().QueueInput({InputEvent::Kind::kMouseMove, screen.x, screen.y});
}

}  // namespace

TEST(CIconButtonTest, SettersRefuseOutOfRangeValues) {
    CIconButton b;
    EXPECT_EQ(b.SetAlign(3), 4);
    EXPECT_EQ(b.GetAlign(), 0);
    EXPECT_EQ(b.SetAlign(2), 0);
    EXPECT_EQ(b.SetColor(6, RGB(1, 2, 3)), 3);
    EXPECT_EQ(b.SetColor(5, RGB(1, 2, 3)), 0);
    EXPECT_EQ(b.GetColor(5), RGB(1, 2, 3));
    EXPECT_EQ(b.GetColor(0), GetSysColor(COLOR_BTNFACE));
    EXPECT_TRUE(b.IsFlat());
}

TEST(CIconButtonTest, PickLookClicksAndDoubleTaps) {
    CUiDriver ui;
    CButtonsDlg dlg;
    ui.OnModal(kButtonDialog.id, [&](CDialog& d) {
        EXPECT_FALSE(dlg.pick.IsFlat());
        EXPECT_EQ(dlg.pick.GetAlign(), kIconRight);
        EXPECT_EQ(dlg.pick.GetColor(0), LightenPerChannel(GetSysColor(COLOR_BTNFACE), 30));
        EXPECT_EQ(dlg.pick.GetColor(1), RGB(0, 128, 0));
        EXPECT_TRUE(dlg.pick.IsDefaultButton());
        EXPECT_EQ(dlg.pick.GetStyle() & BS_TYPEMASK, BS_OWNERDRAW);
        EXPECT_TRUE(dlg.pick.SendMessage(WM_GETDLGCODE) & DLGC_DEFPUSHBUTTON);
        EXPECT_TRUE(dlg.plain.SendMessage(WM_GETDLGCODE) & DLGC_UNDEFPUSHBUTTON);
        ui.Pump();
        // The icon sits at the right, vertically centred, at its own 28 x 22.
        CRect client;
        dlg.pick.GetClientRect(&client);
        EXPECT_EQ(dlg.pick.LastLayout().icon.right, client.right - 3);
        EXPECT_EQ(dlg.pick.LastLayout().icon.Size(), CSize(28, 22));

        ui.Click(d, kPick);
        EXPECT_EQ(dlg.picks, 1);
        ui.DoubleTap(ScreenCentre(dlg.pick));
        EXPECT_EQ(dlg.picks, 3);
        ui.PressKey(VK_ESCAPE);
    });
    dlg.DoModal();
}

TEST(CIconButtonTest, CheckBoxButtonTogglesItsLookAndStillNotifies) {
    CUiDriver ui;
    CButtonsDlg dlg;
    ui.OnModal(kButtonDialog.id, [&](CDialog& d) {
        dlg.toggle.SetColor(CIconButton::kBackHover, RGB(255, 0, 0));
        ui.Click(d, kToggle);
        EXPECT_TRUE(dlg.toggle.GetCheckState());
        EXPECT_EQ(dlg.toggles, 1);
        ui.Pump();
        const CPoint centre = ScreenCentre(dlg.toggle);
        EXPECT_EQ(CDesktop::Get().Screen().colorAt(centre.x - 25, centre.y),
                  RGB(255, 0, 0));  // drawn pressed
        ui.Click(d, kToggle);
        EXPECT_FALSE(dlg.toggle.GetCheckState());
        EXPECT_EQ(dlg.toggles, 2);
        ui.Pump();
        EXPECT_NE(CDesktop::Get().Screen().colorAt(centre.x - 25, centre.y), RGB(255, 0, 0));
        ui.PressKey(VK_ESCAPE);
    });
    dlg.DoModal();
}

TEST(CIconButtonTest, ForcedIconSizeAndHoverOnlyForFlatButtons) {
    CUiDriver ui;
    CButtonsDlg dlg;
    ui.OnModal(kButtonDialog.id, [&](CDialog&) {
        dlg.plain.SetIconSize(0, 24);
        dlg.plain.SetIcon(IDI_PICK_FROM_LIBRARY, 28, 28);
        ui.Pump();
        EXPECT_EQ(dlg.plain.LastLayout().icon.Size(), CSize(28, 28));
        dlg.plain.SetIconSize(24, 24);
        dlg.plain.SetIcon(IDI_PICK_FROM_LIBRARY, 28, 28);
        ui.Pump();
        EXPECT_EQ(dlg.plain.LastLayout().icon.Size(), CSize(24, 24));

        // The pointer over a non-flat button does not hover; over a flat one it does until it leaves.
        dlg.pick.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
        EXPECT_FALSE(dlg.pick.IsHovering());
        dlg.plain.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(5, 5));
        EXPECT_FALSE(dlg.plain.IsHovering());  // a pen held down drags
        MovePointer(ScreenCentre(dlg.plain));
        ui.Pump();
        EXPECT_TRUE(dlg.plain.IsHovering());
        ui.Advance(100);
        EXPECT_TRUE(dlg.plain.IsHovering());
        // Off the button the moves go to the dialog; the hover timer sees the pointer gone.
        MovePointer(ScreenCentre(dlg.plain) + CPoint(0, 40));
        ui.Pump();
        EXPECT_TRUE(dlg.plain.IsHovering());
        ui.Advance(100);
        EXPECT_FALSE(dlg.plain.IsHovering());
        ui.PressKey(VK_ESCAPE);
    });
    dlg.DoModal();
}

#include <gtest/gtest.h>

#include "TestDialogs.h"
#include "platform/messages/MessageBox.h"
#include "platform/testing/UiDriver.h"
#include "platform/ui/Edit.h"

TEST(Dialog, DataExchangeFillsTheControlsAndReadsThemBackOnOk) {
    CUiDriver ui;
    CTestDlg dlg;
    ui.OnModal(kTestDialogId, [&](CDialog& d) {
        EXPECT_EQ(ui.GetText(d, kNameEdit), L"P1");
        EXPECT_EQ(ui.GetText(d, kAngleEdit), L"5");
        EXPECT_EQ(ui.GetText(d, kHeightEdit), L"2.5");
        EXPECT_EQ(d.IsDlgButtonChecked(kFirstRadio), 1u);
        EXPECT_EQ(d.IsDlgButtonChecked(kCheck), 1u);
        ui.SetText(d, kNameEdit, L"K12");
        ui.SetText(d, kAngleEdit, L" 7 ");
        ui.SetText(d, kHeightEdit, L"1.25e2");
        ui.Click(d, kCheck);
        ui.Click(d, kSecondRadio);
        ui.Click(d, IDOK);
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_strName, L"K12");
    EXPECT_EQ(dlg.m_nAngle, 7);
    EXPECT_DOUBLE_EQ(dlg.m_dHeight, 125.0);
    EXPECT_EQ(dlg.m_nRadio, 1);
    EXPECT_EQ(dlg.m_nCheck, 0);
}

TEST(Dialog, RefusalsKeepTheDialogOpenAndFocusTheControl) {
    CUiDriver ui;
    CTestDlg dlg;
    ui.OnModal(kTestDialogId, [&](CDialog& d) {
        ui.SetText(d, kAngleEdit, L"abc");
        ui.ExpectMessageBox(L"请输入一个整数。");
        ui.Click(d, IDOK);
        EXPECT_FALSE(d.HasEnded());
        EXPECT_EQ(CWnd::GetFocus(), d.GetDlgItem(kAngleEdit));
        ui.SetText(d, kAngleEdit, L"-7");
        ui.ExpectMessageBox(L"请输入一个在 0 和 89 之间的整数。");
        ui.Click(d, IDOK);
        ui.SetText(d, kAngleEdit, L"45");
        ui.SetText(d, kHeightEdit, L"1.2.3");
        ui.ExpectMessageBox(L"请输入一个数字。");
        ui.Click(d, IDOK);
        ui.SetText(d, kHeightEdit, L"-0.5");
        ui.Click(d, kCheck);
        ui.Click(d, IDOK);
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_nAngle, 45);
    EXPECT_DOUBLE_EQ(dlg.m_dHeight, -0.5);
    EXPECT_EQ(dlg.m_nCheck, 0);
}

TEST(Dialog, RadioGroupsCheckOneButtonAndArrowsMoveWithinTheGroup) {
    CUiDriver ui;
    CTestDlg dlg;
    ui.OnModal(kTestDialogId, [&](CDialog& d) {
        ui.Click(d, kThirdRadio);
        EXPECT_EQ(d.GetCheckedRadioButton(kFirstRadio, kThirdRadio), kThirdRadio);
        EXPECT_EQ(d.IsDlgButtonChecked(kFirstRadio), 0u);
        // The right arrow wraps within the group to its first button and checks it.
        ui.PressKey(VK_RIGHT);
        EXPECT_EQ(CWnd::GetFocus(), d.GetDlgItem(kFirstRadio));
        EXPECT_EQ(d.GetCheckedRadioButton(kFirstRadio, kThirdRadio), kFirstRadio);
        ui.PressKey(VK_RIGHT);
        ui.PressKey(VK_RETURN);  // Enter presses the default button
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_nRadio, 1);
}

// Every arrow from every button of the three-button group: left and up go to the one before, right
// and down to the one after, round the group at either end, and the button reached is checked.
TEST(Dialog, EachArrowFromEachRadioButtonMovesRoundTheGroup) {
    const int radios[] = {kFirstRadio, kSecondRadio, kThirdRadio};
    struct Arrow {
        UINT key;
        int step;
    };
    const Arrow arrows[] = {{VK_LEFT, -1}, {VK_UP, -1}, {VK_RIGHT, 1}, {VK_DOWN, 1}};
    CUiDriver ui;
    CTestDlg dlg;
    ui.OnModal(kTestDialogId, [&](CDialog& d) {
        for (const Arrow& a : arrows) {
            for (int from = 0; from < 3; ++from) {
                SCOPED_TRACE(testing::Message() << "key " << a.key << " from " << from);
                ui.Click(d, radios[from]);
                ASSERT_EQ(CWnd::GetFocus(), d.GetDlgItem(radios[from]));
                ui.PressKey(a.key);
                const int to = radios[(from + a.step + 3) % 3];
                EXPECT_EQ(CWnd::GetFocus(), d.GetDlgItem(to));
                EXPECT_EQ(d.GetCheckedRadioButton(kFirstRadio, kThirdRadio), to);
            }
        }
        ui.PressKey(VK_ESCAPE);
    });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
}

TEST(Dialog, TabOrderFollowsTheTemplateSkippingDisabledControls) {
    CUiDriver ui;
    CTestDlg dlg;
    std::vector<int> order;
    ui.OnModal(kTestDialogId, [&](CDialog&) {
        order.push_back(CWnd::GetFocus()->GetDlgCtrlID());
        for (int i = 0; i < 8; ++i) {
            ui.PressKey(VK_TAB);
            order.push_back(CWnd::GetFocus()->GetDlgCtrlID());
        }
        ui.PressKey(VK_ESCAPE);
    });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(order, (std::vector<int>{kNameEdit, kAngleEdit, kHeightEdit, kFirstRadio, kCheck, kStartButton,
                                       IDOK, IDCANCEL, kNameEdit}));
}

// Focus on a window inside a control (the edit field of a drop-down combo) tabs on from that control.
TEST(Dialog, TabFromInsideAControlGoesToTheControlsNeighbours) {
    CUiDriver ui;
    CTestDlg dlg;
    ASSERT_TRUE(dlg.Create(kTestDialogId));
    CEdit inner;
    ASSERT_TRUE(inner.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), dlg.GetDlgItem(kAngleEdit), 1));
    EXPECT_EQ(dlg.GetNextDlgTabItem(&inner), dlg.GetDlgItem(kHeightEdit));
    EXPECT_EQ(dlg.GetNextDlgTabItem(&inner, TRUE), dlg.GetDlgItem(kNameEdit));
    dlg.DestroyWindow();
}

TEST(Dialog, BoundCommandAsksAMessageBoxThatTheDriverAnswers) {
    CUiDriver ui;
    SetAppName(L"衡川");
    CTestDlg dlg;
    ui.OnModal(kTestDialogId, [&](CDialog& d) {
        ui.ExpectMessageBox(L"开始存储吗?", IDNO);
        ui.Click(d, kStartButton);
        ui.ExpectMessageBox(L"开始存储吗?", IDYES);
        ui.Click(d, kStartButton);
        ui.Click(d, IDCANCEL);
    });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(dlg.starts, 3);
    ASSERT_EQ(ui.MessageBoxes().size(), 2u);
    EXPECT_EQ(ui.MessageBoxes()[0].text, L"开始存储吗?");
    EXPECT_EQ(ui.MessageBoxes()[0].caption, L"衡川");
    EXPECT_EQ(ui.MessageBoxes()[0].type, MB_YESNO | MB_ICONQUESTION);
}

TEST(Dialog, TimersKeepFiringInsideTheModalLoop) {
    CUiDriver ui;
    CTestDlg dlg;
    dlg.timerPeriod = 1000;
    dlg.closeAfterTicks = 3;
    ui.OnModal(kTestDialogId, [&](CDialog&) { ui.Advance(10'000); });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.timerTicks, 3);
}

TEST(Dialog, MaximisedFormFillsTheScreenBelowTheCaptionBar) {
    CUiDriver ui;
    CTestDlg dlg;
    ui.OnModal(kTestDialogId, [&](CDialog& d) {
        CRect window, client;
        d.GetWindowRect(&window);
        d.GetClientRect(&client);
        EXPECT_TRUE(window.EqualRect(CRect(0, 0, 240, 320)))
            << window.left << "," << window.top << "," << window.right << "," << window.bottom;
        EXPECT_TRUE(client.EqualRect(CRect(0, 0, 240, 294))) << client.right << "," << client.bottom;
        EXPECT_TRUE(d.IsZoomed());
        d.EndDialog(IDOK);
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(DialogUnitsToPixelsX(135), 240);
    EXPECT_EQ(DialogUnitsToPixelsY(166), 294);
}

// A centred template opens in the middle of the screen even over a small owner in a corner; a
// window centred over such an owner stays on the screen.
TEST(Dialog, CentredDialogSitsInTheMiddleOfTheScreen) {
    CUiDriver ui;
    CWnd owner;
    ASSERT_TRUE(
        owner.CreateEx(0, nullptr, L"", WS_POPUP | WS_VISIBLE, CRect(180, 280, 240, 320), nullptr, 0));
    const DialogTemplate small{901, 100, 60, L"居中", kDialogStyle | DS_CENTER, {}};
    CDialog dlg(small, &owner);
    ui.OnModal(small.id, [&](CDialog& d) {
        CRect window;
        d.GetWindowRect(&window);
        EXPECT_EQ(window.left, 240 - window.right);
        EXPECT_NEAR(window.top, 320 - window.bottom, 1);
        EXPECT_EQ(window.Width(), DialogUnitsToPixelsX(100));
        d.CenterWindow();
        d.GetWindowRect(&window);
        EXPECT_EQ(window.right, 240);
        EXPECT_EQ(window.bottom, 320);
        d.EndDialog(IDOK);
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    owner.DestroyWindow();
}

#pragma once
// Opens the controls screen modelessly for a test and closes it afterwards.
#include <gtest/gtest.h>

#include "ControlsDialog.h"
#include "platform/testing/UiDriver.h"

class ControlsTest : public ::testing::Test {
protected:
    void SetUp() override {
        InitCommonControls();
        ASSERT_TRUE(dlg.Create(kControlsDialogId));
        dlg.ShowWindow(SW_SHOW);
        ui.Pump();
        dlg.heard.clear();
    }
    void TearDown() override {
        dlg.DestroyWindow();
        ui.Pump();
    }
    // Lets enough time pass that the next tap is not taken as the second of a double tap.
    void Pause() { ui.Advance(1000); }
    CWnd& Item(int id) { return *dlg.GetDlgItem(id); }

    CUiDriver ui;
    CControlsDlg dlg;
};

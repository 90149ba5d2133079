#pragma once
// A screen that follows the receiver, opened as the frame opens it (modeless, shown and focused) and
// handed positions as the frame hands them.
#include <gtest/gtest.h>

#include "foundation/CGpsState.h"
#include "platform/testing/UiDriver.h"
#include "platform/ui/Dialog.h"
#include "receiver/ReceiverMessages.h"

inline void OpenPositionScreen(CUiDriver& ui, CDialog& screen, UINT templateId) {
    ASSERT_TRUE(screen.Create(templateId));
    screen.ShowWindow(SW_SHOW);
    screen.SetFocus();
    ui.Pump();
}

inline void SendPosition(CUiDriver& ui, CDialog& screen, const CGpsState& fix) {
    screen.SendMessage(WM_GPS_POSITION, reinterpret_cast<WPARAM>(&fix), 4);
    ui.Pump();
}

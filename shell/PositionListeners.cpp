#include "shell/PositionListeners.h"

#include "platform/messages/Messages.h"
#include "receiver/ReceiverMessages.h"

void PositionListeners::SetStoreNotifyWnd(HWND window) {
    store_ = window;
    storeOn_ = window ? 1 : 0;
}

void PositionListeners::SetAuxNotifyWnd(HWND window) {
    verify_ = window;
    verifyOn_ = window ? 1 : 0;
}

void PositionListeners::Forward(CGpsState& state, LPARAM kind) const {
    const WPARAM w = reinterpret_cast<WPARAM>(&state);
    SendMessage(position_, WM_GPS_POSITION, w, kind);
    if (storeOn_) SendMessage(store_, WM_GPS_POSITION_STORE, w, 0);
    if (verifyOn_) SendMessage(verify_, WM_GPS_POSITION_VERIFY, w, 0);
}

#include "shell/frame/PositionListeners.h"

#include <algorithm>

#include "platform/messages/Messages.h"
#include "receiver/ReceiverMessages.h"

void PositionListeners::Push(std::vector<HWND>& stack, HWND window) {
    if (!window) return;
    Remove(stack, window);
    stack.push_back(window);
}

void PositionListeners::Remove(std::vector<HWND>& stack, HWND window) {
    std::erase(stack, window);
}

void PositionListeners::SetAuxNotifyWnd(HWND window) {
    verify_ = window;
    verifyOn_ = window ? 1 : 0;
}

void PositionListeners::Forward(CGpsState& state, ForwardedFix kind) const {
    const WPARAM w = reinterpret_cast<WPARAM>(&state);
    SendMessage(PositionWindow(), WM_GPS_POSITION, w, kind);
    if (StoreOn()) SendMessage(StoreWindow(), WM_GPS_POSITION_STORE, w, 0);
    if (verifyOn_) SendMessage(verify_, WM_GPS_POSITION_VERIFY, w, 0);
}

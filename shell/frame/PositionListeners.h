#pragma once
// The windows that hear of every converted fix. The position window (message 1912) and the store
// window (message 1749) are each the top of a stack: a screen that listens takes the messages over
// and, when it stops, gives them back to the window that listened before it. The verification
// window has its on flag of its own. None is owned.
#include <vector>

#include "foundation/CGpsState.h"
#include "platform/base/WinTypes.h"
#include "receiver/ReceiverProtocol.h"

class PositionListeners {
public:
    // `window` hears every fix until StopListening; a window that listens already moves to the top.
    void ListenForPositions(HWND window) { Push(positions_, window); }
    // Gives the fixes back to the window below `window`; a window that does not listen is ignored.
    void StopListening(HWND window) { Remove(positions_, window); }
    void ListenForStores(HWND window) { Push(stores_, window); }
    void StopListeningForStores(HWND window) { Remove(stores_, window); }
    // A non-null window hears message 1750 and sets the verification flag; null clears both.
    void SetAuxNotifyWnd(HWND window);
    HWND PositionWindow() const { return Top(positions_); }
    HWND StoreWindow() const { return Top(stores_); }
    HWND VerifyWindow() const { return verify_; }
    int StoreOn() const { return stores_.empty() ? 0 : 1; }
    int VerifyOn() const { return verifyOn_; }
    // The verification dialog of the menu command sets only the flag.
    void SetVerifyOn(int on) { verifyOn_ = on; }

    // WM_GPS_POSITION with `kind` to the position window, then the store and
    // verification messages to the windows that are on.
    void Forward(CGpsState& state, ForwardedFix kind) const;

private:
    static void Push(std::vector<HWND>& stack, HWND window);
    static void Remove(std::vector<HWND>& stack, HWND window);
    static HWND Top(const std::vector<HWND>& stack) { return stack.empty() ? nullptr : stack.back(); }

    std::vector<HWND> positions_;
    std::vector<HWND> stores_;
    HWND verify_ = nullptr;
    int verifyOn_ = 0;
};

#pragma once
// The windows that hear of every converted fix: one position window (the main view or the open
// measuring screen; the last to register wins), and a store and a verification window, each with
// its on flag. None is owned.
#include "foundation/CGpsState.h"
#include "platform/base/WinTypes.h"

class PositionListeners {
public:
    void SetNotifyWnd(HWND window) { position_ = window; }
    // A null window clears the listener and its flag.
    void SetStoreNotifyWnd(HWND window);
    void SetAuxNotifyWnd(HWND window);
    HWND PositionWindow() const { return position_; }
    HWND StoreWindow() const { return store_; }
    HWND VerifyWindow() const { return verify_; }
    int StoreOn() const { return storeOn_; }
    int VerifyOn() const { return verifyOn_; }
    // The verification dialog of the menu command sets only the flag.
    void SetVerifyOn(int on) { verifyOn_ = on; }

    // WM_GPS_POSITION with `kind` (4 position log, 1 GGA) to the position window, then the store
    // and verification messages to the windows that are on.
    void Forward(CGpsState& state, LPARAM kind) const;

private:
    HWND position_;
    HWND store_;
    int storeOn_ = 0;
    HWND verify_;
    int verifyOn_ = 0;
};

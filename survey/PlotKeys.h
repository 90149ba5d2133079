#pragma once
// The hardware keys of the plot screens (the main view and the two stake-out screens), as logical
// keys of the frame's key mapping, and the one routine that acts on them.
#include <functional>

#include "survey/DoublePress.h"

enum PlotKey : int {
    kKeyStore = 'A',
    kKeyCoordView = 'B',  // twice
    kKeyNext = '2',
    kKeyPrevious = '8',
    kKeyRedraw = '5',
    kKeyReacquire = 132,
    kKeyVerify = 133,
};

// What a screen does on each key; a key without an action is left to the dialog.
struct PlotKeyActions {
    std::function<void()> store;
    std::function<void()> coordView;
    std::function<void()> next;
    std::function<void()> previous;
    std::function<void()> redraw;
    std::function<void()> reacquire;
    std::function<void()> verify;
};

class PlotKeys {
public:
    explicit PlotKeys(PlotKeyActions actions) : actions_(std::move(actions)) {}

    // Runs the key's action; true when the key is used up. Re-acquire and verification run and
    // still leave the key to the dialog. B opens the coordinate view on the second press of a pair
    // by the system clock in UTC.
    bool Handle(int key);

private:
    PlotKeyActions actions_;
    DoublePress keyB_;
};

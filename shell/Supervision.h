#pragma once
// The frame's two-second duties: the data-link module sequencer and its fall-backs, the board
// poll, the no-data watch that re-initialises a silent receiver, and the parameter and base
// warnings (their windows, acknowledged flags and the base-change flags set by the base watch).
#include <array>

#include "geodesy/screens/GeodesyFrame.h"
#include "platform/base/WinTypes.h"
#include "platform/text/CString.h"

class CMainFrame;

class Supervision {
public:
    // The watch's first "无数据" after this many silent ticks; then it restarts the count here.
    static constexpr int kSilentTicks = 15;
    static constexpr int kSilentRestart = 6;

    explicit Supervision(CMainFrame& frame) : frame_(frame) {}

    void OnTick();

    // Set by the base watch.
    int baseReceived = 0;
    int baseIdChanged = 0;
    int baseCoordChanged = 0;
    CString baseChangeText;
    // The parameter warnings acknowledged by the user, by ParamWarning: while set, the tick does not
    // raise that warning; a change of its group in the parameter view clears it.
    std::array<bool, 3> paramAcknowledged{};

private:
    void RunModuleSequencer();
    void PollBoard();
    void WatchForData();

    CMainFrame& frame_;
};

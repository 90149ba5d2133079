#pragma once
// The receiver link's private state and housekeeping, which the tests set up as a receiver would
// have left them, and an owner that only counts what it is asked.
#include "shell/link/ReceiverLink.h"

struct ReceiverLinkProbe {
    static CGpsState& State(ReceiverLink& link) { return link.state_; }
    static ReceiverVersionInfo& Identity(ReceiverLink& link) { return link.ident_; }
    static CModuleCommandQueue& Modules(ReceiverLink& link) { return link.modules_; }
    static void SetHasData(ReceiverLink& link, int hasData) { link.hasData_ = hasData; }
    static void SetBaseFlag(ReceiverLink& link, int baseFlag) { link.baseFlag_ = baseFlag; }
    static void KeepPositionLogBoard(ReceiverLink& link, int radioFormat) {
        link.KeepPositionLogBoard(radioFormat);
    }
    static bool AppFileDue(ReceiverLink& link) { return link.AppFileDue(); }
    static void StopBaseLogRequests(ReceiverLink& link) { link.baseLogStop_ = 1; }
    static void NoteBaseSolution(ReceiverLink& link) { link.baseSolutionSeen_ = 1; }
};

class CountingLinkOwner final : public IReceiverLinkOwner {
public:
    void ConvertFix(CGpsState&) override { ++converted; }
    void WatchBase(CGpsState&) override { ++bases; }
    void ForwardFix(CGpsState&, ForwardedFix) override { ++forwarded; }
    HWND PositionWindow() const override { return nullptr; }
    HWND FrameWindow() const override { return nullptr; }
    int converted = 0;
    int bases = 0;
    int forwarded = 0;
};

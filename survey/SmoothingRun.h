#pragma once
// Smoothing a point: one fix a second (the latest one when several came in the second) is accepted
// while its RMSH and RMSV are strictly within the limits, until the target count is reached or
// the user stops; the averaged fix is the last accepted one with the mean grid x, y and h.
#include <vector>

#include "foundation/CGpsState.h"
#include "survey/StoreFiles.h"

class SmoothingRun {
public:
    enum class Tick { kNoFix, kFinished, kRejected, kAccepted };

    void Start(int target);
    // A fix from the receiver; the next tick considers only the latest one.
    void TakeFix(const CGpsState& fix);
    // The one-second tick. kFinished once the tick after the last accepted epoch has a fix.
    Tick OnTick(double rmshLimit, double rmsvLimit);
    // The user's stop: what was accepted so far is the result.
    void Stop();

    bool Running() const { return counter_ > 0; }
    // The number of the epoch the next tick would accept (from 1; 0 when not running).
    int Counter() const { return counter_; }
    int Target() const { return target_; }
    // The count written as "epochs averaged" once the run has ended.
    int Achieved() const { return achieved_; }
    const std::vector<CGpsState>& Epochs() const { return epochs_; }
    const CGpsState& Averaged() const { return averaged_; }

private:
    int counter_ = 0;
    int target_ = 0;
    int achieved_ = 0;
    bool newFix_ = false;
    double sumX_ = 0.0, sumY_ = 0.0, sumH_ = 0.0;
    CGpsState latest_;
    CGpsState averaged_;
    std::vector<CGpsState> epochs_;
};

// The raw lines' epochs of an ended run: each accepted fix in order with its number from 1.
std::vector<StoreEpoch> SmoothedEpochs(const SmoothingRun& run);

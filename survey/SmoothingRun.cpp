#include "survey/SmoothingRun.h"

void SmoothingRun::Start(int target) {
    *this = SmoothingRun{};
    target_ = target;
    counter_ = 1;
}

void SmoothingRun::TakeFix(const CGpsState& fix) {
    latest_ = fix;
    newFix_ = true;
}

SmoothingRun::Tick SmoothingRun::OnTick(double rmshLimit, double rmsvLimit) {
    if (!newFix_ || !Running()) return Tick::kNoFix;
    newFix_ = false;
    if (counter_ > target_) {
        achieved_ = target_;
        counter_ = 0;
        return Tick::kFinished;
    }
    // Strict: a fix exactly at a limit is not accepted.
    if (!(latest_.rmsH < rmshLimit && latest_.rmsV < rmsvLimit)) return Tick::kRejected;
    epochs_.push_back(latest_);
    sumX_ += latest_.gridX;
    sumY_ += latest_.gridY;
    sumH_ += latest_.gridH;
    const double share = 1.0 / static_cast<double>(epochs_.size());
    averaged_ = latest_;
    averaged_.gridX = sumX_ * share;
    averaged_.gridY = sumY_ * share;
    averaged_.gridH = sumH_ * share;
    ++counter_;
    return Tick::kAccepted;
}

void SmoothingRun::Stop() {
    if (Running()) achieved_ = counter_ - 1;
    counter_ = 0;
    newFix_ = false;
}

std::vector<StoreEpoch> SmoothedEpochs(const SmoothingRun& run) {
    std::vector<StoreEpoch> epochs;
    for (size_t i = 0; i < run.Epochs().size(); ++i) {
        RawStoreTail tail;
        tail.mode = 2;
        tail.smoothTarget = run.Target();
        tail.smoothAchieved = run.Achieved();
        tail.epochIndex = static_cast<int>(i) + 1;
        epochs.push_back({run.Epochs()[i], tail});
    }
    return epochs;
}

#pragma once
// The frame's one store path: every point stored from the frame, its view and the stake-out screens
// goes through it to the point store that start-up puts in; before that it stores nothing.
#include "survey/PointStorePath.h"

class StorePathSlot final : public IPointStorePath {
public:
    void Use(IPointStorePath* path) { path_ = path ? path : &NoPointStorePath(); }

    StoredPointResult StorePoint(const CGpsState& state, const StoreRequest& request) override {
        return path_->StorePoint(state, request);
    }
    StoredPointResult StoreQuickPoint(const CGpsState& state, const StoreRequest& request) override {
        return path_->StoreQuickPoint(state, request);
    }
    void StartAutoStore(const CGpsState& state) override { path_->StartAutoStore(state); }

private:
    IPointStorePath* path_ = &NoPointStorePath();
};

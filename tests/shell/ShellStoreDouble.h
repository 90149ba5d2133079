#pragma once
// The frame's store path as a recording double: every point it is asked to store is stored, named
// P1, P2, ... at the fix's grid position.
#include <vector>

#include "survey/PointStorePath.h"

class RecordingStore final : public IPointStorePath {
public:
    StoredPointResult StorePoint(const CGpsState& state, const StoreRequest& request) override {
        stored.push_back(state);
        requests.push_back(request);
        return Result(state);
    }
    StoredPointResult StoreQuickPoint(const CGpsState& state, const StoreRequest& request) override {
        quick.push_back(state);
        requests.push_back(request);
        return Result(state);
    }
    void StartAutoStore(const CGpsState& state) override { starts.push_back(state); }

    std::vector<CGpsState> stored;
    std::vector<CGpsState> quick;
    std::vector<CGpsState> starts;
    std::vector<StoreRequest> requests;  // of both kinds of store, in order
    int refuse = 0;                      // 1: every store is refused

private:
    StoredPointResult Result(const CGpsState& state) {
        if (refuse) return {};
        ++count_;
        StoredPointResult result{count_, {}};
        result.point.name.Format(L"P%d", count_);
        result.point.x = state.gridX;
        result.point.y = state.gridY;
        result.point.h = state.gridH;
        result.point.code = L"pole";
        return result;
    }
    int count_ = 0;
};

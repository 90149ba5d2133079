#include "survey/PointStorePath.h"

namespace {
class NoStore final : public IPointStorePath {
public:
    StoredPointResult StorePoint(const CGpsState&) override { return {}; }
    StoredPointResult StoreQuickPoint(const CGpsState&) override { return {}; }
    void StartAutoStore(const CGpsState&) override {}
};
}  // namespace

IPointStorePath& NoPointStorePath() {
    static NoStore store;
    return store;
}

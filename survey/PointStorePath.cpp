#include "survey/PointStorePath.h"

#include "foundation/FixAge.h"
#include "platform/time/Clock.h"

namespace {
class NoStore final : public IPointStorePath {
public:
    StoredPointResult StorePoint(const CGpsState&, const StoreRequest&) override { return {}; }
    StoredPointResult StoreQuickPoint(const CGpsState&, const StoreRequest&) override { return {}; }
    void StartAutoStore(const CGpsState&) override {}
};
}  // namespace

IPointStorePath& NoPointStorePath() {
    static NoStore store;
    return store;
}

bool IsStaleNow(const CGpsState& state) {
    return IsStaleFix(state, ProgramTimeMs());
}

bool NoCurrentFix(const CGpsState& state) {
    return state.fixFlag == 0 || IsStaleNow(state);
}

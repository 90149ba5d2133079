#include "shell/hosts/PowerlineHostImpl.h"

#include "shell/frame/JobSession.h"
#include "shell/frame/SurveyRecords.h"

namespace {
constexpr int kAutomaticMode = 3;
}  // namespace

bool PowerlineHostImpl::SaveStoredNames(const CString& stored, const TextTriple& series) {
    return survey_.SaveStoredNames(stored, series);
}

void PowerlineHostImpl::TakeStoredNames(const CString& next, const TextTriple& series,
                                        const StoredPointResult& result) {
    job_.TakeStoredNames(next, series, result);
}

TextTriple PowerlineHostImpl::FreeSeries(const TextTriple& series) {
    return job_.FreeSeries(series);
}

bool PowerlineHostImpl::AutoStoreDue(AutoStoreTrigger& trigger, const CGpsState& fix) {
    const GeneralSettingsBlock& settings = job_.Settings();
    AutoStoreState& state = autoStore_;
    if (settings.nSaveType != kAutomaticMode || state.running == 0 ||
        !trigger.Decide(settings, fix, state.firstPoint))
        return false;
    ++state.count;
    return true;
}

void PowerlineHostImpl::AddStoredPoint(const PointRecord& point) {
    records_.Append(point);
    records_.display.Append(point);
}

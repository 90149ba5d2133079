#pragma once
// The one store path of the survey screens: a surveyed point through its dialogs (offset first in
// offset mode, then the store dialog, smoothing in smoothing mode), a point without dialog for
// automatic storing, and the start of automatic storing. A point is reported stored only once
// its point line is on disk; a store that fails is told and leaves the files and the names as
// they were.
#include <vector>

#include "survey/PointStorePath.h"
#include "survey/StoreFiles.h"

class CWnd;
class ISurveyHost;

// Offset mode's first step: the offset dialog primed with the fix. On OK the fix's grid position
// becomes the offset point and the tail holds the offset; false when the user cancels.
bool RunOffsetStep(ISurveyHost& host, CWnd* parent, CGpsState& fix, RawStoreTail& tail);

class CSurveyPointStore final : public IPointStorePath {
public:
    CSurveyPointStore(ISurveyHost& host, CWnd* parent);

    StoredPointResult StorePoint(const CGpsState& state, const StoreRequest& request) override;
    StoredPointResult StoreQuickPoint(const CGpsState& state, const StoreRequest& request) override;
    void StartAutoStore(const CGpsState& state) override;

private:
    StoredPointResult StorePlainPoint(const CGpsState& fix, const StoreRequest& request,
                                      const RawStoreTail& offsetTail);
    // The stored code becomes the job's last code (its writer tells a failure).
    void KeepLastCode(const CString& code);
    // Writes the point's lines (the name saved first) and takes the point into the store state.
    StoredPointResult Commit(SurveyPointRec point, const CGpsState& fix,
                             const std::vector<StoreEpoch>& epochs, bool automatic);
    StoredPointResult Write(SurveyPointRec point, const CGpsState& fix, const std::vector<StoreEpoch>& epochs,
                            bool automatic);
    void Tell(const CString& text, bool automatic);

    ISurveyHost& host_;
    CWnd* parent_;
    // A store is being written: a fix arriving under one of its message boxes stores nothing.
    bool committing_ = false;
};

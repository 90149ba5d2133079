#pragma once
// What the power-line screens and their store dialogs need of the main frame besides what every
// plot screen needs. The screens and their store dialogs also take the survey screens' host
// (settings, antenna constants, the job's store files and names, the store listener, automatic
// storing, the tone) from whoever opens them; the names of a power-line store go through the two
// operations below, so that no later store, here or on the map, repeats one.
#include "foundation/PointRecord.h"
#include "foundation/TextTriple.h"
#include "platform/base/WinTypes.h"
#include "stakeout/PlotScreenHost.h"
#include "survey/AutoStoreTrigger.h"
#include "survey/SurveyHost.h"

class CWnd;

class IPowerlineHost : public IPlotScreenHost {
public:
    // Writes the name about to be stored and the J, Z and N series as they stand after this store
    // into the system file, before the point's lines are written; false when it was not written.
    virtual bool SaveStoredNames(const CString& stored, const TextTriple& series) = 0;
    // After the point is on disk: the job's store state takes the next name, the series and the
    // result, so the map's next store and a power-line screen opened later continue after them.
    virtual void TakeStoredNames(const CString& next, const TextTriple& series,
                                 const StoredPointResult& result) = 0;

    // The J, Z and N series passed over every name the point file holds (J and Z where the job's
    // record format makes them names), so that no series proposes a stored name.
    virtual TextTriple FreeSeries(const TextTriple& series) = 0;

    // True when the frame's automatic storing runs and `trigger` takes this fix (the attempt is
    // counted); the first fix after the start is always taken.
    virtual bool AutoStoreDue(AutoStoreTrigger& trigger, const CGpsState& fix) = 0;
    // A stored point joins the job's record file and the main map's points.
    virtual void AddStoredPoint(const PointRecord& point) = 0;
};

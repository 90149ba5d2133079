#pragma once
// The one path by which the main frame stores points: a surveyed point (with its dialogs), a
// point without dialog (automatic storing) and the start of automatic storing. Until the point
// store is built, the frame's path stores nothing.
#include "foundation/CGpsState.h"
#include "foundation/PointRecord.h"

class IPointStorePath {
public:
    virtual ~IPointStorePath() = default;
    // A result number of 0: nothing was stored.
    virtual StoredPointResult StorePoint(const CGpsState& state) = 0;
    virtual StoredPointResult StoreQuickPoint(const CGpsState& state) = 0;
    virtual void StartAutoStore(const CGpsState& state) = 0;
};

// The position is stale by now (FixAge.h): no store takes it.
bool IsStaleNow(const CGpsState& state);
// Nothing current to store: no position was taken, or the one taken is stale.
bool NoCurrentFix(const CGpsState& state);

// Stores nothing.
IPointStorePath& NoPointStorePath();

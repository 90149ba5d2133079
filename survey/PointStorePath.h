#pragma once
// The one path by which the main frame stores points: a surveyed point (with its dialogs), a
// point without dialog (automatic storing) and the start of automatic storing. Each store takes
// what it is for as a StoreRequest. Until the point store is built, the frame's path stores nothing.
#include <cstdint>

#include "foundation/CGpsState.h"
#include "foundation/PointRecord.h"
#include "foundation/StorePointSubBlock.h"

// What one store is for: the job's store mode (nSaveType), the kind of screen (kSurveyStoreKind:
// a plain point; the power-line screens use 0 and 1), the power-line format, the proposed name and
// code (empty: the next name and the default code), and the automatic-store condition and interval
// that the raw records of automatic points carry.
struct StoreRequest {
    int32_t mode = kStorePlain;
    int32_t kind = kSurveyStoreKind;
    int32_t format = 0;
    CString name{};
    CString code{};
    int32_t autoCondition = 0;
    double autoInterval = 0.0;
    // Key A's store: the job's last code is proposed, and the stored point's code becomes it.
    bool keepsLastCode = false;
};

class IPointStorePath {
public:
    virtual ~IPointStorePath() = default;
    // A result number of 0: nothing was stored.
    virtual StoredPointResult StorePoint(const CGpsState& state, const StoreRequest& request) = 0;
    virtual StoredPointResult StoreQuickPoint(const CGpsState& state, const StoreRequest& request) = 0;
    virtual void StartAutoStore(const CGpsState& state) = 0;
};

// The position is stale by now (FixAge.h): no store takes it.
bool IsStaleNow(const CGpsState& state);
// Nothing current to store: no position was taken, or the one taken is stale.
bool NoCurrentFix(const CGpsState& state);

// Stores nothing.
IPointStorePath& NoPointStorePath();

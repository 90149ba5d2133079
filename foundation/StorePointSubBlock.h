#pragma once
// The store context: what the screen about to store a point tells the point store.
#include <cstdint>
#include "platform/text/CString.h"

// The store modes of the job settings' nSaveType and of the context's storeMode.
enum StoreMode : int32_t { kStorePlain = 0, kStoreOffset = 1, kStoreSmoothing = 2, kStoreAutomatic = 3 };
// The context's storeKind of a point stored from the survey screens (the power-line screens use 0 and 1).
constexpr int32_t kSurveyStoreKind = 2;

struct StorePointSubBlock {
    int32_t storeMode = 0;  // 0 plain, 1 offset, 2 smoothing, 3 automatic
    int32_t storeKind = 0;
    int32_t recordFormat = 0;  // power-line record format
    CString pointName;
    int32_t autoCondition = 0;
    double autoInterval = 0.0;
    CString code;

    void Reset() { *this = StorePointSubBlock{}; }
};

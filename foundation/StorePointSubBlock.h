#pragma once
// The store context: what the screen about to store a point tells the point store.
#include <cstdint>
#include "platform/text/CString.h"

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

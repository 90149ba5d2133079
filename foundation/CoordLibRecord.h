#pragma once
// One point of the job's coordinate library and its point types.
#include <cstdint>
#include "platform/text/CString.h"

struct CoordLibRecord {
    int32_t index = 0;  // position in the library's record array, deleted records counted
    int32_t type = 0;   // 0 typed in, 1 valid, 2 reference, 3 side stake, 4 terrain, 5 raw
    CString name;
    double north = 0.0;
    double east = 0.0;
    double height = 0.0;
    CString code;
    int32_t deleted = 0;  // hidden and not saved

    void Reset() { *this = CoordLibRecord{}; }
};

constexpr int kCoordLibTypeCount = 6;

// "输入点" ... "原始点"; empty for a type outside 0-5.
CString CoordLibTypeName(int32_t type);

#pragma once
// What the coordinate view's list shows of a stored point: 19 column texts by its kind and survey
// format, and the row's image by its solution.
#include <array>

#include "foundation/SurveyPointRec.h"
#include "platform/text/CString.h"

inline constexpr int kCoordViewColumns = 19;
using CoordViewRow = std::array<CString, kCoordViewColumns>;

// The list's columns: name, kind, north, east, height, code, 道亨 sub-type, mileage, offset,
// feature, pole type or width, angle or length, measured height, geology, remark, height
// difference, antenna height, RMSH, RMSV.
CoordViewRow CoordViewCells(const SurveyPointRec& point);

// The image index by the solution text of column 7: fixed "10" 2; float "9" or "8" 3; other 4.
int CoordViewImage(const SurveyPointRec& point);

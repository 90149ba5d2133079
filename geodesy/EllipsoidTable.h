#pragma once
// The ellipsoids a job can choose from. A job stores the chosen row's name in szDatum and is matched
// back to its row by that exact text.
#include <vector>

#include "foundation/CoordSysParams.h"

// The last row, the only one whose axis and flattening are typed in.
inline constexpr int kUserDefinedEllipsoid = 44;
inline constexpr const wchar_t* kUserDefinedEllipsoidName = L"用户自定义";

// Empties `rows` and appends the 45 rows in the order the lists show them.
void FillEllipsoidList(std::vector<EllipsoidParams>& rows);
// The first row named exactly `name`, or -1.
int FindEllipsoidRow(const std::vector<EllipsoidParams>& rows, const CString& name);

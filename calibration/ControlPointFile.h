#pragma once
// The control-point file (*.cot): one pair per line, eleven fields each followed by ",", CR LF, in
// the device's code page: name, known north, east, height, raw latitude and longitude (packed
// degrees-minutes-seconds, "%.10f"), raw height, the two residuals and the two use flags. The raw
// position is kept geodetic: the writer takes the list's raw north and east back through the
// job's projection and the reader projects them again, both through the same converter.
#include <vector>

#include "calibration/ControlPointTable.h"
#include "foundation/DataFileRead.h"
#include "geodesy/CoordTransform.h"

// Appends the file's pairs to `rows` (nothing when it cannot be read); a line whose numbers are no
// numbers is left out and counted.
DataFileRead ReadControlPointFile(const CString& path, const CCoordTransform& converter, int projectionType,
                                  std::vector<ControlPointRow>& rows);
// Writes every row in place of the file; false (file as it was) when it was not written.
bool WriteControlPointFile(const CString& path, const std::vector<ControlPointRow>& rows,
                           const CCoordTransform& converter, int projectionType);

#pragma once
// Reads the committed reference projections (tests/geodesy/data, made by make_reference.sh there).
#include <string>
#include <vector>

struct ReferenceRow {
    std::string name;             // first column: ellipsoid name or projection type
    std::vector<double> numbers;  // the remaining columns
};

// Every data line of the file; '#' lines are comments. Empty when the file cannot be read.
std::vector<ReferenceRow> ReadReferenceRows(const std::string& fileName);

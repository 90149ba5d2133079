#pragma once
// The pair files of the parameter computations (CalFour.fou: name and four plane coordinates;
// CalSeven.sev: name, B, L, H, x, y, h): one pair per line, a leading flag "1", each field followed
// by ",", CR LF, in the device's code page. Only lines flagged "1" are read.
#include <vector>

#include "platform/text/CString.h"

// A pair's fields as typed, without the flag and without the list's row number.
using PairFields = std::vector<CString>;

// The flagged lines' first `fieldCount` fields after the flag; false (none) when unreadable.
bool ReadPairFile(const CString& path, int fieldCount, std::vector<PairFields>& pairs);
// Writes every pair in place of the file; false (file as it was) when it was not written.
bool WritePairFile(const CString& path, const std::vector<PairFields>& pairs);

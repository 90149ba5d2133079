#pragma once
// The rules by which the data edit dialog changes a stored point.
#include "foundation/SurveyPointRec.h"
#include "platform/text/CString.h"

// The antenna is where it was measured: the ground height moves by (old − new) antenna height.
void ChangeAntennaHeight(SurveyPointRec& point, double antennaHeight);

// The code of a 思维 point (code type in column 17) from its dimensions: a prefix by code type and
// measured height, width, length or offset by the type's pattern, e.g. "SL-1.20-3.46-7.00" for
// type 15. Types below 7 and above 31 have no pattern and keep their code.
CString SiweiCode(const SurveyPointRec& point);

// The code prefix of a 思维 code type, 0 to 31; empty beyond.
inline constexpr int kSiweiCodeTypes = 32;
CString SiweiPrefix(int type);

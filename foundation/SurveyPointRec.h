#pragma once
// A stored survey point with its descriptive fields. A number in a comment is the column of the
// job's point-file line that the field feeds.
#include <array>
#include <cstdint>
#include "foundation/TextTriple.h"
#include "platform/text/CString.h"

struct SurveyPointRec {
    CString name;  // 1
    CString code;  // 5
    CString text33;
    CString text31;
    CString text32;
    double value18 = 0.0;
    double antennaHeight = 0.0;  // 6; the stored height is the grid height minus this
    int32_t extra1 = 0;
    CString extraText;  // in the store context: the name offered for the next point
    double value29 = 0.0;
    double value30 = 0.0;
    int32_t surveyType = 0;  // 17
    int32_t int19 = 0;
    int32_t int20 = 0;
    double value21 = 0.0;
    double value23 = 0.0;
    int32_t int22 = 0;
    CString text24;  // in the store context: the record-save name suffix
    CString text25;  // in the store context: the record-save name prefix
    double value26 = 0.0;
    TextTriple texts;        // in the store context: the last names of the series J, Z and F
    CString refText;         // side stake: source of column 27
    int32_t refNumber = 0;   // side stake: source of column 28
    double refHeight = 0.0;  // side stake: subtracted from the stored height for column 30
    CString text27;
    CString text28;
    CString text160;
    int32_t pointKind = 0;  // 15: 0 valid, 1 reference, 2 side stake, 3 terrain
    int32_t int14 = 0;
    int32_t storeFormat = 0;  // 16 as read back
    double pointX = 0.0;      // 2, 3, 4 as read back
    double pointY = 0.0;
    double pointH = 0.0;
    std::array<CString, 7> fixTexts;  // columns 7, 8, 9, 10, 11, 13, 12 as read back
    int32_t int34 = 0;                // 34: the store kind
    CString tail2;
    CString tail1;

    void Reset() { *this = SurveyPointRec{}; }
};

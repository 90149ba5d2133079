#pragma once
// What a power-line store dialog hands back after OK: the texts and choices the take-over rules
// read. Each dialog fills the fields it shows; the others keep their defaults.
#include "platform/text/CString.h"

struct StoreAnswers {
    CString name;                       // the final point name
    CString code;                       // column 5
    CString remark;                     // column 33
    double antennaHeight = 0.0;         // vertical, column 6
    CString mileage;                    // column 18, as typed
    int kind = 0;                       // 0 有效点, 1 参考点
    int surveyType = 0;                 // column 17: sub-type, code type or type by format
    int poleIndex = 0;                  // column 19 less 1
    int crossedObject = 30;             // column 20
    int featureCode = 184;              // column 22
    int auxiliaryCode = 0;              // column 22 of an auxiliary point (道亨 sub-type 2)
    CString value21, value23, value26;  // as typed
    CString text31, text32;             // 思维
    int number31 = 0, number32 = 0;     // XLCAD, printed "%d"
    int pointIndex = 0;                 // the point's place in an object of two or three points
    int category = 0;                   // 百合: 0 none, 1-4 the object kinds
    CString nSeries;                    // 百合: the N series' text, the next name's base
    CString jText, zText;               // 百合: the J and Z numbers as typed
    CString trailing1, trailing2;       // 百合: columns 35 and 36
    CString value29, value30;           // tower section, as typed
    int smoothTarget = 1;               // store mode 2: the target and the epochs averaged
    int smoothAchieved = 1;
};

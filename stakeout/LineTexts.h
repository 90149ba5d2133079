#pragma once
// The line editor's texts: both end points and the start mileage as typed, checked before they
// become a line of the line file.
#include "foundation/CoordLibrary.h"
#include "foundation/PointRecord.h"

struct LineTexts {
    PointTexts start;
    PointTexts end;
    CString mileage;
};

// Field numbers of LineTexts: 0-4 the start's name, north, east, height, code; 5-9 the end's; 10 the
// start mileage.
constexpr int kLineMileageField = 10;

// The refusal for texts the line file cannot keep, or empty when they are fine: a comma in a name or
// code, a coordinate or mileage that is no number, two ends less than a millimetre apart. badField
// gets the refused field.
CString CheckLineTexts(const LineTexts& texts, int& badField);
// Numbers as the device reads them.
LineSegRec ParseLineTexts(const LineTexts& texts);
// The start's and the end's texts with coordinates as "%.3f" and the mileage as MileageText.
LineTexts FormatLineTexts(const LineSegRec& line);
// A mileage or a line's length as the library shows it wherever it appears: "%.4f", as the line
// file keeps it.
CString MileageText(double metres);

#pragma once
// The raw record file as a latitude/longitude results file: for each point name its last record,
// in the order the names first appear, as 点名,B,L,H,antenna height; GBK with CR LF.
#include "export/PointExport.h"
#include "platform/text/CString.h"

enum class LatLonStyle {
    kDecimalDegrees = 0,  // nine decimals
    kPackedDms = 1,       // ddd.mmssssssss as the raw file keeps it
};

// From the raw file's text (decoded): header lines ("Rem ...") and lines shorter than a record's
// first six fields are left out.
ExportText BuildBlhExport(const CString& rawFileText, LatLonStyle style);

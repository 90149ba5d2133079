#pragma once
// The last GGA position kept for the network-RTK upload, its parser and the rule that replaces it.
#include "platform/text/CString.h"

struct GgaRecord {
    int valid = 0;
    int satellites = 0;
    double hdop = 0.0;
    int quality = 0;
    double latitude = 0.0;   // degrees, south negative
    double longitude = 0.0;  // degrees, west negative
    int counter = 0;         // the frame's upload fix counter; the parser leaves it alone
    CString sentence;        // the GGA sentence from its "$" on
    CString sourceLine;      // the frame's last GGA line received

    // valid 0, satellites 0, hdop 99.0, counter 0, both texts empty (latitude, longitude, quality kept).
    void Clear();
};

// Parses a GGA sentence into `out`; when it holds no "GPGGA" or no position, or fails its check, `out`
// is left alone and the frame's record `frameRecord` is marked invalid.
void ParseGga(const CString& sentence, GgaRecord& out, GgaRecord& frameRecord);

// Replaces `record` with a valid candidate when the record is invalid, the fix quality changed, the
// position moved by more than the whole part of gsmSendDisInterval / 30 (compared with degrees), or
// the candidate has more satellites and a smaller HDOP.
void RefreshGgaRecord(GgaRecord candidate, GgaRecord& record, double gsmSendDisInterval);

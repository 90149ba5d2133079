#pragma once
// One section of the antenna table: the antenna constants of one receiver type.
#include "platform/text/CString.h"

struct AntennaRecord {
    CString receiverType;  // the section name
    CString AntennaType;
    double AntHgtFactor = 0.0;
    double GPSInstrumentHgt = 0.0;     // metres
    double GpsInstrumentRadius = 0.0;  // metres

    void Reset() { *this = AntennaRecord{}; }
};

#include "receiver/NetworkReport.h"

#include <cmath>

#include "geodesy/GeodesyConstants.h"
#include "platform/text/Format.h"

namespace {

// Whole degrees and minutes; minutes that print as 60.0000 carry into the degrees.
void DegreesMinutes(double value, int& degrees, double& minutes) {
    const double absolute = std::fabs(value);
    degrees = static_cast<int>(absolute);
    minutes = (absolute - degrees) * 60.0;
    if (minutes >= 59.99995) {
        minutes = 0.0;
        ++degrees;
    }
}

int Quality(const CString& solution) {
    if (solution.Find(L"单点") >= 0) return 1;
    if (solution.Find(L"浮点") >= 0) return 5;
    if (solution.Find(L"固定") >= 0) return 4;
    return 1;
}
}  // namespace

void BuildGgaSentence(const CGpsState& state, int timeZoneHours, GgaRecord& record) {
    if (!state.fixFlag || state.gpsUsedCount < 4) return;
    int latDeg = 0, lonDeg = 0;
    double latMin = 0.0, lonMin = 0.0;
    DegreesMinutes(state.latitude, latDeg, latMin);
    DegreesMinutes(state.longitude, lonDeg, lonMin);
    const int quality = Quality(state.solutionText);
    const int hour = ((state.hour - timeZoneHours) % 24 + 24) % 24;
    CString sentence = Format(
        L"$GPGGA,%02d%02d%02d.00,%02d%07.4f,%s,%03d%07.4f,%s,%d,%02d,%.1f,%.2f,M,0.00,M,,*", hour,
        state.minute, state.second, latDeg, latMin, state.latitude < 1e-6 ? L"S" : L"N", lonDeg, lonMin,
        state.longitude < 1e-6 ? L"W" : L"E", quality, state.gpsUsedCount, state.pdop, state.height);
    unsigned check = 0;
    for (int i = 1; i < sentence.GetLength() - 1; ++i) check ^= static_cast<unsigned>(sentence[i]) & 0xFF;
    sentence = Format(L"%s%02X", sentence.c_str(), check);
    record.valid = 1;
    record.sentence = sentence;
    record.hdop = state.pdop;
    record.quality = quality;
    record.satellites = state.gpsUsedCount;
    record.latitude = std::fabs(state.latitude) * kRadToDeg;
    record.longitude = std::fabs(state.longitude) * kRadToDeg;
}

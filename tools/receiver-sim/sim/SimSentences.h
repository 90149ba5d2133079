#pragma once
// The sentences and logs the simulated receiver sends, each complete with its check and CR LF.
#include <cstdint>
#include <string>
#include <vector>

#include "tools/receiver-sim/sim/SimWalk.h"

namespace sim {

struct Satellite {
    int prn = 0;  // GLONASS as reported (65 to 96)
    int elevation = 0;
    int azimuth = 0;
    int snr = 0;
};

struct Epoch {
    // UTC
    int year = 2026, month = 12, day = 6, hour = 8, minute = 0;
    double second = 0;
    int gpsWeek = 0;
    double gpsSecondsOfWeek = 0;  // GPS time: UTC plus the leap seconds
    WalkPoint point;
    double geoidSeparation = 9.8;
    int diffAge = 0;
    std::string stationId = "0001";
    std::vector<Satellite> gps;
    std::vector<Satellite> glonass;
    int gpsUsed = 0;  // the first gpsUsed satellites are used
};

// Two upper-case hex digits of the XOR of the characters of `body` (the text between "$" and "*").
std::string NmeaChecksum(const std::string& body);
std::string NmeaSentence(const std::string& body);
// CRC-32 of the boards' ASCII logs: reflected, polynomial 0xEDB88320, initial 0, no final inversion.
uint32_t BoardCrc32(const std::string& body);
std::string BoardLog(const std::string& body);

std::string GgaSentence(const Epoch& e);
std::string GsaSentence(const Epoch& e);
std::vector<std::string> GsvSentences(const Epoch& e, bool glonass);
std::string GstSentence(const Epoch& e);
std::string ZdaSentence(const Epoch& e);
std::string BestPosLog(const Epoch& e);
std::string RefStationLog(const Epoch& e, double x, double y, double z);
// The receiver's identification line ("GPXXX"); `dataLink` names the link it reports (RADIO, GPRS, EXT).
std::string VersionReply(const std::string& serial, const std::string& board, const std::string& workMode,
                         int radioChannel, const std::string& dataLink = "RADIO");
std::string VersionLog(const Epoch& e, const std::string& firmware);

// WGS-84 geodetic to Earth-centred coordinates.
void GeodeticToCartesian(double latDeg, double lonDeg, double height, double* x, double* y, double* z);

int GgaQuality(FixKind fix);
double HorizontalSigma(FixKind fix);

}  // namespace sim

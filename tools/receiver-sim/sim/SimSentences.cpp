#include "tools/receiver-sim/sim/SimSentences.h"

#include <cmath>
#include <cstdarg>
#include <cstdio>

namespace sim {

namespace {

std::string Printf(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string Printf(const char* format, ...) {
    char buffer[1024];
    va_list args;
    va_start(args, format);
    std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    return buffer;
}

std::string TimeField(const Epoch& e) {
    return Printf("%02d%02d%05.2f", e.hour, e.minute, e.second);
}

std::string Angle(double degrees, int degreeDigits) {
    const double a = std::fabs(degrees);
    const int whole = static_cast<int>(a);
    return Printf("%0*d%010.7f", degreeDigits, whole, (a - whole) * 60.0);
}

const char* BestPosType(FixKind fix) {
    switch (fix) {
        case FixKind::kNone:
            return "NONE";
        case FixKind::kSingle:
            return "SINGLE";
        case FixKind::kDgps:
            return "PSRDIFF";
        case FixKind::kFloat:
            return "NARROW_FLOAT";
        case FixKind::kFixed:
            return "NARROW_INT";
    }
    return "NONE";
}

std::string BoardHeader(const char* name, const Epoch& e) {
    return Printf("%s,COM1,0,55.0,FINESTEERING,%d,%.3f,00000000,0000,1114", name, e.gpsWeek,
                  e.gpsSecondsOfWeek);
}

}  // namespace

std::string NmeaChecksum(const std::string& body) {
    unsigned sum = 0;
    for (char c : body) sum ^= static_cast<unsigned char>(c);
    return Printf("%02X", sum);
}

std::string NmeaSentence(const std::string& body) {
    return "$" + body + "*" + NmeaChecksum(body) + "\r\n";
}

uint32_t BoardCrc32(const std::string& body) {
    uint32_t crc = 0;
    for (char c : body) {
        crc ^= static_cast<unsigned char>(c);
        for (int bit = 0; bit < 8; ++bit) crc = (crc & 1) ? (crc >> 1) ^ 0xEDB88320u : crc >> 1;
    }
    return crc;
}

std::string BoardLog(const std::string& body) {
    return "#" + body + Printf("*%08x\r\n", BoardCrc32(body));
}

int GgaQuality(FixKind fix) {
    switch (fix) {
        case FixKind::kNone:
            return 0;
        case FixKind::kSingle:
            return 1;
        case FixKind::kDgps:
            return 2;
        case FixKind::kFloat:
            return 5;
        case FixKind::kFixed:
            return 4;
    }
    return 0;
}

double HorizontalSigma(FixKind fix) {
    switch (fix) {
        case FixKind::kNone:
            return 0.0;
        case FixKind::kSingle:
            return 1.2;
        case FixKind::kDgps:
            return 0.45;
        case FixKind::kFloat:
            return 0.12;
        case FixKind::kFixed:
            return 0.012;
    }
    return 0.0;
}

std::string GgaSentence(const Epoch& e) {
    const WalkPoint& p = e.point;
    const int quality = GgaQuality(p.fix);
    std::string body = "GPGGA," + TimeField(e) + ",";
    if (quality == 0) {
        body += ",,,,0,00,99.9,,M,,M,,";
    } else {
        body += Angle(p.latitude, 2) + (p.latitude < 0 ? ",S," : ",N,") + Angle(p.longitude, 3) +
                (p.longitude < 0 ? ",W," : ",E,");
        body += Printf("%d,%02d,%.1f,%.3f,M,%.3f,M,", quality, e.gpsUsed, 0.9, p.height - e.geoidSeparation,
                       e.geoidSeparation);
        body += quality >= 2 ? Printf("%.1f,%s", static_cast<double>(e.diffAge), e.stationId.c_str()) : ",";
    }
    return NmeaSentence(body);
}

std::string GsaSentence(const Epoch& e) {
    std::string body = "GPGSA,A,3";
    for (size_t i = 0; i < 12; ++i)
        body += i < e.gps.size() && static_cast<int>(i) < e.gpsUsed ? Printf(",%02d", e.gps[i].prn) : ",";
    body += Printf(",%.1f,%.1f,%.1f", 1.6, 0.9, 1.3);
    return NmeaSentence(body);
}

std::vector<std::string> GsvSentences(const Epoch& e, bool glonass) {
    const std::vector<Satellite>& sats = glonass ? e.glonass : e.gps;
    const size_t messages = sats.empty() ? 1 : (sats.size() + 3) / 4;
    std::vector<std::string> out;
    for (size_t m = 0; m < messages; ++m) {
        std::string body =
            Printf("%s,%zu,%zu,%02zu", glonass ? "GLGSV" : "GPGSV", messages, m + 1, sats.size());
        for (size_t k = 4 * m; k < std::min(sats.size(), 4 * m + 4); ++k)
            body +=
                Printf(",%02d,%02d,%03d,%02d", sats[k].prn, sats[k].elevation, sats[k].azimuth, sats[k].snr);
        out.push_back(NmeaSentence(body));
    }
    return out;
}

std::string GstSentence(const Epoch& e) {
    const double s = HorizontalSigma(e.point.fix);
    return NmeaSentence(
        "GPGST," + TimeField(e) +
        Printf(",%.3f,%.3f,%.3f,%.1f,%.3f,%.3f,%.3f", s * 1.4, s * 1.2, s, 35.0, s, s * 0.9, s * 1.8));
}

std::string ZdaSentence(const Epoch& e) {
    return NmeaSentence("GPZDA," + TimeField(e) + Printf(",%02d,%02d,%04d,00,00", e.day, e.month, e.year));
}

std::string BestPosLog(const Epoch& e) {
    const WalkPoint& p = e.point;
    const double s = HorizontalSigma(p.fix);
    const bool none = p.fix == FixKind::kNone;
    std::string body = BoardHeader("BESTPOSA", e) + ";" + (none ? "INSUFFICIENT_OBS," : "SOL_COMPUTED,");
    body +=
        Printf("%s,%.11f,%.11f,%.4f,%.4f,WGS84,%.4f,%.4f,%.4f,\"%s\",%.3f,0.000,%d,%d,%d,%d,00,%s,00,33",
               BestPosType(p.fix), none ? 0.0 : p.latitude, none ? 0.0 : p.longitude,
               none ? 0.0 : p.height - e.geoidSeparation, none ? 0.0 : e.geoidSeparation, s, s * 0.9, s * 1.8,
               e.stationId.c_str(), static_cast<double>(e.diffAge), static_cast<int>(e.gps.size()), e.gpsUsed,
               e.gpsUsed, e.gpsUsed, p.fix == FixKind::kFixed ? "01" : "00");
    return BoardLog(body);
}

std::string RefStationLog(const Epoch& e, double x, double y, double z) {
    return BoardLog(BoardHeader("REFSTATIONA", e) +
                    Printf(";00000000,%.3f,%.3f,%.3f,0,RTCA,\"%s\"", x, y, z, e.stationId.c_str()));
}

std::string VersionReply(const std::string& serial, const std::string& board, const std::string& workMode,
                         int radioChannel, const std::string& dataLink) {
    return NmeaSentence("GPXXX," + serial + ",V2.10,B3,QZANT-A," + board + ",GPRS," + dataLink + ",0," +
                        workMode + ",ZH-EN," + std::to_string(radioChannel) + ",0,120,884,END");
}

std::string VersionLog(const Epoch& e, const std::string& firmware) {
    return BoardLog(BoardHeader("VERSIONA", e) + ";1,GPSCARD,\"QZ-OEM\",\"SIM0001\",\"HW-1.00\",\"" +
                    firmware + "\",\"2026/Dec/06\",\"08:00:00\"");
}

void GeodeticToCartesian(double latDeg, double lonDeg, double height, double* x, double* y, double* z) {
    constexpr double a = 6378137.0;
    constexpr double f = 1.0 / 298.257223563;
    constexpr double e2 = f * (2 - f);
    const double lat = latDeg * M_PI / 180.0;
    const double lon = lonDeg * M_PI / 180.0;
    const double n = a / std::sqrt(1 - e2 * std::sin(lat) * std::sin(lat));
    *x = (n + height) * std::cos(lat) * std::cos(lon);
    *y = (n + height) * std::cos(lat) * std::sin(lon);
    *z = (n * (1 - e2) + height) * std::sin(lat);
}

}  // namespace sim

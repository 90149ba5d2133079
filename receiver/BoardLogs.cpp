// The receiver board's own ASCII logs ("#...*crc") and the base position replies.
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

#include "platform/text/Numbers.h"

#include "geodesy/Wgs84.h"
#include "receiver/CGpsParser.h"
#include "receiver/SentenceFields.h"

namespace {

constexpr int64_t kSecondsPerDay = 86400;
constexpr int64_t kSecondsPerWeek = 7 * kSecondsPerDay;

// GPS time has no leap seconds: from each of these GPS times (seconds since its start in 1980) on, it
// runs ahead of UTC by the seconds beside it.
struct LeapSecond {
    int64_t gpsSeconds;
    int offset;
};
constexpr LeapSecond kLeapSeconds[] = {
    {46828801, 1},    {78364802, 2},    {109900803, 3},   {173059204, 4},  {252028805, 5},
    {315187206, 6},   {346723207, 7},   {393984008, 8},   {425520009, 9},  {457056010, 10},
    {504489611, 11},  {551750412, 12},  {599184013, 13},  {820108814, 14}, {914803215, 15},
    {1025136016, 16}, {1119744017, 17}, {1167264018, 18},  // 2017-01-01
};

// GPS time less UTC at a GPS time, in seconds.
int GpsAheadOfUtc(double gpsSeconds) {
    int offset = 0;
    for (const LeapSecond& leap : kLeapSeconds)
        if (gpsSeconds >= static_cast<double>(leap.gpsSeconds)) offset = leap.offset;
    return offset;
}

std::string StripQuotes(std::string_view field) {
    std::string text;
    for (const char c : field)
        if (c != '"') text += c;
    return text;
}

// The WGS-84 ellipsoidal height of an earth-centred position (m); NaN when one is not finite.
double EllipsoidalHeight(double x, double y, double z) {
    if (!AllFinite({x, y, z})) return std::numeric_limits<double>::quiet_NaN();
    double b = 0.0, l = 0.0, h = 0.0;
    Wgs84Converter().XyzToBlh(x, y, z, b, l, h);
    return h;
}

// A version field starts with its number ("3.000A19"): the rest is the build.
bool StartsWithNumber(std::string_view field) {
    return !field.empty() && field[0] >= '0' && field[0] <= '9';
}

// The reflected CRC-32 table: the eight shifts of each byte worked out once for every byte value.
constexpr std::array<uint32_t, 256> kCrcTable = [] {
    std::array<uint32_t, 256> table{};
    for (uint32_t value = 0; value < 256; ++value) {
        uint32_t crc = value;
        for (int bit = 0; bit < 8; ++bit) crc = (crc & 1) ? (crc >> 1) ^ 0xEDB88320u : crc >> 1;
        table[value] = crc;
    }
    return table;
}();

}  // namespace

uint32_t CGpsParser::Crc32(int length, const wchar_t* text) {
    uint32_t crc = 0;
    for (int i = 0; i < length; ++i)
        crc = (crc >> 8) ^ kCrcTable[(crc ^ static_cast<uint32_t>(text[i])) & 0xFF];
    return crc;
}

uint32_t CGpsParser::Crc32(std::string_view bytes) {
    uint32_t crc = 0;
    for (const char c : bytes) crc = (crc >> 8) ^ kCrcTable[(crc ^ static_cast<unsigned char>(c)) & 0xFF];
    return crc;
}

void CGpsParser::SetPositionType(std::string_view type, CGpsState& state) const {
    struct Plain {
        std::string_view word;
        int code;
        const wchar_t* text;
    };
    // "WASS" is what the boards were once documented to send; real boards send "WAAS".
    static constexpr Plain kPlain[] = {
        {"NONE", kSolNone, L"NONE"},
        {"FIXEDPOS", kSolFixedPos, L"FIXEDPOS"},
        {"FIXEDHEIGHT", kSolFixedHeight, L"FIXEDHEIGHT"},
        {"FIXEDVEL", kSolFixedVel, L"FIXEDVEL"},
        {"SINGLE", kSolSingle, L"SINGLE"},
        {"PSRDIFF", kSolPsrDiff, L"DGPS"},
        {"WASS", kSolWaas, L"DGPS"},
        {"WAAS", kSolWaas, L"DGPS"},
        {"IONOFREE_FLOAT", kSolFloat, L"FLOAT"},
        {"NARROW_FLOAT", kSolFloat, L"FLOAT"},
    };
    for (const Plain& p : kPlain) {
        if (type == p.word) {
            state.solutionCode = p.code;
            StoreText(p.text, state.solutionText);
            return;
        }
    }
    if (type == "L1_FLOAT" || type == "L1_INT") {
        const bool isInt = type == "L1_INT";
        if (l1Option_ == 0) {
            state.solutionCode = kSolFloat;
            StoreText(L"FLOAT", state.solutionText);
        } else if (l1Option_ == 1) {
            state.solutionCode = isInt ? kSolL1Int : kSolL1Float;
            StoreText(isInt ? L"L1_INT" : L"L1_FT", state.solutionText);
        } else {
            StoreText(type, state.solutionText);
        }
        return;
    }
    if (type == "WIDE_INT") {
        const bool fixed = settings_.fixLevel == 2;
        state.solutionCode = fixed ? kSolFixed : kSolWideInt;
        StoreText(fixed ? L"FIXED" : L"FLOAT", state.solutionText);
        return;
    }
    if (type == "NARROW_INT") {
        const bool unverified =
            settings_.fixLevel == 0 && extStatusPresent_ && !extStatusVerified_ && firmwareVersion_ >= 3.2;
        state.solutionCode = unverified ? kSolWideInt : kSolFixed;
        StoreText(unverified ? L"FLOAT" : L"FIXED", state.solutionText);
        return;
    }
    state.solutionCode = kSolNfix;
    StoreText(L"NFIX", state.solutionText);
}

// The local time of day is UTC plus the zone, as from the NMEA sentences, so that the times a board of
// both kinds gives never jump by the leap seconds. The date stays with ZDA, which reports it in UTC.
void CGpsParser::SetBestPosTime(int week, double secondsOfWeek, CGpsState& state) {
    const double gps = static_cast<double>(week) * static_cast<double>(kSecondsPerWeek) + secondsOfWeek;
    const double utcOfWeek = secondsOfWeek - GpsAheadOfUtc(gps);
    const int64_t utcMs = std::llround(utcOfWeek * 1000) % kMsPerDay;
    lineUtcMs_ = static_cast<uint32_t>(utcMs < 0 ? utcMs + kMsPerDay : utcMs);
    const int64_t utc = static_cast<int64_t>(std::floor(utcOfWeek));
    const int64_t local =
        ((utc % kSecondsPerDay + static_cast<int64_t>(settings_.timeZone) * 3600) % kSecondsPerDay +
         kSecondsPerDay) %
        kSecondsPerDay;
    state.hour = static_cast<int>(local / 3600);
    state.minute = static_cast<int>(local / 60 % 60);
    state.second = static_cast<int>(local % 60);
}

// #BESTPOSA,port,sequence,idle,timeStatus,week,seconds,status,reserved,version;solStatus,
//           1    2        3    4          5    6       7      8        9
//   posType,lat,lon,hgt,undulation,datum,latSigma,lonSigma,hgtSigma,
//   10      11  12  13  14         15    16       17       18
//   station,diffAge,solAge,(4 counts),reserved,extStatus,...*crc
//   19      20      21     22-25      26       27
int CGpsParser::ParseBestPos(const FieldViews& f, CGpsState& state) {
    const std::optional<int> week = CheckedInt(f[5]);
    const double seconds = FieldDouble(f[6]);
    const double rmsH = FieldDouble(f[16]);
    const double rmsV = FieldDouble(f[18]);
    const double latitude = FieldDouble(f[11]);
    const double longitude = FieldDouble(f[12]);
    const double separation = FieldDouble(f[14]);
    const double height = FieldDouble(f[13]) + separation;
    const double age = FieldDouble(f[20]);
    if (!IsQuality(age) || !IsQuality(rmsH) || !IsQuality(rmsV) || !IsLatitude(latitude) ||
        !IsLongitude(longitude) || !IsHeight(height) || !IsHeight(separation))
        return 0;
    if (!week || *week < 0 || !(seconds >= 0 && seconds < static_cast<double>(kSecondsPerWeek))) return 0;

    SetBestPosTime(*week, seconds, state);
    if (!f[27].empty()) {
        extStatusPresent_ = 1;
        extStatusVerified_ = f[27] == "01" ? 1 : 0;
    }
    SetPositionType(f[10], state);
    state.rmsH = rmsH;
    state.rmsV = rmsV;
    state.latitude = latitude;
    state.longitude = longitude;
    state.geoidSeparation = separation;
    state.height = height;
    state.diffAge = TruncInt(age);
    return 1;
}

// #REFSTATIONA,(header),version;status,x, y, z, health,type,"id"*crc
//              1-8      9              10 11 12 13     14   15
int CGpsParser::ParseRefStation(const FieldViews& f, CGpsState& state) {
    const double x = FieldDouble(f[10]);
    const double y = FieldDouble(f[11]);
    const double z = FieldDouble(f[12]);
    if (!IsEarthCentred(x, y, z) || !IsBaseHeight(EllipsoidalHeight(x, y, z))) return 0;
    state.baseX = x;
    state.baseY = y;
    state.baseZ = z;
    StoreText(f[14], state.baseType);
    std::string_view id = f[15];
    if (!id.empty() && id[0] == '"') id.remove_prefix(1);
    StoreText(id.substr(0, id.find('"')), state.baseId);
    return 1;
}

// #VERSIONA,(header),version;components,type,"model","serial","hardware","software",...*crc
//           1-8      9                  10   11      12       13         14
int CGpsParser::ParseVersionLog(const FieldViews& f, CGpsState&) {
    // Real boards quote the field ("3.000A19").
    const std::string field = StripQuotes(f[14]);
    const std::wstring text(field.begin(), field.end());
    double version = 0.0;
    if (!StartsWithNumber(field) || !ReadDouble(text.c_str(), version)) return 0;
    firmwareVersion_ = version;
    return 1;
}

// $JRTK,kind,lat,lon,height,...*hh
//       1    2   3   4
int CGpsParser::ParseJrtk(const FieldViews& f, CGpsState& state) {
    if (f[1] != "17" && f[1] != "1") return 0;
    if (f[2].find("FAILED") != std::string_view::npos) return 0;
    const double lat = FieldDouble(f[2]);
    const double lon = FieldDouble(f[3]);
    const double height = FieldDouble(f[4]);
    if (!IsLatitude(lat) || !IsLongitude(lon) || !IsBaseHeight(height)) return 0;
    TakeBasePosition(lat, lon, height, state);
    return 1;
}

// $PSBPQ,(3 fields),lat,N,lon,E,EHTheight,...*hh
//        1-3        4   5 6   7 8
int CGpsParser::ParseBpq(const FieldViews& f, CGpsState& state) {
    double lat = 0.0;
    double lon = 0.0;
    if (f[4].empty() || f[6].empty() || !ReadNmeaAngle(f[4], 2, f[5], &lat) ||
        !ReadNmeaAngle(f[6], 3, f[7], &lon) || !IsHemisphere(f[5], "NS") || !IsHemisphere(f[7], "EW") ||
        f[8].substr(0, 3) != "EHT")
        return 0;
    const double height = FieldDouble(f[8].substr(3));
    if (!IsLatitude(lat) || !IsLongitude(lon) || !IsBaseHeight(height)) return 0;
    if (!(NmeaAngle(f[4], 2, "") > 0)) return 0;
    TakeBasePosition(lat, lon, height, state);
    return 1;
}

void CGpsParser::TakeBasePosition(double latitude, double longitude, double height, CGpsState& state) const {
    Wgs84Converter().BlhToXyz(latitude, longitude, height, state.baseX, state.baseY, state.baseZ);
    if (workMode_ != 1) return;
    state.latitude = latitude;
    state.longitude = longitude;
    state.height = height;
}

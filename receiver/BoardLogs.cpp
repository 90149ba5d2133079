// The receiver board's own ASCII logs ("#...*crc") and the base position replies.
#include <array>
#include <cstdint>
#include <limits>

#include "platform/text/Numbers.h"

#include "geodesy/CoordTransform.h"
#include "geodesy/GeodesyConstants.h"
#include "receiver/CGpsParser.h"
#include "receiver/IFrameServices.h"
#include "receiver/SentenceFields.h"

namespace {

constexpr int kBestPosFields = 30;
constexpr int64_t kSecondsPerDay = 86400;
constexpr double kSecondsPerWeek = 7 * 86400;

CString StripQuotes(const CString& field) {
    CString text = field;
    text.Remove(L'"');
    return text;
}

// The WGS-84 ellipsoidal height of an earth-centred position (m); NaN when one is not finite.
double EllipsoidalHeight(double x, double y, double z) {
    if (!AllFinite({x, y, z})) return std::numeric_limits<double>::quiet_NaN();
    CCoordTransform wgs84;
    wgs84.SetEllipsoid(kWgs84SemiMajor, kWgs84InvFlattening);
    double b = 0.0, l = 0.0, h = 0.0;
    wgs84.XyzToBlh(x, y, z, b, l, h);
    return h;
}

// A version field starts with its number ("3.000A19"): the rest is the build.
bool StartsWithNumber(const CString& field) {
    return !field.IsEmpty() && field[0] >= L'0' && field[0] <= L'9';
}

}  // namespace

uint32_t CGpsParser::Crc32(int length, const wchar_t* text) {
    // The eight shifts of each byte worked out once for every byte value.
    static constexpr std::array<uint32_t, 256> kTable = [] {
        std::array<uint32_t, 256> table{};
        for (uint32_t value = 0; value < 256; ++value) {
            uint32_t crc = value;
            for (int bit = 0; bit < 8; ++bit) crc = (crc & 1) ? (crc >> 1) ^ 0xEDB88320u : crc >> 1;
            table[value] = crc;
        }
        return table;
    }();
    uint32_t crc = 0;
    for (int i = 0; i < length; ++i) crc = (crc >> 8) ^ kTable[(crc ^ static_cast<uint32_t>(text[i])) & 0xFF];
    return crc;
}

void CGpsParser::SetPositionType(const CString& type, CGpsState& state) const {
    struct Plain {
        const wchar_t* word;
        int code;
        const wchar_t* text;  // null: the received word itself
    };
    // "WASS" is what the boards were once documented to send; real boards send "WAAS".
    static constexpr Plain kPlain[] = {
        {L"NONE", kSolNone, nullptr},
        {L"FIXEDPOS", kSolFixedPos, nullptr},
        {L"FIXEDHEIGHT", kSolFixedHeight, nullptr},
        {L"FIXEDVEL", kSolFixedVel, nullptr},
        {L"SINGLE", kSolSingle, nullptr},
        {L"PSRDIFF", kSolPsrDiff, L"DGPS"},
        {L"WASS", kSolWaas, L"DGPS"},
        {L"WAAS", kSolWaas, L"DGPS"},
        {L"IONOFREE_FLOAT", kSolFloat, L"FLOAT"},
        {L"NARROW_FLOAT", kSolFloat, L"FLOAT"},
    };
    for (const Plain& p : kPlain) {
        if (type == p.word) {
            state.solutionCode = p.code;
            state.solutionText = p.text ? p.text : p.word;
            return;
        }
    }
    if (type == L"L1_FLOAT" || type == L"L1_INT") {
        const bool isInt = type == L"L1_INT";
        if (l1Option_ == 0) {
            state.solutionCode = kSolFloat;
            state.solutionText = L"FLOAT";
        } else if (l1Option_ == 1) {
            state.solutionCode = isInt ? kSolL1Int : kSolL1Float;
            state.solutionText = isInt ? L"L1_INT" : L"L1_FT";
        } else {
            state.solutionText = type;
        }
        return;
    }
    if (type == L"WIDE_INT") {
        const bool fixed = fixLevel_ == 2;
        state.solutionCode = fixed ? kSolFixed : kSolWideInt;
        state.solutionText = fixed ? L"FIXED" : L"FLOAT";
        return;
    }
    if (type == L"NARROW_INT") {
        const bool unverified = frame_.GeneralSettings().connection.nFixLevel == 0 && extStatusPresent_ &&
                                !extStatusVerified_ && firmwareVersion_ >= 3.2;
        state.solutionCode = unverified ? kSolWideInt : kSolFixed;
        state.solutionText = unverified ? L"FLOAT" : L"FIXED";
        return;
    }
    state.solutionCode = kSolNfix;
    state.solutionText = L"NFIX";
}

// GPS seconds of the week as the local time of day (no leap seconds: the boards' own rule). The date
// stays with ZDA, which reports it in UTC.
void CGpsParser::SetBestPosTime(int64_t secondsOfWeek, CGpsState& state) const {
    const int64_t local =
        ((secondsOfWeek % kSecondsPerDay + static_cast<int64_t>(timeZone_) * 3600) % kSecondsPerDay +
         kSecondsPerDay) %
        kSecondsPerDay;
    state.hour = static_cast<int>(local / 3600);
    state.minute = static_cast<int>(local / 60 % 60);
    state.second = static_cast<int>(local % 60);
}

int CGpsParser::ParseBestPos(const CString& line, CGpsState& state) {
    CString log;
    if (!CheckBoardLog(line, &log)) return 0;
    const std::vector<CString> f = SplitFields(log.Left(log.Find(L'*')), L',', kBestPosFields);
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
    if (!(seconds >= 0 && seconds < kSecondsPerWeek)) return 0;

    SetBestPosTime(static_cast<int64_t>(seconds), state);
    if (!f[27].IsEmpty()) {
        extStatusPresent_ = 1;
        extStatusVerified_ = f[27] == L"01" ? 1 : 0;
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

int CGpsParser::ParseRefStation(const CString& line, CGpsState& state) {
    CString log;
    if (!CheckBoardLog(line, &log)) return 0;
    const std::vector<CString> f = SplitFields(log.Left(log.Find(L'*')), L',', kBestPosFields);
    const double x = FieldDouble(f[10]);
    const double y = FieldDouble(f[11]);
    const double z = FieldDouble(f[12]);
    if (!IsEarthCentred(x, y, z) || !IsBaseHeight(EllipsoidalHeight(x, y, z))) return 0;
    state.baseX = x;
    state.baseY = y;
    state.baseZ = z;
    state.baseType = f[14];
    CString id = f[15];
    if (!id.IsEmpty() && id[0] == L'"') id = id.Mid(1);
    state.baseId = id.SpanExcluding(L"\"");
    return 1;
}

int CGpsParser::ParseVersionLog(const CString& line) {
    CString log;
    if (!CheckBoardLog(line, &log)) return 0;
    const std::vector<CString> f = SplitFields(log.Left(log.Find(L'*')), L',', 15);
    // Real boards quote the field ("3.000A19").
    const CString field = StripQuotes(f[14]);
    double version = 0.0;
    if (!StartsWithNumber(field) || !ReadDouble(field.c_str(), version)) return 0;
    firmwareVersion_ = version;
    return 1;
}

int CGpsParser::ParseJrtk(const CString& line, CGpsState& state) {
    CString sentence;
    if (!CheckNmeaFraming(line, &sentence)) return 0;
    const std::vector<CString> f = SplitFields(CString(NmeaFields(sentence.str())), L',', 10);
    if (f[1] != L"17" && f[1] != L"1") return 0;
    if (f[2].Find(L"FAILED") >= 0) return 0;
    const double lat = FieldDouble(f[2]);
    const double lon = FieldDouble(f[3]);
    const double height = FieldDouble(f[4]);
    if (!IsLatitude(lat) || !IsLongitude(lon) || !IsBaseHeight(height)) return 0;
    frame_.Wgs84BlhToXyz(lat, lon, height, &state.baseX, &state.baseY, &state.baseZ);
    if (workMode_ == 1) {
        state.latitude = lat;
        state.longitude = lon;
        state.height = height;
    }
    return 1;
}

int CGpsParser::ParseBpq(const CString& line, CGpsState& state) {
    CString sentence;
    if (!CheckNmeaFraming(line, &sentence)) return 0;
    const std::vector<CString> f = SplitFields(CString(NmeaFields(sentence.str())), L',', 10);
    if (f[4].IsEmpty() || f[6].IsEmpty() || !IsFixedNumber(f[4].str(), 4) || !IsFixedNumber(f[6].str(), 5) ||
        !IsNmeaMinutes(f[4].str(), 2) || !IsNmeaMinutes(f[6].str(), 3) || !IsHemisphere(f[5].str(), L"NS") ||
        !IsHemisphere(f[7].str(), L"EW") || f[8].Left(3) != L"EHT")
        return 0;
    const double lat = NmeaAngle(f[4].str(), 2, f[5].str());
    const double lon = NmeaAngle(f[6].str(), 3, f[7].str());
    const double height = FieldDouble(f[8].Mid(3));
    if (!IsLatitude(lat) || !IsLongitude(lon) || !IsBaseHeight(height)) return 0;
    if (!(NmeaAngle(f[4].str(), 2, L"") > 0)) return 0;
    frame_.Wgs84BlhToXyz(lat, lon, height, &state.baseX, &state.baseY, &state.baseZ);
    if (workMode_ == 1) {
        state.latitude = lat;
        state.longitude = lon;
        state.height = height;
    }
    return 1;
}

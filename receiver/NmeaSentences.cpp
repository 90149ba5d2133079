// The NMEA sentences of the receiver: GGA, GSA, GSV, GST and ZDA. Each sentence is read whole into
// locals and checked before the state changes, so a refused sentence leaves no trace. Field counts are
// checked as well (by the table in CGpsParser.cpp): two dropped or doubled commas leave the XOR check
// as it was.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string_view>

#include "receiver/CGpsParser.h"
#include "receiver/ReceiverProtocol.h"
#include "receiver/SentenceFields.h"

namespace {

constexpr int kSatellitesPerMessage = 4;
constexpr int kMaxSignal = 51;
constexpr size_t kGsvFieldCount = 4 + 4 * kSatellitesPerMessage;
constexpr int kMaxInView = 99;  // a two-digit field
constexpr int kMaxSatelliteNumber = 999;
constexpr int kMaxGgaQuality = 8;  // 0 none to 8 simulation
constexpr int kMaxAzimuth = 360;
constexpr int kMaxElevation = 90;
constexpr int kMaxSignalField = 99;  // a two-digit field

// The numbers of a GSV sentence's fields up to its last satellite's, 0 for an empty or missing one;
// false when the message number or the satellites in view is no number, or a satellite field of the
// first `size` is neither empty (untracked) nor a number in its range.
using GsvNumbers = std::array<int, kGsvFieldCount>;
bool ReadGsvNumbers(const FieldViews& f, size_t size, GsvNumbers& numbers) {
    static constexpr struct {
        int low;
        int high;
    } kRanges[] = {
        {0, kMaxSatelliteNumber}, {-kMaxElevation, kMaxElevation}, {0, kMaxAzimuth}, {0, kMaxSignalField}};
    numbers.fill(0);
    const std::optional<int> message = CheckedInt(f[2]);
    const std::optional<int> inView = CheckedInt(f[3]);
    if (!message || !inView) return false;
    numbers[2] = *message;
    numbers[3] = *inView;
    for (size_t i = 4; i < size && i < kGsvFieldCount; ++i) {
        const std::optional<int> value = OptionalInt(f[i], 0);
        if (!value || *value < kRanges[(i - 4) % 4].low || *value > kRanges[(i - 4) % 4].high) return false;
        numbers[i] = *value;
    }
    return true;
}

bool InList(int number, const std::array<int32_t, CGpsState::kMaxSatellites>& list, int count) {
    const int n = std::clamp(count, 0, CGpsState::kMaxSatellites);
    return std::find(list.begin(), list.begin() + n, number) != list.begin() + n;
}

void StoreTime(const TimeOfDay& time, CGpsState& state) {
    state.hour = time.hour;
    state.minute = time.minute;
    state.second = time.second;
}

// After its first four fields a GSV sentence has four per satellite, and may end in a signal field (its
// row in the sentence table bounds the count to 4 to kGsvFieldCount + 1).
bool IsGsvFieldCount(size_t count) {
    return (count - 4) % 4 <= 1;
}

// The twelve used-satellite fields of a GSA sentence, each a satellite number or kUnused for an empty one.
constexpr int kUnused = -1;
using UsedSatellites = std::array<int, 12>;

// A DOP field of a GSA sentence in fix mode `mode` (1 none, 2 two-dimensional, 3 three-dimensional):
// a DOP (DopField), or empty where the mode has no such DOP (none without a fix, no vertical one in
// two dimensions), which reads as 0, none.
double GsaDop(std::string_view field, int mode, bool vertical) {
    const bool mayBeEmpty = mode == 1 || (mode == 2 && vertical);
    if (mayBeEmpty && field.empty()) return 0.0;
    return DopField(field);
}

// The system of NMEA 4.1, the 19th field of a GSA sentence: one hex digit, 1 (GPS) to F.
bool IsSystemId(std::string_view field) {
    return field.size() == 1 &&
           ((field[0] >= '1' && field[0] <= '9') || (field[0] >= 'A' && field[0] <= 'F'));
}

// The unit of a number field's last digit: 0.01 for "1.05", 1 for "2".
double LastDigitUnit(std::string_view field) {
    const size_t point = field.find('.');
    double unit = 1.0;
    for (size_t i = point == std::string_view::npos ? field.size() : point + 1; i < field.size(); ++i)
        unit /= 10.0;
    return unit;
}

// A three-dimensional fix's DOPs hold PDOP^2 = HDOP^2 + VDOP^2. Each written DOP may be off by a unit
// of its last digit, and a receiver that caps its DOPs writes the PDOP no larger than the cap: it fits
// when it is at least the larger of the other two and at most their root sum of squares. DOPs shifted
// by a field inserted before them (the PDOP read from a satellite field, the HDOP from the PDOP) do not.
bool DopsFit(const FieldViews& f, double pdop, double hdop, double vdop) {
    const double p = LastDigitUnit(f[15]);
    const double h = LastDigitUnit(f[16]);
    const double v = LastDigitUnit(f[17]);
    return pdop + p >= std::max(hdop - h, vdop - v) && pdop - p <= std::hypot(hdop + h, vdop + v);
}

// $--GSA,mode,fix,(12 satellites),pdop,hdop,vdop,[system]*hh
//        1    2   3-14            15   16   17   18
// The used satellites into `used` and the DOPs stored; false, and the state untouched, when the
// sentence is refused: a fix mode or satellite that is no number, a DOP that is no DOP (DopField), or a
// system that is none or follows DOPs of a three-dimensional fix that do not fit each other: a field
// inserted elsewhere would shift the DOPs into the wrong places.
bool ReadGsa(const FieldViews& f, CGpsState& state, UsedSatellites& used) {
    const bool hasSystem = f.Count() > 18;
    if (hasSystem && !IsSystemId(f[18])) return false;
    for (size_t i = 0; i < used.size(); ++i) {
        const std::optional<int> number = OptionalInt(f[3 + i], kUnused);
        if (!number || *number < kUnused || *number > kMaxSatelliteNumber) return false;
        // "-1" is no satellite number: only an empty field reads as unused.
        if (*number == kUnused && !f[3 + i].empty()) return false;
        used[i] = *number;
    }
    const int mode = CheckedInt(f[2]).value_or(0);
    if (mode < 1 || mode > 3) return false;
    const double pdop = GsaDop(f[15], mode, false);
    const double hdop = GsaDop(f[16], mode, false);
    const double vdop = GsaDop(f[17], mode, true);
    if (!AllFinite({pdop, hdop, vdop})) return false;
    if (hasSystem && mode == 3 && !DopsFit(f, pdop, hdop, vdop)) return false;
    state.pdop = pdop;
    state.hdop = hdop;
    state.vdop = vdop;
    return true;
}

// The used satellites into `list` (an unused one leaves its entry); how many were read.
int ReadUsedList(const UsedSatellites& used, std::array<int32_t, CGpsState::kMaxSatellites>& list) {
    int count = 0;
    for (size_t i = 0; i < used.size(); ++i) {
        if (used[i] == kUnused) continue;
        list[i] = used[i];
        ++count;
    }
    return count;
}

}  // namespace

bool CGpsParser::TakesGgaUnread() const {
    const int board = settings_.boardType;
    return board == kBoardUnknown || board == kBoardOemV || board == kBoardOld ||
           (board == kBoardEclipse && settings_.baseFlag == 1);
}

// $GPGGA,time,lat,N,lon,E,quality,used,hdop,alt,unit,sep,unit,age,station*hh
//        1    2   3 4   5 6       7    8    9   10   11  12   13  14
int CGpsParser::ParseGga(const FieldViews& f, CGpsState& state) {
    TimeOfDay time;
    const bool hasTime = !f[1].empty();
    if (hasTime && !ReadTimeOfDay(f[1], settings_.timeZone, &time)) return 0;
    double latitude = 0.0;
    double longitude = 0.0;
    if (!ReadNmeaAngle(f[2], 2, f[3], &latitude) || !ReadNmeaAngle(f[4], 3, f[5], &longitude)) return 0;
    // Fields a fix leaves empty read as none: the age without corrections, the separation of a
    // receiver that reports ellipsoidal heights; anything else in them must be a number.
    const std::optional<int> quality = CheckedInt(f[6]);
    const double age = OptionalDouble(f[13], 0.0);
    const double separation = OptionalDouble(f[11], 0.0);
    const double hdop = f[8].empty() ? 1.0 : DopField(f[8]);
    if (!quality || *quality < 0 || *quality > kMaxGgaQuality || !IsQuality(age) || std::isnan(hdop) ||
        !IsHeight(separation))
        return 0;
    const double height = FieldDouble(f[9]) + separation;
    if (*quality != 0 && !(IsHemisphere(f[3], "NS") && IsHemisphere(f[5], "EW") && IsLatitude(latitude) &&
                           IsLongitude(longitude) && IsHeight(height)))
        return 0;

    if (hasTime) {
        StoreTime(time, state);
        lineUtcMs_ = time.utcMs;
    }
    state.diffAge = TruncInt(age);
    StoreText(f[14], state.baseId);
    switch (*quality) {
        case 0:
            StoreText(state.gpsUsedCount > 4 ? L"SINGLE" : L"NONE", state.solutionText);
            state.solutionCode = kSolNone;
            return 1;
        case 1:
            StoreText(L"SINGLE", state.solutionText);
            state.solutionCode = kSolSingle;
            break;
        case 2:
            StoreText(L"DGPS", state.solutionText);
            state.solutionCode = kSolPsrDiff;
            break;
        case 4:
            StoreText(L"FIXED", state.solutionText);
            state.solutionCode = kSolFixed;
            break;
        default:
            StoreText(L"FLOAT", state.solutionText);
            state.solutionCode = kSolWideInt;
            break;
    }
    state.geoidSeparation = separation;
    state.latitude = latitude;
    state.longitude = longitude;
    state.height = height;
    return 1;
}

// As ReadGsa: the GPS satellites used.
int CGpsParser::ParseGsa(const FieldViews& f, CGpsState& state) {
    UsedSatellites used;
    if (!ReadGsa(f, state, used)) return 0;
    std::fill(state.gpsUsedList.begin(), state.gpsUsedList.begin() + 12, 0);
    state.gpsUsedCount = ReadUsedList(used, state.gpsUsedList);
    return 1;
}

// As ReadGsa: the satellites of the constellation of the first one.
int CGpsParser::ParseGnGsa(const FieldViews& f, CGpsState& state) {
    UsedSatellites used;
    if (!ReadGsa(f, state, used)) return 0;
    const bool gps = used[0] >= 1 && used[0] <= 32;
    auto& list = gps ? state.gpsUsedList : state.gloUsedList;
    // An empty first field counts as GLONASS and keeps the list's earlier entries.
    if (used[0] != kUnused) std::fill(list.begin(), list.begin() + 12, 0);
    (gps ? state.gpsUsedCount : state.gloUsedCount) = ReadUsedList(used, list);
    return 1;
}

// Board type 5 stages both constellations' satellites in one table.
int CGpsParser::ParseGpGsv(const FieldViews& f, CGpsState& state) {
    return settings_.boardType == kBoardOemT ? ParseGsvStaged(f, state) : ParseGsv(f, state, false);
}

int CGpsParser::ParseGlGsv(const FieldViews& f, CGpsState& state) {
    return settings_.boardType == kBoardOemT ? ParseGsvStaged(f, state) : ParseGsv(f, state, true);
}

// $--GSV,messages,message,inView,sat,elev,azim,signal,(3 more satellites),[signal id]*hh
//        1        2       3      4   5    6    7      8-19                20
int CGpsParser::ParseGsv(const FieldViews& f, CGpsState& state, bool glonass) {
    size_t size = f.Count();
    GsvNumbers n;
    if (!IsGsvFieldCount(size) || !ReadGsvNumbers(f, size, n)) return 0;
    // Missing GPS fields clear their entries; GLONASS reads them as empty.
    if (glonass || size > kGsvFieldCount) size = kGsvFieldCount;
    const int message = n[2];
    const int inView = n[3];
    // A message number below 1 would address entries before the array.
    if (message < 1 || inView < 0 || inView > kMaxInView) return 0;
    if (message - 1 > inView / kSatellitesPerMessage) return 0;
    (glonass ? state.gloInView : state.gpsInView) = inView;
    auto& satellites = glonass ? state.gloSatellites : state.gpsSatellites;
    const auto& used = glonass ? state.gloUsedList : state.gpsUsedList;
    const int usedCount = glonass ? state.gloUsedCount : state.gpsUsedCount;
    // Messages beyond the 20 entries are taken and dropped.
    if (message > CGpsState::kMaxSatellites / kSatellitesPerMessage) return 1;
    for (int k = 0; k < kSatellitesPerMessage; ++k) {
        const int entry = kSatellitesPerMessage * (message - 1) + k;
        GpsSatellite& sat = satellites[entry];
        const size_t field = static_cast<size_t>(4 + 4 * k);
        if (field >= size) {
            sat.Reset();
            sat.used = 0;
            continue;
        }
        const int reported = n[field];
        sat.number = glonass ? (reported > INT32_MIN + 27 ? reported - 27 : INT32_MIN) : reported;
        sat.elevation = n[field + 1];
        sat.azimuth = n[field + 2];
        sat.signal = std::min(n[field + 3], kMaxSignal);
        sat.used = InList(reported, used, usedCount) ? 1 : 0;
    }
    return 1;
}

// The same fields, into the staging table from which both constellations' tables are made.
int CGpsParser::ParseGsvStaged(const FieldViews& f, CGpsState& state) {
    const size_t size = f.Count();
    GsvNumbers n;
    // Fields past the last read as empty.
    if (!IsGsvFieldCount(size) || !ReadGsvNumbers(f, size, n)) return 0;
    const int message = n[2];
    if (message < 1 || message > kStagingEntries / kSatellitesPerMessage) return 0;
    for (int k = 0; k < kSatellitesPerMessage; ++k) {
        StagedSatellite& staged = staging_[static_cast<size_t>(kSatellitesPerMessage * (message - 1) + k)];
        const size_t first = static_cast<size_t>(4 + 4 * k);
        staged = {n[first], n[first + 1], n[first + 2], n[first + 3]};
    }
    int gps = 0;
    int glo = 0;
    for (const StagedSatellite& staged : staging_) {
        if (staged.number <= 0) continue;
        const bool isGps = staged.number <= 32;
        int& count = isGps ? gps : glo;
        if (count >= CGpsState::kMaxSatellites) continue;
        GpsSatellite& sat = (isGps ? state.gpsSatellites : state.gloSatellites)[static_cast<size_t>(count++)];
        sat.number = isGps ? staged.number : staged.number - 27;
        sat.elevation = staged.elevation;
        sat.azimuth = staged.azimuth;
        sat.signal = std::min(staged.signal, kMaxSignal);
        sat.used = isGps ? InList(staged.number, state.gpsUsedList, state.gpsUsedCount)
                         : InList(staged.number, state.gloUsedList, state.gloUsedCount);
    }
    state.gpsInView = gps;
    state.gloInView = glo;
    return 1;
}

// $--GST,time,rms,major,minor,orient,latSigma,lonSigma,heightSigma*hh
//        1    2   3     4     5      6        7        8
int CGpsParser::ParseGst(const FieldViews& f, CGpsState& state) {
    TimeOfDay time;
    const bool baseTime = workMode_ == 1 && !f[1].empty();
    if (baseTime && !ReadTimeOfDay(f[1], settings_.timeZone, &time)) return 0;
    const double rmsH = FieldDouble(f[6]);
    const double rmsV = FieldDouble(f[8]);
    if (!IsQuality(rmsH) || !IsQuality(rmsV)) return 0;
    if (baseTime) {
        StoreTime(time, state);
        lineUtcMs_ = time.utcMs;
    }
    state.rmsH = rmsH;
    state.rmsV = rmsV;
    return 1;
}

// $GPZDA,time,day,month,year,zoneHours,zoneMinutes*hh
//        1    2   3     4    5         6
int CGpsParser::ParseZda(const FieldViews& f, CGpsState& state) {
    const int year = CheckedInt(f[4]).value_or(0);
    const int month = CheckedInt(f[3]).value_or(0);
    const int day = CheckedInt(f[2]).value_or(0);
    TimeOfDay time;
    if (!ReadTimeOfDay(f[1], 0, &time) || !IsDate(year, month, day)) return 0;
    state.year = year;
    state.month = month;
    state.day = day;
    StoreTime(time, state);
    lineUtcMs_ = time.utcMs;
    return 1;
}

// The NMEA sentences of the receiver: GGA, GSA, GSV, GST and ZDA.
#include <algorithm>
#include <cstdint>

#include "receiver/CGpsParser.h"
#include "receiver/IFrameServices.h"
#include "receiver/SentenceFields.h"

namespace {

constexpr int kSatellitesPerMessage = 4;
constexpr int kMaxSignal = 51;

// The time of day of an "hhmmss.ss" field with `zone` hours added; false when the field is too short.
bool ReadTimeOfDay(const CString& field, int zone, CGpsState& state) {
    if (field.GetLength() < 6) return false;
    state.hour = WrapHour(FieldInt(field.Mid(0, 2)) + zone);
    state.minute = FieldInt(field.Mid(2, 2));
    state.second = TruncInt(FieldDouble(field.Mid(4)));
    return true;
}

bool InList(int number, const std::array<int32_t, CGpsState::kMaxSatellites>& list, int count) {
    const int n = std::clamp(count, 0, CGpsState::kMaxSatellites);
    return std::find(list.begin(), list.begin() + n, number) != list.begin() + n;
}

}  // namespace

int CGpsParser::ParseGga(const CString& line, CGpsState& state) {
    const int board = BoardType();
    if (board == 0 || board == 1 || board == 3 || (board == 2 && frame_.BaseFlag() == 1)) return 1;
    CString sentence;
    if (!CheckNmeaFraming(line, &sentence)) return 0;
    const std::vector<CString> f = SplitFields(sentence, L',', 15);
    ReadTimeOfDay(f[1], timeZone_, state);
    const int quality = FieldInt(f[6]);
    if (board != 1) state.diffAge = TruncInt(FieldDouble(f[13]));
    state.baseId = f[14].SpanExcluding(L"*");
    switch (quality) {
        case 0:
            state.solutionText = state.gpsUsedCount > 4 ? L"SINGLE" : L"NONE";
            state.solutionCode = kSolNone;
            return 1;
        case 1:
            state.solutionText = L"SINGLE";
            state.solutionCode = kSolSingle;
            break;
        case 2:
            state.solutionText = L"DGPS";
            state.solutionCode = kSolPsrDiff;
            break;
        case 4:
            state.solutionText = L"FIXED";
            state.solutionCode = kSolFixed;
            break;
        default:
            state.solutionText = L"FLOAT";
            state.solutionCode = kSolWideInt;
            break;
    }
    state.geoidSeparation = FieldDouble(f[11]);
    state.latitude = NmeaAngle(f[2], 2, f[3]);
    state.longitude = NmeaAngle(f[4], 3, f[5]);
    state.height = FieldDouble(f[9]) + state.geoidSeparation;
    return 1;
}

int CGpsParser::ParseGsa(const CString& line, CGpsState& state) {
    CString sentence;
    if (!CheckNmeaFraming(line, &sentence)) return 0;
    const std::vector<CString> f = SplitFields(sentence, L',', 18);
    state.pdop = FieldDouble(f[15]);
    state.hdop = FieldDouble(f[16]);
    state.vdop = FieldDouble(f[17]);
    std::fill(state.gpsUsedList.begin(), state.gpsUsedList.begin() + 12, 0);
    int count = 0;
    for (int i = 0; i < 12; ++i) {
        if (f[3 + i].IsEmpty()) continue;
        state.gpsUsedList[i] = FieldInt(f[3 + i]);
        ++count;
    }
    state.gpsUsedCount = count;
    return 1;
}

int CGpsParser::ParseGnGsa(const CString& line, CGpsState& state) {
    CString sentence;
    if (!CheckNmeaFraming(line, &sentence)) return 0;
    const std::vector<CString> f = SplitFields(sentence, L',', 18);
    state.pdop = FieldDouble(f[15]);
    state.hdop = FieldDouble(f[16]);
    state.vdop = FieldDouble(f[17]);
    const int first = FieldInt(f[3]);
    const bool gps = !f[3].IsEmpty() && first >= 1 && first <= 32;
    auto& list = gps ? state.gpsUsedList : state.gloUsedList;
    // An empty first field counts as GLONASS and keeps the list's earlier entries.
    if (!f[3].IsEmpty()) std::fill(list.begin(), list.begin() + 12, 0);
    int count = 0;
    for (int i = 0; i < 12; ++i) {
        if (f[3 + i].IsEmpty()) continue;
        list[i] = FieldInt(f[3 + i]);
        ++count;
    }
    (gps ? state.gpsUsedCount : state.gloUsedCount) = count;
    return 1;
}

int CGpsParser::ParseGsv(const CString& line, CGpsState& state, bool glonass) {
    CString sentence;
    if (!CheckNmeaFraming(line, &sentence)) return 0;
    const std::vector<CString> f = SplitFields(sentence, L',', glonass ? 20 : -1);
    const int message = FieldInt(f.size() > 2 ? f[2] : CString());
    const int inView = FieldInt(f.size() > 3 ? f[3] : CString());
    // A message number below 1 would address entries before the array.
    if (message < 1) return 0;
    (glonass ? state.gloInView : state.gpsInView) = inView;
    if (message - 1 > inView / kSatellitesPerMessage) return 0;
    auto& satellites = glonass ? state.gloSatellites : state.gpsSatellites;
    const auto& used = glonass ? state.gloUsedList : state.gpsUsedList;
    const int usedCount = glonass ? state.gloUsedCount : state.gpsUsedCount;
    // Messages beyond the 20 entries are taken and dropped.
    if (message > CGpsState::kMaxSatellites / kSatellitesPerMessage) return 1;
    for (int k = 0; k < kSatellitesPerMessage; ++k) {
        const int entry = kSatellitesPerMessage * (message - 1) + k;
        GpsSatellite& sat = satellites[entry];
        const size_t field = static_cast<size_t>(4 + 4 * k);
        if (field >= f.size()) {
            sat.Reset();
            sat.used = 0;
            continue;
        }
        const int reported = FieldInt(f[field]);
        sat.number = glonass ? (reported > INT32_MIN + 27 ? reported - 27 : INT32_MIN) : reported;
        sat.elevation = field + 1 < f.size() ? FieldInt(f[field + 1]) : 0;
        sat.azimuth = field + 2 < f.size() ? FieldInt(f[field + 2]) : 0;
        sat.signal = field + 3 < f.size() ? std::min(FieldInt(f[field + 3]), kMaxSignal) : 0;
        sat.used = InList(reported, used, usedCount) ? 1 : 0;
    }
    return 1;
}

int CGpsParser::ParseGsvStaged(const CString& line, CGpsState& state) {
    CString sentence;
    if (!CheckNmeaFraming(line, &sentence)) return 0;
    const std::vector<CString> f = SplitFields(sentence, L',');
    const int message = FieldInt(f.size() > 2 ? f[2] : CString());
    if (message < 1 || message > kStagingEntries / kSatellitesPerMessage) return 0;
    auto field = [&](size_t i) { return i < f.size() ? FieldInt(f[i]) : 0; };
    for (int k = 0; k < kSatellitesPerMessage; ++k) {
        StagedSatellite& staged = staging_[static_cast<size_t>(kSatellitesPerMessage * (message - 1) + k)];
        const size_t first = static_cast<size_t>(4 + 4 * k);
        staged = {field(first), field(first + 1), field(first + 2), field(first + 3)};
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

int CGpsParser::ParseGst(const CString& line, CGpsState& state) {
    const std::vector<CString> f = SplitFields(line.SpanExcluding(L"*"), L',', 9);
    if (workMode_ == 1) ReadTimeOfDay(f[1], frame_.GeneralSettings().connection.nTimeZone, state);
    state.rmsH = FieldDouble(f[6]);
    state.rmsV = FieldDouble(f[8]);
    return 1;
}

int CGpsParser::ParseZda(const CString& line, CGpsState& state) {
    const std::vector<CString> f = SplitFields(line, L',', 7);
    state.year = FieldInt(f[4]);
    state.month = FieldInt(f[3]);
    state.day = FieldInt(f[2]);
    const double t = FieldDouble(f[1]);
    state.hour = TruncInt(t / 10000);
    state.minute = TruncInt((t - 10000.0 * state.hour) / 100);
    state.second = TruncInt(t - 10000.0 * state.hour - 100.0 * state.minute);
    return 1;
}

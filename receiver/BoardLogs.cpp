// The receiver board's own ASCII logs ("#...*crc") and the base position replies.
#include <cstdint>

#include "receiver/CGpsParser.h"
#include "receiver/IFrameServices.h"
#include "receiver/SentenceFields.h"

namespace {

constexpr int kBestPosFields = 30;
constexpr int64_t kSecondsPerDay = 86400;

// True when the check text after "*" contains the CRC of `body` as "%lx", both upper case.
bool CrcMatches(const CString& body, const CString& checkText) {
    CString crc;
    crc.Format(L"%lx", CGpsParser::Crc32(body.GetLength(), body.c_str()));
    CString received = checkText;
    return received.MakeUpper().Find(crc.MakeUpper()) >= 0;
}

CString StripQuotes(const CString& field) {
    CString text = field;
    text.Remove(L'"');
    return text;
}

}  // namespace

uint32_t CGpsParser::Crc32(int length, const wchar_t* text) {
    uint32_t crc = 0;
    for (int i = 0; i < length; ++i) {
        crc ^= static_cast<uint32_t>(text[i]) & 0xFF;
        for (int bit = 0; bit < 8; ++bit) crc = (crc & 1) ? (crc >> 1) ^ 0xEDB88320u : crc >> 1;
    }
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
                                !extStatusVerified_ && frame_.BoardFirmwareVersion() >= 3.2;
        state.solutionCode = unverified ? kSolWideInt : kSolFixed;
        state.solutionText = unverified ? L"FLOAT" : L"FIXED";
        return;
    }
    state.solutionCode = kSolNfix;
    state.solutionText = L"NFIX";
}

// GPS seconds of the week as the local time of day (no leap seconds: the boards' own rule). The date
// stays with ZDA, which reports it in UTC.
void CGpsParser::SetBestPosTime(const CString& secondsOfWeek, CGpsState& state) const {
    const int64_t seconds = TruncInt(FieldDouble(secondsOfWeek));
    const int64_t local =
        ((seconds % kSecondsPerDay + static_cast<int64_t>(timeZone_) * 3600) % kSecondsPerDay +
         kSecondsPerDay) %
        kSecondsPerDay;
    state.hour = static_cast<int>(local / 3600);
    state.minute = static_cast<int>(local / 60 % 60);
    state.second = static_cast<int>(local % 60);
}

int CGpsParser::ParseBestPos(const CString& line, CGpsState& state) {
    const int hash = line.Find(L'#');
    if (hash < 0) return 0;
    const CString log = line.Mid(hash);
    const int star = log.Find(L'*');
    if (star < 0 || log.GetLength() - star < 2) return 0;
    if (!CrcMatches(log.Mid(1, star - 1), log.Mid(star + 1))) return 0;
    const std::vector<CString> f = SplitFields(log, L',', kBestPosFields);
    SetBestPosTime(f[6], state);
    if (!f[27].IsEmpty()) {
        extStatusPresent_ = 1;
        extStatusVerified_ = f[27] == L"01" ? 1 : 0;
    }
    SetPositionType(f[10], state);
    state.rmsH = FieldDouble(f[16]);
    state.rmsV = FieldDouble(f[18]);
    state.latitude = FieldDouble(f[11]);
    state.longitude = FieldDouble(f[12]);
    state.geoidSeparation = FieldDouble(f[14]);
    state.height = FieldDouble(f[13]) + state.geoidSeparation;
    state.diffAge = TruncInt(FieldDouble(f[20]));
    return 1;
}

int CGpsParser::ParseRefStation(const CString& line, CGpsState& state) {
    const int star = line.Find(L'*');
    if (star < 0 || line.GetLength() - star < 2) return 0;
    if (!CrcMatches(line.Mid(1, star - 1), line.Mid(star + 1))) return 0;
    const std::vector<CString> f = SplitFields(line, L',', kBestPosFields);
    state.baseX = FieldDouble(f[10]);
    state.baseY = FieldDouble(f[11]);
    state.baseZ = FieldDouble(f[12]);
    state.baseType = f[14];
    CString id = f[15];
    if (!id.IsEmpty() && id[0] == L'"') id = id.Mid(1);
    state.baseId = id.SpanExcluding(L"\"");
    return 1;
}

int CGpsParser::ParseVersionLog(const CString& line) {
    const std::vector<CString> f = SplitFields(line, L',', 15);
    // Real boards quote the field ("3.000A19").
    frame_.BoardFirmwareVersion() = FieldDouble(StripQuotes(f[14]));
    frame_.VersionQueryPending() = 0;
    return 1;
}

int CGpsParser::ParseJrtk(const CString& line, CGpsState& state) {
    const std::vector<CString> f = SplitFields(line, L',', 10);
    if (f[1] != L"17" && f[1] != L"1") return 0;
    if (f[2].Find(L"FAILED") >= 0) return 0;
    const double lat = FieldDouble(f[2]);
    const double lon = FieldDouble(f[3]);
    const double height = FieldDouble(f[4]);
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
    const std::vector<CString> f = SplitFields(sentence, L',', 10);
    if (!(NmeaAngle(f[4], 2, L"") > 0)) return 0;
    const double lat = NmeaAngle(f[4], 2, f[5]);
    const double lon = NmeaAngle(f[6], 3, f[7]);
    const double height = FieldDouble(f[8].Mid(3));
    frame_.Wgs84BlhToXyz(lat, lon, height, &state.baseX, &state.baseY, &state.baseZ);
    if (workMode_ == 1) {
        state.latitude = lat;
        state.longitude = lon;
        state.height = height;
    }
    return 1;
}

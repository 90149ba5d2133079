#include "receiver/GgaRecord.h"

#include <cmath>
#include <optional>

#include "receiver/SentenceFields.h"

namespace {

constexpr double kMinutesToDegrees = 0.016666666666666666;

double Angle(const CString& field, int degreeDigits, const CString& hemisphere) {
    const double value =
        FieldInt(field.Left(degreeDigits)) + FieldDouble(field.Mid(degreeDigits)) * kMinutesToDegrees;
    const wchar_t h = hemisphere.IsEmpty() ? L' ' : hemisphere[0];
    return (h == L'S' || h == L'W') ? -value : value;
}

}  // namespace

void GgaRecord::Clear() {
    valid = 0;
    satellites = 0;
    hdop = 99.0;
    counter = 0;
    sentence.Empty();
    sourceLine.Empty();
}

void ParseGga(const CString& line, GgaRecord& out, GgaRecord& frameRecord) {
    const int at = line.Find(L"GPGGA");
    if (at < 0) {
        frameRecord.valid = 0;
        return;
    }
    CString sentence = L"$" + line.Mid(at);
    const std::vector<CString> f = SplitFields(sentence.Mid(7), L',', 14);
    const double latitude = Angle(f[1], 2, f[2]);
    const double longitude = Angle(f[3], 3, f[4]);
    const double hdop = DopField(f[7].str());
    const std::optional<int> quality = CheckedInt(f[5].str());
    const std::optional<int> satellites = CheckedInt(f[6].str());
    // A damaged sentence is neither kept nor uploaded.
    if (f[1].IsEmpty() || f[3].IsEmpty() || !IsPlainLine(sentence) ||
        !CheckNmeaFraming(sentence, &sentence) || !IsFixedNumber(f[1].str(), 4) ||
        !IsFixedNumber(f[3].str(), 5) || !IsNmeaMinutes(f[1].str(), 2) || !IsNmeaMinutes(f[3].str(), 3) ||
        !IsHemisphere(f[2].str(), L"NS") || !IsHemisphere(f[4].str(), L"EW") || !IsLatitude(latitude) ||
        !IsLongitude(longitude) || std::isnan(hdop) || !quality || !satellites) {
        frameRecord.valid = 0;
        return;
    }
    out.latitude = latitude;
    out.longitude = longitude;
    out.quality = *quality;
    out.satellites = *satellites;
    out.hdop = hdop;
    out.valid = 1;
    out.sentence = sentence;
}

void RefreshGgaRecord(GgaRecord candidate, GgaRecord& record, double gsmSendDisInterval) {
    if (!candidate.valid) return;
    bool replace = !record.valid || record.quality != candidate.quality;
    if (!replace) {
        const double k = std::trunc(gsmSendDisInterval * 0.03333333333333333);
        replace = std::fabs(candidate.latitude - record.latitude) > k ||
                  std::fabs(candidate.longitude - record.longitude) > k ||
                  (record.satellites < candidate.satellites && candidate.hdop < record.hdop);
    }
    if (replace) record = candidate;
}

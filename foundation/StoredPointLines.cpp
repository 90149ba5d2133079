#include "foundation/StoredPointLines.h"

#include <vector>

#include "foundation/CoordLibFile.h"
#include "foundation/JobResultFiles.h"
#include "foundation/PointLines.h"
#include "platform/text/Format.h"
#include "platform/text/Numbers.h"

namespace {

constexpr int kPointFileColumns = 36;
// The last field a raw record holds whole: the fix's date.
constexpr int kRawDateField = 12;
constexpr int kSideStake = 2;
// fixTexts holds the columns 7, 8, 9, 10, 11, 13, 12 in this order.
enum FixText { kSolution, kRmsH, kRmsV, kSatellites, kPdop, kDate, kTime };

bool Storable(const CString& text) {
    return text.Find(L',') < 0 && text.Find(L'\r') < 0 && text.Find(L'\n') < 0;
}

// Columns 17-33: the same fields in the point-file and the raw line.
CString AttributeColumns(const SurveyPointRec& p) {
    return Format(L"%d,%.2f,%d,%d,%.3f,%d,%.3f,%s,%s,%.3f,%s,%s,%.3f,%.3f,%s,%s,%s,", p.surveyType, p.value18,
                  p.int19, p.int20, p.value21, p.int22, p.value23, p.text24, p.text25, p.value26, p.text27,
                  p.text28, p.value29, p.value30, p.text31, p.text32, p.text33);
}

CString TrailingTexts(const SurveyPointRec& p) {
    return Format(L"%s,%s,", p.tail1, p.tail2);
}

CString TimeText(const CGpsState& fix) {
    return Format(L"%02d:%02d:%02d", fix.hour, fix.minute, fix.second);
}

CString DateText(const CGpsState& fix) {
    return Format(L"%d-%02d-%02d", fix.year, fix.month, fix.day);
}

CString TailText(const RawStoreTail& t) {
    switch (t.mode) {
        case 1:
            return Format(L"%d,%.3f,%.3f,%.8f,", 1, t.offsetDistance, t.offsetHeight, t.offsetAngle);
        case 2:
            return Format(L"%d,%d,%d,%d,", 2, t.smoothTarget, t.smoothAchieved, t.epochIndex);
        case 3:
            return Format(L"%d,%d,%.3f,", 3, t.autoValue, t.autoInterval);
        default:
            return L"0,";
    }
}

std::vector<CString> SplitAtCommas(const CString& line) {
    std::vector<CString> fields;
    int start = 0;
    for (int comma = line.Find(L','); comma >= 0; start = comma + 1, comma = line.Find(L',', start))
        fields.push_back(line.Mid(start, comma - start));
    fields.push_back(line.Mid(start));
    return fields;
}

}  // namespace

bool PointTextsStorable(const SurveyPointRec& p) {
    for (const CString* text : {&p.name, &p.code, &p.text24, &p.text25, &p.text27, &p.text28, &p.text31,
                                &p.text32, &p.text33, &p.tail1, &p.tail2})
        if (!Storable(*text)) return false;
    for (const CString& text : p.fixTexts)
        if (!Storable(text)) return false;
    return true;
}

void TakeFix(SurveyPointRec& p, const CGpsState& fix) {
    p.pointX = fix.gridX;
    p.pointY = fix.gridY;
    p.pointH = fix.gridH - p.antennaHeight;
    p.fixTexts[kSolution] = Format(L"%d", fix.solutionCode);
    p.fixTexts[kRmsH] = Format(L"%.3f", fix.rmsH);
    p.fixTexts[kRmsV] = Format(L"%.3f", fix.rmsV);
    p.fixTexts[kSatellites] = Format(L"%02d", fix.gpsUsedCount);
    p.fixTexts[kPdop] = Format(L"%.2f", fix.pdop);
    p.fixTexts[kDate] = DateText(fix);
    p.fixTexts[kTime] = TimeText(fix);
    if (p.pointKind == kSideStake) {
        p.text27 = p.refText;
        p.text28 = Format(L"%d", p.refNumber);
        p.value30 = p.pointH - p.refHeight;
    }
}

std::optional<CString> PointFileLine(const SurveyPointRec& p) {
    if (!PointTextsStorable(p)) return std::nullopt;
    const auto& f = p.fixTexts;
    return Format(L"%s,%.3f,%.3f,%.3f,%s,%.3f,%s,%s,%s,%s,%s,%s,%s,%d,%d,%d,", p.name, p.pointX, p.pointY,
                  p.pointH, p.code, p.antennaHeight, f[kSolution], f[kRmsH], f[kRmsV], f[kSatellites],
                  f[kPdop], f[kTime], f[kDate], p.int14, p.pointKind, p.storeFormat) +
           AttributeColumns(p) + Format(L"%d,", p.int34) + TrailingTexts(p) + L"\r\n";
}

SurveyPointRec ReadListedPointLine(CString line) {
    SurveyPointRec point;
    for (int pad = 0; !ReadPointFileLine(line, point) && pad < kPointFileColumns; ++pad) line += L",";
    return point;
}

bool ReadPointFileLine(const CString& line, SurveyPointRec& p) {
    const std::vector<CString> c = SplitAtCommas(line);
    if (c.size() < kPointFileColumns) return false;
    p.name = c[0];
    p.pointX = ToDouble(c[1]);
    p.pointY = ToDouble(c[2]);
    p.pointH = ToDouble(c[3]);
    p.code = c[4];
    p.antennaHeight = ToDouble(c[5]);
    p.fixTexts = {c[6], c[7], c[8], c[9], c[10], c[12], c[11]};
    p.int14 = ToInt(c[13]);
    p.pointKind = ToInt(c[14]);
    p.storeFormat = ToInt(c[15]);
    p.surveyType = ToInt(c[16]);
    p.value18 = ToDouble(c[17]);
    p.int19 = ToInt(c[18]);
    p.int20 = ToInt(c[19]);
    p.value21 = ToDouble(c[20]);
    p.int22 = ToInt(c[21]);
    p.value23 = ToDouble(c[22]);
    p.text24 = c[23];
    p.text25 = c[24];
    p.value26 = ToDouble(c[25]);
    p.text27 = c[26];
    p.text28 = c[27];
    p.value29 = ToDouble(c[28]);
    p.value30 = ToDouble(c[29]);
    p.text31 = c[30];
    p.text32 = c[31];
    p.text33 = c[32];
    p.int34 = ToInt(c[33]);
    p.tail1 = c[34];
    p.tail2 = c[35];
    return true;
}

std::optional<CString> RawRecordLine(const SurveyPointRec& p, const CGpsState& fix, double packedLatitude,
                                     double packedLongitude, const RawStoreTail& tail) {
    if (!PointTextsStorable(p)) return std::nullopt;
    return Format(L"%s,%.10f,%.10f,%.3f,%s,%.3f,%d,%.3f,%.3f,%02d,%.2f,%s,%s,%d,%d,", p.name, packedLatitude,
                  packedLongitude, fix.height, p.code, p.antennaHeight, fix.solutionCode, fix.rmsH, fix.rmsV,
                  fix.gpsUsedCount, fix.pdop, TimeText(fix), DateText(fix), p.pointKind, p.storeFormat) +
           AttributeColumns(p) + TailText(tail) + TrailingTexts(p) + L"\r\n";
}

CString RawFileHeader(const CString& program, const CString& version, const BaseStationRec& base) {
    return Format(L"Rem Version      %s Ver: %s\r\n", program, version) + BaseStationLine(base) + L"\r\n";
}

bool HoldsRawRecord(std::string_view line) {
    if (!HoldsPointPosition(line)) return false;
    size_t at = 0;
    for (int field = 0; field < kRawDateField; ++field) {
        at = line.find(',', at);
        if (at == std::string_view::npos) return false;
        ++at;
    }
    return at < line.size() && line[at] != ',';
}

bool HoldsRawLine(std::string_view line) {
    // A base-station line is also appended outside a store, without a journal to mend it: one cut
    // short, down to its first bytes, is no line.
    constexpr std::string_view kBaseStation = "Rem BaseStation";
    if (line.starts_with(kBaseStation) || kBaseStation.starts_with(line)) return HoldsBaseStationLine(line);
    return line.starts_with("Rem ") || HoldsRawRecord(line);
}

std::optional<CString> StoredLibraryLine(const SurveyPointRec& p) {
    if (!PointTextsStorable(p)) return std::nullopt;
    CoordLibRecord record;
    record.type = p.pointKind + 1;
    record.name = p.name;
    record.north = p.pointX;
    record.east = p.pointY;
    record.height = p.pointH;
    record.code = p.code;
    return FormatCoordLibLine(record);
}

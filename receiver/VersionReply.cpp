// The receiver's version reply (a line containing "GPXXX"): identification texts, board type, antenna
// constants, work mode, link kind, language and frequency option.
#include <optional>

#include "receiver/CGpsParser.h"
#include "receiver/ReceiverModels.h"
#include "receiver/ReceiverProtocol.h"
#include "receiver/SentenceFields.h"

namespace {

constexpr double kDimensionUnit = 0.0001;  // the reply's antenna dimensions are in 0.1 mm

// Our receiver models by serial-number prefix: short name, receiver kind and antenna constants
// (instrument height in metres, or the height factor plus `heightAboveFactor`; instrument radius), and
// whether it carries a radio or modem of its own: the QZ-R8 and QZ-R9 do, the QZ-R6 and QZ-V do not.
struct ReceiverModel {
    const wchar_t* prefix;
    const wchar_t* name;
    int kind;
    bool heightFromFactor;
    double height;
    double radius;
    bool hasDataLink;
};
constexpr ReceiverModel kModels[] = {
    {L"QZ8", L"QZ-R8", 0, false, 0.0884, 0.12, true},
    {L"QZ6", L"QZ-R6", 1, false, 0.0787, 0.10, false},
    {L"QZ9", L"QZ-R9", 2, true, 0.0120, 0.13, true},
    {L"QZV", L"QZ-V", 3, false, 0.0920, 0.0, false},
};

struct AntennaName {
    const wchar_t* name;
    double heightFactor;
};
constexpr AntennaName kAntennas[] = {{L"QZANT-A", 0.0131}, {L"QZANT-B", 0.0764}, {L"QZANT-C", 0.0667}};
constexpr double kDefaultHeightFactor = 0.0131;

constexpr int kMaxDimension = 100000;  // 10 m

bool IsDimension(const std::optional<int>& value) {
    return value && *value >= 0 && *value <= kMaxDimension;
}

int BoardTypeOf(const CString& board) {
    if (board.Find(L"OEM-V") >= 0) return kBoardOemV;
    if (board == L"OEM-E" || board == L"ECLIPSE") return kBoardEclipse;
    if (board.Find(L"OEM-D") >= 0) return kBoardOemD;
    if (board.Find(L"OEM-T") >= 0) return kBoardOemT;
    return kBoardOemV;
}

}  // namespace

bool ReceiverHasDataLink(const CString& versionText) {
    for (const ReceiverModel& model : kModels)
        if (model.hasDataLink && versionText.Find(model.prefix) >= 0) return true;
    return false;
}

std::optional<VersionReport> CGpsParser::ParseVersion(CString line, CGpsState& state) {
    CString sentence;
    if (!IsPlainLine(line) || !CheckNmeaFraming(line, &sentence)) return std::nullopt;
    std::vector<CString> f = SplitFields(sentence, L',', 16);
    f[15] = f[15].SpanExcluding(L"*");
    const bool dimensionsGiven = !f[12].IsEmpty();
    const std::optional<int> givenRadius = CheckedInt(f[12].str());
    const std::optional<int> givenHeight = CheckedInt(f[14].str());
    const std::optional<int> givenOffset = CheckedInt(f[13].str());
    if (dimensionsGiven &&
        !(IsDimension(givenRadius) && IsDimension(givenHeight) && IsDimension(givenOffset)))
        return std::nullopt;
    const CString& serial = f[1];
    state.ident.text[0] = serial;
    state.ident.text[1] = f[2];
    state.ident.text[2] = f[3];
    state.ident.text[3] = f[3];
    state.antennaType = f[4];

    VersionReport report;
    report.board = BoardTypeOf(f[5]);

    if (dimensionsGiven) {
        const int radius = *givenRadius;
        int height = *givenHeight;
        if (height == 78) height = 787;
        if (height == 88) height = 884;
        instrumentRadius_ = (radius == 0 ? 1200 : radius) * kDimensionUnit;
        instrumentHeight_ = height * kDimensionUnit;
        antennaHeightFactor_ = (static_cast<double>(height) - *givenOffset) * kDimensionUnit;
    } else {
        antennaHeightFactor_ = kDefaultHeightFactor;
        for (const AntennaName& antenna : kAntennas)
            if (f[4] == antenna.name) antennaHeightFactor_ = antenna.heightFactor;
    }
    for (const ReceiverModel& model : kModels) {
        if (serial.Find(model.prefix) != 0) continue;
        state.modelText = model.name;
        receiverKind_ = model.kind;
        if (!dimensionsGiven) {
            instrumentHeight_ = model.heightFromFactor ? antennaHeightFactor_ + model.height : model.height;
            instrumentRadius_ = model.radius;
        }
        break;
    }

    if (serial.GetLength() == 15) serialForm_ = 1;
    if (serial.GetLength() == 13) serialForm_ = 0;

    const CString& mode = f[9];
    if (mode == L"BASE") {
        workMode_ = 1;
        report.baseFlag = 1;
    } else if (mode == L"ROVER") {
        workMode_ = 0;
        report.baseFlag = 0;
    } else if (mode == L"EXT_ROVER") {
        workMode_ = 2;
    } else if (mode == L"VRSROVER") {
        workMode_ = 0;
        receiverKind_ = 3;
    } else if (serial.GetLength() >= 6) {
        if (serial[5] == L'0') workMode_ = 0;
        if (serial[5] == L'5') workMode_ = 1;
    }

    if (f[6] == L"CDMA") linkKind_ = 0;
    if (f[6] == L"GPRS") linkKind_ = 1;
    language_ = f[10] == L"ZH" ? 1 : f[10] == L"EN" ? 2 : 0;
    if (serial.GetLength() >= 8) {
        if (serial[7] == L'8') l1Option_ = 0;
        if (serial[7] == L'6') l1Option_ = 1;
    }
    report.info = {l1Option_, workMode_,   antennaHeightFactor_, instrumentHeight_, receiverKind_,
                   linkKind_, serialForm_, instrumentRadius_,    language_};
    return report;
}

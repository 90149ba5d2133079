#include "shell/frame/BaseWatch.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <string_view>

#include "geodesy/GeodesyConstants.h"
#include "geodesy/Wgs84.h"
#include "platform/files/FileOps.h"
#include "platform/text/CodePage.h"
#include "platform/text/Format.h"
#include "shell/frame/JobSession.h"
#include "shell/frame/PositionConverter.h"
#include "shell/frame/Supervision.h"

namespace {
constexpr double kSameBaseMetres = 0.01;
// The log gives millimetres, and a difference of exactly 1 cm reads a hair either side of it by axis:
// the micrometre keeps it the same base on every axis.
constexpr double kReadSlackMetres = 1e-6;

bool WithinSameBase(double metres) {
    return std::fabs(metres) <= kSameBaseMetres + kReadSlackMetres;
}

bool WriteLineFile(const CString& path, const CString& line) {
    return AtomicRewrite(path, ToGbk(line + L"\r\n"));
}

// A "NowBase" line whole, as WriteBaseCoordFile prints it: its twelve fields, the last a date that
// ends "-MM-DD"; a line cut short lacks a field or a digit.
bool HoldsNowBaseLine(std::string_view line) {
    constexpr std::ptrdiff_t kCommas = 11;
    constexpr std::string_view kMonthDay = "-00-00";
    if (!line.starts_with("NowBase,") || std::count(line.begin(), line.end(), ',') < kCommas ||
        line.size() < kMonthDay.size())
        return false;
    const std::string_view end = line.substr(line.size() - kMonthDay.size());
    for (size_t i = 0; i < kMonthDay.size(); ++i)
        if (kMonthDay[i] == '-' ? end[i] != '-' : !std::isdigit(static_cast<unsigned char>(end[i])))
            return false;
    return true;
}
}  // namespace

void BaseWatch::TellCut(const CString& path, const LinesAppended& appended) const {
    if (appended.cutAside) tell_(CutAsideNotice(path));
}

void BaseWatch::WriteBaseCoordFile(const CGpsState& state) {
    // The append creates the file, and a failed first append leaves none (not an empty one).
    const CString path = job_.Paths().resultFolder + L"basecoord.blh";
    const CCoordTransform& t = position_.First();
    const CString line =
        Format(L"NowBase,%s,%s,%.3f,00000000,0,%.3f,%.3f,%.3f,%s,%02d:%02d:%02d,%d-%02d-%02d",
               Format(L"%.8f", t.ConvertDmsAngle(state.baseLat / kRadToDeg, 0)).c_str(),
               Format(L"%.8f", t.ConvertDmsAngle(state.baseLon / kRadToDeg, 0)).c_str(), state.baseHeight,
               state.baseX, state.baseY, state.baseZ, state.baseId.c_str(), state.hour, state.minute,
               state.second, state.year, state.month, state.day);
    TellCut(path, AppendLinesDurably(path, ToGbk(line + L"\r\n"), HoldsNowBaseLine));
}

void BaseWatch::Update(CGpsState& state) {
    double b = 0.0, l = 0.0, h = 0.0;
    Wgs84Converter().XyzToBlh(state.baseX, state.baseY, state.baseZ, b, l, h);
    state.baseLat = b * kRadToDeg;
    state.baseLon = l * kRadToDeg;
    state.baseHeight = h;
    if (!IsBasePosition(state.baseLat, state.baseLon)) return;
    supervision_.NoteBaseHeard(state.solutionCode == kSolFixed);
    if (state.solutionCode != kSolFixed) return;

    const BaseStationRec& stored = job_.CoordParams().base;
    const double dx = state.baseX - stored.szdBasePX;
    const double dy = state.baseY - stored.szdBasePY;
    const double dz = state.baseZ - stored.szdBasePH;
    const bool same = WithinSameBase(dx) && WithinSameBase(dy) && WithinSameBase(dz);
    if (same) {
        if (!FileExists(job_.Paths().resultFolder + L"basecoord.blh")) WriteBaseCoordFile(state);
    } else {
        WriteBaseCoordFile(state);
        if (stored.szBaseStationID != L"0000")
            supervision_.NoteBaseChange(state.baseId, stored.szBaseStationID,
                                        std::sqrt(dx * dx + dy * dy + dz * dz));
        WriteOldBaseFile();
        TakeNewBase(state);
    }
    double n = 0.0, e = 0.0, hh = 0.0;
    position_.ToGrid(state.baseLat, state.baseLon, state.baseHeight, job_.CoordParams(), n, e, hh);
    WriteLineFile(job_.Paths().resultFolder + L"BaseKnown.xyh",
                  Format(L"BaseKnown,%.3f,%.3f,%.3f,00000000", n, e, hh));
}

void BaseWatch::WriteOldBaseFile() {
    // The previous base in the grid; a file that cannot be written does not stop the watch.
    const BaseStationRec& stored = job_.CoordParams().base;
    const CCoordTransform& t = position_.First();
    double n = 0.0, e = 0.0, hh = 0.0;
    position_.ToGrid(t.ConvertDmsAngle(stored.szdBaseLat, 1) * kRadToDeg,
                     t.ConvertDmsAngle(stored.szdBaseLon, 1) * kRadToDeg, stored.szdBaseHgt,
                     job_.CoordParams(), n, e, hh);
    WriteLineFile(job_.Paths().resultFolder + L"OldForAutoAdjust.xyh",
                  Format(L"OldBase,%.3f,%.3f,%.3f,00000000", n, e, hh));
}

void BaseWatch::TakeNewBase(const CGpsState& state) {
    CoordSysParams coord = job_.CoordParams();
    BaseStationRec& stored = coord.base;
    const CCoordTransform& t = position_.First();
    stored.szdBasePX = state.baseX;
    stored.szdBasePY = state.baseY;
    stored.szdBasePH = state.baseZ;
    stored.szdBaseLat = t.ConvertDmsAngle(state.baseLat / kRadToDeg, 0);
    stored.szdBaseLon = t.ConvertDmsAngle(state.baseLon / kRadToDeg, 0);
    stored.szdBaseHgt = state.baseHeight;
    double gn = 0.0, ge = 0.0, gh = 0.0;
    position_.ToProjected(state.baseLat, state.baseLon, state.baseHeight, coord, gn, ge, gh);
    stored.szdBaseX = gn;
    stored.szdBaseY = ge;
    stored.szdBaseH = gh;
    coord.calib.slot[0].szdSx = gn;
    coord.calib.slot[0].szdSy = ge;
    coord.calib.slot[0].szdSh = gh;
    stored.szBaseStationID = state.baseId;
    job_.StoreCoordParams(coord);
    TellCut(job_.ResultFiles().RawFile(), job_.ResultFiles().AppendBaseStationLine(stored));
}

#include "survey/PostProcessing.h"

#include <cmath>
#include <optional>
#include <vector>

#include "foundation/PointLines.h"
#include "geodesy/CoordParamsApply.h"
#include "geodesy/GeodesyConstants.h"
#include "platform/files/FileOps.h"
#include "platform/text/CodePage.h"
#include "platform/text/Format.h"
#include "platform/text/Numbers.h"

namespace {
// Raw record fields, 0-based.
enum RawField {
    kName = 0,
    kLatitude = 1,
    kLongitude = 2,
    kHeight = 3,
    kFirstCopied = 4,
    kAntenna = 5,
    kLastOfFirstCopy = 12,
    kSecondCopied = 13,
    kLastCopied = 31,
    kStoreMode = 32,
    kOffsetDistance = 33,
    kOffsetHeight = 34,
    kOffsetAzimuth = 35,
    kEpochsAveraged = 34,
    kEpochIndex = 35,
    kRawFields = 36,
};

struct Position {
    double x = 0.0, y = 0.0, h = 0.0;
};

std::vector<CString> RawFields(const CString& line) {
    std::vector<CString> fields;
    fields.reserve(kRawFields);
    for (int i = 0; i < kRawFields; ++i) fields.push_back(LineField(line, i));
    return fields;
}

double PackedToDegrees(const CCoordTransform& t, const CString& packed) {
    return t.ConvertDmsAngle(ToDouble(packed), 1) * kRadToDeg;
}

CString ResultLine(const std::vector<CString>& f, const Position& p, int count) {
    CString line = Format(L"%s,%.3f,%.3f,%.3f,", f[kName], p.x, p.y, p.h - ToDouble(f[kAntenna]));
    for (int i = kFirstCopied; i <= kLastOfFirstCopy; ++i) line += f[static_cast<size_t>(i)] + L",";
    line += Format(L"%d,", count);
    for (int i = kSecondCopied; i <= kLastCopied; ++i) line += f[static_cast<size_t>(i)] + L",";
    return line + L"\r\n";
}

// The epochs of one smoothing store: the line whose index is the number averaged closes it.
class SmoothingGroup {
public:
    // The mean when this epoch closes the group.
    std::optional<Position> Add(const std::vector<CString>& f, const Position& p) {
        // An epoch numbered 1 starts a group, so one left open never merges into the next point.
        if (ToInt(f[kEpochIndex]) == 1) epochs_.clear();
        epochs_.push_back(p);
        if (f[kEpochsAveraged] != f[kEpochIndex]) return std::nullopt;
        Position mean;
        for (const Position& e : epochs_) {
            mean.x += e.x;
            mean.y += e.y;
            mean.h += e.h;
        }
        const double n = static_cast<double>(epochs_.size());
        mean = {mean.x / n, mean.y / n, mean.h / n};
        count_ = static_cast<int>(epochs_.size());
        epochs_.clear();
        return mean;
    }
    int Count() const { return count_; }

private:
    std::vector<Position> epochs_;
    int count_ = 0;
};
}  // namespace

void ApplyProjectionTo(CCoordTransform& transform, const CoordSysParams& params) {
    const ProjectionBlock& pr = params.projection;
    transform.SetEllipsoid(params.ellipsoid.szdDa, params.ellipsoid.szdDf);
    transform.SetProjection(pr.nTouYin, static_cast<double>(pr.szlTx), static_cast<double>(pr.szlTy),
                            pr.szdCenter, pr.szdTk, pr.ProjectLat, pr.szdTHigh);
}

void ApplyParamsTo(CCoordTransform& transform, const CoordSysParams& params) {
    ApplyCoordParams(params, transform);
}

PostProcOutcome WritePostProcResult(const CString& rawPath, const CString& resultPath,
                                    const CoordSysParams& working, bool addShifts,
                                    const AdjustParamBlock& jobShifts) {
    PostProcOutcome outcome;
    std::string bytes;
    if (!FileExists(rawPath) || !ReadWholeFile(rawPath, bytes)) {
        outcome.status = PostProcOutcome::Status::kRawUnreadable;
        return outcome;
    }
    CCoordTransform t;
    ApplyParamsTo(t, working);
    SmoothingGroup group;
    std::string result;
    for (const CString& line : CutPointFileLines(FromGbk(bytes))) {
        if (line.Left(4) == L"Rem ") continue;
        const std::vector<CString> f = RawFields(line);
        Position p;
        t.Wgs84ToLocalPlane(PackedToDegrees(t, f[kLatitude]), PackedToDegrees(t, f[kLongitude]),
                            ToDouble(f[kHeight]), p.x, p.y, p.h);
        p.x += working.adjust.szdAdjustX + (addShifts ? jobShifts.szdAdjustX : 0.0);
        p.y += working.adjust.szdAdjustY + (addShifts ? jobShifts.szdAdjustY : 0.0);
        p.h += working.adjust.szdAdjustH + (addShifts ? jobShifts.szdAdjustH : 0.0);
        if (working.heightFit.nNiheMode == 1) {
            double fit = 0.0;
            t.ApplyHeightFit(p.x, p.y, fit);
            p.h -= fit;
        }
        int count = 1;
        if (f[kStoreMode] == L"1") {
            const double distance = ToDouble(f[kOffsetDistance]);
            const double azimuth = t.ConvertDmsAngle(ToDouble(f[kOffsetAzimuth]), 1);
            p.x += distance * std::cos(azimuth);
            p.y += distance * std::sin(azimuth);
            p.h += ToDouble(f[kOffsetHeight]);
        } else if (f[kStoreMode] == L"2") {
            const std::optional<Position> mean = group.Add(f, p);
            if (!mean) continue;
            p = *mean;
            count = group.Count();
        }
        result += ToGbk(ResultLine(f, p, count));
        ++outcome.lines;
    }
    if (!AtomicRewrite(resultPath, result)) outcome.status = PostProcOutcome::Status::kResultNotWritten;
    return outcome;
}

bool SameDevicePath(const CString& a, const CString& b) {
    return a.CompareNoCase(b) == 0;
}

#include "survey/StoreFiles.h"

#include "geodesy/CoordTransform.h"
#include "platform/text/CodePage.h"

namespace {
constexpr double kRadiansPerDegree = 0.01745329251994278;
constexpr int kToPacked = 0;
}  // namespace

std::optional<StoreLines> BuildStoreLines(const SurveyPointRec& point,
                                          const std::vector<StoreEpoch>& epochs) {
    const CCoordTransform angles;
    StoreLines lines;
    for (const StoreEpoch& epoch : epochs) {
        const double b = angles.ConvertDmsAngle(epoch.fix.latitude * kRadiansPerDegree, kToPacked);
        const double l = angles.ConvertDmsAngle(epoch.fix.longitude * kRadiansPerDegree, kToPacked);
        std::optional<CString> raw = RawRecordLine(point, epoch.fix, b, l, epoch.tail);
        if (!raw) return std::nullopt;
        lines.raw.push_back(std::move(*raw));
    }
    std::optional<CString> pointLine = PointFileLine(point);
    std::optional<CString> libraryLine = StoredLibraryLine(point);
    if (!pointLine || !libraryLine) return std::nullopt;
    lines.point = std::move(*pointLine);
    lines.library = std::move(*libraryLine);
    return lines;
}

bool StoreFileWriter::Prepare(const StoreFilePaths& paths) {
    paths_ = paths;
    libraryReady_ = library_.Prepare(paths.library);
    return raw_.Prepare(paths.raw) && point_.Prepare(paths.point);
}

StoreWrite StoreFileWriter::Write(const StoreLines& lines) {
    std::string raw;
    if (raw_.IsEmpty() && !lines.raw.empty())
        raw = ToGbk(RawFileHeader(paths_.program, paths_.version, paths_.base));
    for (const CString& line : lines.raw) raw += ToGbk(line);
    // A point file is created even by a store that writes no raw line.
    const bool rawWritten = raw.empty() || raw_.Append(raw);
    if (!rawWritten || !point_.Append(ToGbk(lines.point))) {
        point_.Undo();
        raw_.Undo();
        return StoreWrite::kDataFailed;
    }
    return libraryReady_ && library_.Append(ToGbk(lines.library)) ? StoreWrite::kStored
                                                                  : StoreWrite::kLibraryFailed;
}

StoreWrite WriteStoredPoint(const SurveyPointRec& point, const std::vector<StoreEpoch>& epochs,
                            const StoreFilePaths& paths, const std::function<bool()>& saveNames) {
    const std::optional<StoreLines> lines = BuildStoreLines(point, epochs);
    if (!lines) return StoreWrite::kBadText;
    StoreFileWriter writer;
    if (!writer.Prepare(paths) || !saveNames()) return StoreWrite::kDataFailed;
    return writer.Write(*lines);
}

CString StoreWriteText(StoreWrite written) {
    switch (written) {
        case StoreWrite::kBadText:
            return L"点名和属性中不能有逗号,请重新输入!";
        case StoreWrite::kDataFailed:
            return L"数据文件写入失败,该点没有存储!";
        case StoreWrite::kLibraryFailed:
            return L"坐标库文件写入失败!";
        default:
            return L"";
    }
}

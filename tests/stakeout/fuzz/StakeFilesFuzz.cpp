// libFuzzer target: the bytes of a file read as each stake-out and calibration file the user can
// pick: the control-point file, the stake point library and its coordinate import, the line
// library (as the library screen and the stake screen read it) and the stake records. Written on
// a device root in memory; every row read is also written back and read again, which must give the
// same rows. Built and run by run-fuzz.sh.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "calibration/ControlPointFile.h"
#include "geodesy/GeodesyConstants.h"
#include "stakeout/StakeFiles.h"
#include "tests/platform/files/FuzzDeviceRoot.h"

namespace {
const CCoordTransform& Converter() {
    static const CCoordTransform converter = [] {
        CCoordTransform c;
        c.SetEllipsoid(kWgs84SemiMajor, kWgs84InvFlattening);
        c.SetProjection(0, 0.0, 500000.0, 120.0, 1.0, 0.0, 0.0);
        return c;
    }();
    return converter;
}

// A name the line writer can keep: no field separator, no control character (the text format ends
// a name at a NUL).
bool IsPlainName(const CString& name) {
    for (const wchar_t c : name.str())
        if (c == L',' || c < L' ') return false;
    return true;
}

void Trap(bool fault) {
    if (fault) __builtin_trap();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::filesystem::path& root = FuzzDeviceRoot("stake-fuzz");
    for (const char* name : {"c.cot", "s.ptb", "s.xyh", "s.lnb", "s.ptr", "s.lnr"})
        PutFuzzInput(root / name, data, size);

    std::vector<ControlPointRow> pairs;
    ReadControlPointFile(L"\\c.cot", Converter(), 0, pairs);

    for (const auto& [file, layout] : {std::pair{L"\\s.ptb", StakeRowLayout::kLibrary},
                                       std::pair{L"\\s.xyh", StakeRowLayout::kCoordFile}}) {
        std::vector<StakeRow> rows;
        ReadStakeRows(file, layout, rows);
        std::vector<int> rowOfPoint;
        const std::vector<PointRecord> points = NamedStakePoints(rows, rowOfPoint);
        Trap(rowOfPoint.size() != points.size());
        for (const int row : rowOfPoint) Trap(row < 0 || static_cast<size_t>(row) >= rows.size());
        PtbBytes(rows);
        XyhExportBytes(rows);
    }
    ReadStakePoints(L"\\s.ptb");

    for (const bool trimNames : {false, true}) {
        std::vector<LineSegRec> lines;
        ReadLineFile(L"\\s.lnb", trimNames, lines);
        // A line written back reads as the same line.
        for (const LineSegRec& line : lines) {
            const LineSegRec again = ParseLineFileLine(FormatLineFileLine(line), false);
            Trap(IsPlainName(line.start.name) && again.start.name != line.start.name);
        }
        LineFileBytes(lines);
    }
    for (const wchar_t* records : {L"\\s.ptr", L"\\s.lnr"}) {
        for (const PointRecord& point : ReadStakeRecords(records)) FormatStakeRecordLine(point);
    }
    return 0;
}

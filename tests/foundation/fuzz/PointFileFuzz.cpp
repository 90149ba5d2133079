// libFuzzer target: the bytes of a job's point file, record file or coordinate library through their
// loaders: cutting, every field of the point-file line, the record parser, the last-name scan and the
// library line in both layouts. Built and run by run-fuzz.sh.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "foundation/CoordLibFile.h"
#include "foundation/PointLines.h"
#include "foundation/RecordFile.h"
#include "foundation/StoredPointLines.h"
#include "platform/text/CodePage.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const CString text = FromGbk(bytes);
    for (const CString& line : CutPointFileLines(text)) {
        SurveyPointRec point;
        if (ReadPointFileLine(line, point)) PointFileLine(point);
        LineField(line, 33);
    }
    for (const std::string_view line : CutCoordLibLines(bytes)) {
        PointRecord record;
        ParseRecordLine(line, record);
    }
    ScanLastNames(bytes, 1);
    ScanLastNames(bytes, 6);
    // The library reads its lines from the bytes one at a time and its types from one field: both
    // must be what the converted whole gives.
    const std::vector<CString> lines = CoordLibLinesFromBytes(bytes);
    const std::vector<std::string_view> byteLines = CutCoordLibLines(bytes);
    if (byteLines.size() != lines.size()) __builtin_trap();
    for (size_t i = 0; i < lines.size(); ++i) {
        if (FromGbk(byteLines[i]) != lines[i]) __builtin_trap();
        for (const CoordLibLayout layout : {CoordLibLayout::kPointFile, CoordLibLayout::kLibrary})
            if (ParseCoordLibLine(lines[i], layout).record.type != CoordLibLineType(byteLines[i], layout))
                __builtin_trap();
    }
    return 0;
}

// libFuzzer target: the bytes of a job's point file, record file or coordinate library through their
// loaders: cutting, every field of the point-file line, the record parser, the last-name scan and the
// library line in both layouts. Built and run by run-fuzz.sh.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "foundation/CoordLibFile.h"
#include "foundation/PointLines.h"
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
    ParseRecordFile(text);
    CutRecordFileLines(text);
    ScanLastNames(text, 1);
    ScanLastNames(text, 6);
    for (const CString& line : CoordLibLinesFromBytes(bytes)) {
        ParseCoordLibLine(line, CoordLibLayout::kPointFile);
        ParseCoordLibLine(line, CoordLibLayout::kLibrary);
    }
    return 0;
}

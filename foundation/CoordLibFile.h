#pragma once
// The coordinate library's text lines: the library file `<job>.lib` ("type,name,N,E,H,code") and
// the job's stored-point file (".xyh"), which the library imports.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "foundation/CoordLibRecord.h"
#include "foundation/DataFileRead.h"
#include "platform/text/CString.h"

enum class CoordLibLayout { kPointFile = 0, kLibrary = 1 };

// Lines of a file's text: cut at LF, a CR before the LF dropped, empty lines skipped, a last line
// without LF kept. Lines are never cut by length.
std::vector<CString> CutCoordLibLines(const CString& text);
// The same lines as views of a file's bytes: LF and CR never occur inside a two-byte character.
std::vector<std::string_view> CutCoordLibLines(std::string_view bytes);

// A parsed line: the record (index and deleted left 0) and the texts of name, north, east, height
// and code exactly as they stand in the line.
struct ParsedCoordLibLine {
    CoordLibRecord record;
    std::array<CString, 5> texts;
};
ParsedCoordLibLine ParseCoordLibLine(const CString& line, CoordLibLayout layout);
// The record type ParseCoordLibLine reads from the line's bytes, converting only the field it is in.
int32_t CoordLibLineType(std::string_view gbkLine, CoordLibLayout layout);

// True when the line's north, east and height are each one finite number: a line the library can
// read.
bool CoordLibLineReadable(std::string_view gbkLine, CoordLibLayout layout);

// "%d,%s,%.3f,%.3f,%.3f,%s\r\n" of type, name, north, east, height, code.
CString FormatCoordLibLine(const CoordLibRecord& record);

// The lines of a file's bytes in the device's code page.
std::vector<CString> CoordLibLinesFromBytes(std::string_view gbkBytes);

// The file's bytes when the records' lines are written over it while others append to it: the
// records, then the lines appended since the library was read (`current` past the `loaded` lines),
// byte for byte. Nullopt when the loaded lines no longer begin the file: it was changed in a way a
// rewrite from the loaded copy would undo. `loaded` and `current` are the file's bytes then and now.
std::optional<std::string> CoordLibBytesOver(std::string_view loaded, std::string_view current,
                                             std::string records);

// The file's bytes (none when it is missing, cannot be read or is over 64 MiB).
DataFileRead ReadCoordLibFile(const CString& devicePath, std::string& bytes);

enum class CoordLibSave { kSaved, kChangedSinceLoaded, kFailed };
// Re-reads the file (a missing one counts as empty) and replaces it atomically as
// CoordLibBytesOver says. On kChangedSinceLoaded and kFailed the file is left as it was.
CoordLibSave SaveCoordLibFile(const CString& devicePath, std::string_view loaded, std::string records);

// `<job>.lib` in the job folder: the job file's name with its last three characters made "lib".
CString CoordLibPath(const CString& jobFolder, const CString& jobFileName);

// The layout an import path selects by its last three characters ("lib", "xyh"); false otherwise.
bool CoordLibLayoutOfPath(const CString& path, CoordLibLayout& layout);

#pragma once
// A point file and a raw record file typed by hand for the export tests, and the goldens (also
// typed by hand, tests/export/golden) they must give.
#include <filesystem>
#include <fstream>
#include <string>

#include "export/BlhExport.h"
#include "platform/text/CString.h"

// P1 and 点2 as stored; P3 stored along a stake line (3 in column 34), which is no deletion mark; an
// empty line; a torn last append.
inline const CString kPointFile =
    L"P1,3000000.000,500000.000,10.000,房角,1.500,4,0.012,0.023,09,1.80,08:05:09,2026-12-07,1,3,0,0,0.00,1,"
    L"30,"
    L"0.000,184,0.000,,,0.000,,,0.000,0.000,,,,0,,,\r\n"
    L"点2,3000004.000,500003.000,12.500,00000000,1.500,4,0.012,0.023,09,1.80,08:06:10,2026-12-07,1,3,0,0,0."
    L"00,1,"
    L"30,0.000,184,0.000,,,0.000,,,0.000,0.000,,,,0,,,\r\n"
    L"\r\n"
    L"P3,3000008.000,500006.000,15.000,00000000,1.500,4,0.012,0.023,09,1.80,08:07:11,2026-12-07,1,3,0,0,0.00,"
    L"1,"
    L"30,0.000,184,0.000,,,0.000,,,0.000,0.000,,,,3,,,\r\n"
    L"P4,3000012.000,500009.000";

// Two header lines; P1 stored, then 点2, then P1 stored again under the same name; a torn line.
inline const CString kRawFile =
    L"Rem Version      Quorin2.0 Ver: 2011.09.26\r\n"
    L"Rem BaseStation  30.30000000 114.15000000 20.000 -2148744.123 4426641.456 3194000.789 3456000.000 "
    L"512000.000 20.000 基站01 \r\n"
    L"P1,30.3000000000,114.1500000000,30.000,房角,1.000,4,0.012,0.023,09,1.80,08:05:09,2026-12-07,3,0,0,0.00,"
    L"1,"
    L"30,0.000,184,0.000,,,0.000,,,0.000,0.000,,,,0,,,\r\n"
    L"点2,30.3012345678,114.1523456789,35.012,00000000,1.500,4,0.012,0.023,09,1.80,08:06:10,2026-12-07,3,0,0,"
    L"0.00,1,30,0.000,184,0.000,,,0.000,,,0.000,0.000,,,,0,,,\r\n"
    L"P1,30.3100000000,114.1600000000,31.250,房角,2.000,4,0.012,0.023,09,1.80,08:09:09,2026-12-07,3,0,0,0.00,"
    L"1,"
    L"30,0.000,184,0.000,,,0.000,,,0.000,0.000,,,,0,,,\r\n"
    L"P5,30.32";

// The grid of a job without parameters: the points above are plain stores, which never use it.
inline const CoordSysParams kNoParams;
inline const CCoordTransform kNoConverter;
inline const StoredGrid kNoGrid{kNoConverter, kNoParams};

inline std::string ReadExportGolden(const char* name) {
    std::ifstream in(std::filesystem::path(QZ_SOURCE_DIR) / "tests/export/golden" / name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// The control-point file: the bytes written (GBK, CR LF, fields and their formats), the raw position
// kept as packed degrees-minutes-seconds and projected back within 0.1 mm, the reader's handling of
// empty and unterminated lines, and a failed write that leaves the file as it was.
#include <gtest/gtest.h>

#include <cerrno>
#include <cmath>
#include <string>
#include <vector>

#include "calibration/ControlPointFile.h"
#include "platform/files/FileSystemCalls.h"
#include "platform/text/Numbers.h"
#include "tests/calibration/CalibrationJob.h"
#include "tests/platform/files/DeviceRootFixture.h"

namespace {
using ControlPointFileTest = DeviceRootTest;

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    size_t start = 0;
    for (size_t at; (at = text.find(separator, start)) != std::string::npos; start = at + 1)
        parts.push_back(text.substr(start, at - start));
    parts.push_back(text.substr(start));
    return parts;
}
}  // namespace

TEST_F(ControlPointFileTest, WritesGbkLinesAndReadsTheRawPositionBackWithinATenthOfAMillimetre) {
    WriteHostFile("Jobs/road/.keep", "");
    const CCoordTransform converter = CalibrationJobConverter();
    // Raw positions about 113.5 E, 23 N and 114.4 E, 31 N: far into both sides of the zone.
    const std::vector<ControlPointRow> rows = {{L"控制", L"2544000.125", L"448000.5", L"12.5", L"2543995.123",
                                                L"448003.456", L"10.250", L"0.012", L"0.003", L"Y", L"N"},
                                               {L"K2", L"3431000", L"538000", L"40", L"3430990.987",
                                                L"538010.001", L"38.5", L"0.000", L"0.150", L"N", L"Y"}};
    ASSERT_TRUE(WriteControlPointFile(L"\\Jobs\\road\\site.cot", rows, converter, 0));

    const std::string bytes = ReadHostFile("Jobs/road/site.cot");
    const std::vector<std::string> lines = Split(bytes, '\n');
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[2], "");
    const std::vector<std::string> first = Split(lines[0], ',');
    ASSERT_EQ(first.size(), 12u);
    EXPECT_EQ(first[0], "\xbf\xd8\xd6\xc6");  // 控制 in GBK
    EXPECT_EQ(first[1] + "," + first[2] + "," + first[3], "2544000.125,448000.5,12.5");
    EXPECT_EQ(first[6] + "," + first[7] + "," + first[8] + "," + first[9] + "," + first[10],
              "10.250,0.012,0.003,Y,N");
    EXPECT_EQ(first[11], "\r");
    for (const std::string& line : {lines[0], lines[1]}) {
        for (int field : {4, 5}) {
            const std::string text = Split(line, ',')[static_cast<size_t>(field)];
            EXPECT_EQ(text.size() - text.find('.'), 11u) << text;  // "%.10f"
        }
    }
    EXPECT_EQ(first[4].substr(0, 5), "22.59");  // 22 degrees 59 minutes

    std::vector<ControlPointRow> back;
    ASSERT_TRUE(ReadControlPointFile(L"\\Jobs\\road\\site.cot", converter, 0, back));
    ASSERT_EQ(back.size(), 2u);
    for (size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(back[i].name, rows[i].name);
        EXPECT_EQ(back[i].knownN, rows[i].knownN);
        EXPECT_EQ(back[i].rawH, rows[i].rawH);
        EXPECT_EQ(back[i].useHeight, rows[i].useHeight);
        EXPECT_LE(std::fabs(ToDouble(back[i].rawN) - ToDouble(rows[i].rawN)), 1e-4) << i;
        EXPECT_LE(std::fabs(ToDouble(back[i].rawE) - ToDouble(rows[i].rawE)), 1e-4) << i;
    }
}

TEST_F(ControlPointFileTest, ReaderSkipsEmptyLinesAndKeepsALastLineWithoutLineFeed) {
    WriteHostFile("Jobs/road/a.cot",
                  "P1,1,2,3,23.0000000000,114.0000000000,4,0.000,0.000,Y,Y,\r\n\r\n"
                  "P2,5,6,7,24.0000000000,114.0000000000,8,0.000,0.000,N,Y,\n"
                  "P3,9,9,9,25.0000000000,114.0000000000,9,0.000,0.000,Y,N");
    std::vector<ControlPointRow> rows;
    ASSERT_TRUE(ReadControlPointFile(L"\\Jobs\\road\\a.cot", CalibrationJobConverter(), 0, rows));
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[1].name, L"P2");
    EXPECT_EQ(rows[1].usePlane, L"N");
    EXPECT_EQ(rows[2].useHeight, L"N");
    EXPECT_EQ(rows[0].rawE, L"500000.000");  // on the central meridian
    EXPECT_FALSE(ReadControlPointFile(L"\\Jobs\\road\\missing.cot", CalibrationJobConverter(), 0, rows));
    EXPECT_EQ(rows.size(), 3u);
}

TEST_F(ControlPointFileTest, AFailedWriteLeavesTheFileAsItWas) {
    // A full disk: every write fails.
    struct FullDisk final : FileSystemCalls {
        ssize_t Write(int, const void*, size_t) override {
            errno = ENOSPC;
            return -1;
        }
    } fullDisk;
    WriteHostFile("Jobs/road/kept.cot", "old,1,2,3,23,114,4,0,0,Y,Y,\r\n");
    ControlPointRow row;
    row.name = L"new";
    {
        ScopedFileSystemCalls calls(fullDisk);
        EXPECT_FALSE(WriteControlPointFile(L"\\Jobs\\road\\kept.cot", {row}, CalibrationJobConverter(), 0));
    }
    EXPECT_EQ(ReadHostFile("Jobs/road/kept.cot"), "old,1,2,3,23,114,4,0,0,Y,Y,\r\n");
}

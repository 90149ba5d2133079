#pragma once
// Damaged list files on a fresh device root: each reader keeps every line it can read, leaves out and
// counts the rest and says so once; a file over 64 MiB is refused unread by every reader.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <initializer_list>
#include <span>

#include "foundation/DataFileRead.h"
#include "tests/platform/files/DeviceRootFixture.h"

// Reads the file at \f with one of the readers: the lines it kept and what it made of the file.
using DataFileReader = std::function<size_t(DataFileRead&)>;

struct DamagedFileCase {
    const char* name;
    DataFileReader reader;
    const char* bytes;
    size_t kept;
    size_t skipped;
};

class DamagedFilesTest : public DeviceRootTest {
protected:
    // Writes each case's bytes at \f and reads them with its reader.
    void ExpectEachKeepsWhatItCanRead(std::span<const DamagedFileCase> cases) {
        for (const DamagedFileCase& c : cases) {
            SCOPED_TRACE(c.name);
            WriteHostFile("f", c.bytes);
            DataFileRead read;
            EXPECT_EQ(c.reader(read), c.kept);
            EXPECT_TRUE(read);
            EXPECT_EQ(read.skipped, c.skipped);
            EXPECT_EQ(DataFileNotice(L"\\Jobs\\f", read).IsEmpty(), c.skipped == 0);
        }
    }
    // Grows a file of one good line past 64 MiB: every reader refuses it unread and says so.
    void ExpectEachRefusesAnOversizedFile(const char* line, std::initializer_list<DataFileReader> readers) {
        WriteHostFile("f", line);
        std::filesystem::resize_file(root_ / "f", kMaxDataFileBytes + 1);
        for (const DataFileReader& reader : readers) {
            DataFileRead read;
            EXPECT_EQ(reader(read), 0u);
            EXPECT_EQ(read.status, DataFileStatus::kTooLarge);
            EXPECT_EQ(DataFileNotice(L"\\f", read), L"f大于64MB,不能读取");
        }
    }
};

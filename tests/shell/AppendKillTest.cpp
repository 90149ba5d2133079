// Appenders killed while appending 16 KiB records: every record the writer was told had been written
// is there whole, and no two records are ever merged. Each appender is killed a thousand times inside
// its write, at a random byte (the write stops there, as a kill leaves it); the record file's writer
// is also killed for real, as a child process, at random moments.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <random>
#include <set>
#include <string>

#include <filesystem>

#include "foundation/DataFileAppend.h"
#include "foundation/JobResultFiles.h"
#include "foundation/PointLines.h"
#include "foundation/RecordFile.h"
#include "platform/files/DevicePath.h"
#include "platform/files/FileOps.h"
#include "platform/files/FileSystemCalls.h"
#include "platform/text/CodePage.h"
#include "receiver/BluetoothList.h"
#include "tests/platform/files/DeviceRootFixture.h"

namespace {

constexpr size_t kPayload = 16 * 1024;
constexpr int kKills = 1000;
constexpr int kRealKills = 100;
constexpr int kKillsBetweenChecks = 50;

CString Tagged(uint32_t seq) {
    const std::string n = std::to_string(seq);
    const std::string tag =
        "<" + n + ":" + std::string(kPayload, static_cast<char>('a' + seq % 26)) + ":" + n + ">";
    return CString(std::wstring(tag.begin(), tag.end()));
}

// The records of the file, by sequence number; false when a line holds a damaged or merged record.
bool ReadRecords(const std::string& bytes, std::multiset<uint32_t>& seqs) {
    size_t start = 0;
    while (start < bytes.size()) {
        size_t end = bytes.find('\n', start);
        if (end == std::string::npos) end = bytes.size();
        const std::string line = bytes.substr(start, end - start);
        start = end + 1;
        const size_t open = line.find('<');
        if (open == std::string::npos) continue;  // a header line of the file
        if (line.find('<', open + 1) != std::string::npos) return false;
        const size_t colon = line.find(':', open);
        const size_t close = line.find('>', open);
        if (colon == std::string::npos || close == std::string::npos) return false;
        const std::string n = line.substr(open + 1, colon - open - 1);
        const size_t payloadEnd = colon + 1 + kPayload;
        if (n.empty() || n.find_first_not_of("0123456789") != std::string::npos || payloadEnd >= close ||
            line.substr(payloadEnd, close - payloadEnd) != ":" + n)
            return false;
        seqs.insert(static_cast<uint32_t>(std::stoul(n)));
    }
    return true;
}

struct Appender {
    const char* name;
    const wchar_t* path;
    std::string header;  // what the file holds before the first record
    std::function<bool(uint32_t)> append;
};

bool HoldsRecordLine(std::string_view line) {
    PointRecord point;
    return ParseRecordLine(line, point);
}

// A tagged record whole: "<n:" at its start and ":n>" at its end (ReadRecords checks its payload).
bool HoldsTaggedLine(std::string_view line) {
    const size_t colon = line.find(':');
    return line.starts_with('<') && colon != std::string_view::npos &&
           line.ends_with(":" + std::string(line.substr(1, colon - 1)) + ">");
}

// A write that is cut at the armed byte and never returns: the process is gone.
struct Killed {};
class KillingCalls : public FileSystemCalls {
public:
    // The kill falls `bytes` bytes into the writes from now on.
    void Arm(uint64_t bytes) { left_ = bytes; }
    ssize_t Write(int fd, const void* data, size_t size) override {
        if (left_ >= size) {
            left_ -= size;
            return FileSystemCalls::Write(fd, data, size);
        }
        if (left_ > 0) FileSystemCalls::Write(fd, data, left_);
        left_ = UINT64_MAX;
        throw Killed{};
    }

private:
    uint64_t left_ = UINT64_MAX;
};

const Appender* Appenders() {
    static const Appender appenders[] = {
        {"record file", L"\\data.rec", "",
         [](uint32_t seq) {
             // The store appends the record line as it appends the point line.
             PointRecord point;
             point.name = Tagged(seq);
             DataFileAppend file;
             return file.Prepare(L"\\data.rec", HoldsRecordLine) != DataFileAppend::Prepared::kFailed &&
                    file.Append(ToGbk(FormatRecordLine(point)));
         }},
        {"Bluetooth list", L"\\BluetoothList", "0,00:11\r\n",
         [](uint32_t seq) {
             return SaveBluetoothEntry(L"\\BluetoothList", {L"00:11", Tagged(seq)}, false);
         }},
        {"base line of the raw file", L"\\j.blh", "raw\r\n",
         [](uint32_t seq) {
             JobResultFiles files;
             files.SetResultFileNames(L"\\", L"j.xyh");
             BaseStationRec base;
             base.szBaseStationID = Tagged(seq);
             return files.AppendBaseStationLine(base).written;
         }},
        {"point file", L"\\pts.xyh", "",
         [](uint32_t seq) {
             DataFileAppend file;
             return file.Prepare(L"\\pts.xyh", HoldsPointPosition) != DataFileAppend::Prepared::kFailed &&
                    file.Append(ToUtf8(Tagged(seq)) + "\r\n");
         }},
        {"line appended outside a store", L"\\basecoord.blh", "",
         [](uint32_t seq) {
             return AppendLinesDurably(L"\\basecoord.blh", ToUtf8(Tagged(seq)) + "\r\n", HoldsTaggedLine)
                 .written;
         }},
    };
    return appenders;
}
constexpr int kAppenders = 5;

// Checks the file after the append a restarted writer makes: false on a merged or damaged record or a
// lost acknowledged one.
::testing::AssertionResult Intact(const Appender& a, uint32_t& next, const std::set<uint32_t>& acknowledged) {
    if (!a.append(next++)) return ::testing::AssertionFailure() << "the append after the kill failed";
    std::string bytes;
    std::multiset<uint32_t> seqs;
    if (!ReadWholeFile(a.path, bytes) || !ReadRecords(bytes, seqs))
        return ::testing::AssertionFailure() << "a merged or damaged record";
    for (const uint32_t s : acknowledged)
        if (seqs.count(s) != 1) return ::testing::AssertionFailure() << "record " << s << " lost";
    return ::testing::AssertionSuccess();
}

}  // namespace

// On a memory file system where there is one: the syncs of thousands of appends cost nothing there.
class AppendKill : public DeviceRootTest {
protected:
    void SetUp() override {
        DeviceRootTest::SetUp();
        if (!std::filesystem::is_directory("/dev/shm")) return;
        std::filesystem::remove_all(root_);
        root_ = std::filesystem::path("/dev/shm") / root_.filename();
        std::filesystem::create_directories(root_);
        SetDeviceRoot(root_);
    }
};

TEST_F(AppendKill, AcknowledgedRecordsSurviveAThousandKillsInsideEachAppendersWrite) {
    std::mt19937 random(21);
    KillingCalls calls;
    const ScopedFileSystemCalls scoped(calls);
    for (int i = 0; i < kAppenders; ++i) {
        const Appender& a = Appenders()[i];
        SCOPED_TRACE(a.name);
        uint32_t next = 0;
        std::set<uint32_t> acknowledged;
        for (int round = 0; round < kKills; ++round) {
            if (round % kKillsBetweenChecks == 0) {
                ASSERT_TRUE(AtomicRewrite(a.path, a.header));
                acknowledged.clear();
            }
            calls.Arm(random() % (3 * (kPayload + 64)));
            try {
                for (;; ++next)
                    if (a.append(next)) acknowledged.insert(next);
            } catch (const Killed&) {
                ++next;
            }
            if ((round + 1) % kKillsBetweenChecks == 0) {
                ASSERT_TRUE(Intact(a, next, acknowledged));
            }
        }
    }
}

TEST_F(AppendKill, AcknowledgedRecordsSurviveRealKillsOfTheRecordWriter) {
    const Appender& a = Appenders()[0];
    std::mt19937 random(21);
    uint32_t next = 0;
    std::set<uint32_t> acknowledged;
    ASSERT_TRUE(AtomicRewrite(a.path, a.header));
    for (int round = 0; round < kRealKills; ++round) {
        int acks[2];
        ASSERT_EQ(pipe(acks), 0);
        const uint32_t first = next;
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            close(acks[0]);
            for (uint32_t seq = first;; ++seq)
                if (!a.append(seq) || write(acks[1], &seq, sizeof seq) != sizeof seq) _exit(1);
        }
        close(acks[1]);
        // Killed after one to three acknowledgements: the child is then most often inside an append.
        const int wanted = 1 + static_cast<int>(random() % 3);
        uint32_t seq = 0;
        for (int got = 0; got < wanted && read(acks[0], &seq, sizeof seq) == sizeof seq; ++got) {
            acknowledged.insert(seq);
            next = seq + 1;
        }
        kill(child, SIGKILL);
        while (read(acks[0], &seq, sizeof seq) == sizeof seq) {
            acknowledged.insert(seq);
            next = seq + 1;
        }
        close(acks[0]);
        ASSERT_EQ(waitpid(child, nullptr, 0), child);
        next += 1;  // a record written but not acknowledged may be there: its number is not used again
    }
    EXPECT_TRUE(Intact(a, next, acknowledged));
}

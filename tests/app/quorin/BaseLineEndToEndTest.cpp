// A new base in the built program appends its "Rem BaseStation" line to the raw file, outside any
// store. A last record that lacks its CR LF is kept and given it; a piece that is no line goes to
// "vorna.blh.bad", and the program says so once.
#include <cstring>

#include "tests/app/quorin/ProgramInXvfb.h"

namespace {

constexpr const char* kHeader = "Rem Version      Quorin2.0 Ver: 2011.09.26\r\n";
constexpr const char* kRecord =
    "P1,30.1000000000,120.1000000000,12.500,c,1.500,10,0.012,0.023,09,1.80,08:05:09,2026-12-07,3,0,";
constexpr const char* kPiece = "P2,30.1000000000,120.10";
constexpr const char* kCutNotice = "vorna.blh末尾的损坏内容已移到vorna.blh.bad";
constexpr const char* kBaseLine = "Rem BaseStation  ";

// The base is taken only while the rover is fixed: a walk fixed throughout.
sim::SimOptions FixedWalk() {
    sim::SimOptions options;
    options.script.legs = {{30, 0, 10, 0, sim::FixKind::kFixed}, {30, 0, -10, 0, sim::FixKind::kFixed}};
    return options;
}

class BaseLineEndToEnd : public ProgramInXvfb {
protected:
    BaseLineEndToEnd() : ProgramInXvfb(FixedWalk()) {}
    std::string Raw() const { return ReadAll(Job("data/vorna.blh")); }
    // Starts the program and waits for the base it hears to be taken: a further base-station line.
    void StartUntilBaseTaken() {
        const size_t lines = Count(Raw(), kBaseLine);
        ASSERT_NO_FATAL_FAILURE(StartProgram());
        ASSERT_TRUE(PlayUntil([&] { return Count(Raw(), kBaseLine) > lines; }, 60000))
            << "no base taken: " << ReadAll(ErrorFile());
    }
    // The job forgets its base, so that the next start takes the one it hears as new.
    void ForgetStoredBase() {
        std::string coord = ReadAll(Job("vorna.qza"));
        for (const std::string key : {"szdBasePX=", "szdBasePY=", "szdBasePH="}) {
            const size_t at = coord.find(key);
            ASSERT_NE(at, std::string::npos) << key;
            const size_t value = at + key.size();
            coord.replace(value, coord.find('\r', value) - value, "0.0000000000");
        }
        std::ofstream(Job("vorna.qza"), std::ios::binary) << coord;
    }
};

}  // namespace

TEST_F(BaseLineEndToEnd, ALastRecordWithoutItsLineEndIsKeptAndAPieceIsCutAsideAndTold) {
    // A first start lays the default job out; its central meridian is then the walk's, so that no
    // warning takes the keyboard.
    ASSERT_NO_FATAL_FAILURE(StartProgram());
    ASSERT_NO_FATAL_FAILURE(StopProgram());
    Edit(Job("vorna.qza"), "szdCenter=0.0000000000", "szdCenter=120.0000000000");

    std::ofstream(Job("data/vorna.blh"), std::ios::binary) << kHeader << kRecord;
    ASSERT_NO_FATAL_FAILURE(StartUntilBaseTaken());
    ASSERT_NO_FATAL_FAILURE(StopProgram());
    const std::string kept = std::string(kHeader) + kRecord + "\r\n" + kBaseLine;
    EXPECT_EQ(Raw().substr(0, kept.size()), kept);
    EXPECT_EQ(Count(ReadAll(ErrorFile()), "损坏内容"), 0u);
    EXPECT_FALSE(std::filesystem::exists(Job("data/vorna.blh.bad")));

    const std::string before = Raw();
    std::ofstream(Job("data/vorna.blh"), std::ios::binary | std::ios::app) << kPiece;
    ASSERT_NO_FATAL_FAILURE(ForgetStoredBase());
    ASSERT_NO_FATAL_FAILURE(StartUntilBaseTaken());
    ASSERT_TRUE(PlayUntil([&] { return Count(ReadAll(ErrorFile()), kCutNotice) > 0; }, 30000))
        << ReadAll(ErrorFile());
    Keys("Return");
    ASSERT_NO_FATAL_FAILURE(StopProgram());
    EXPECT_EQ(Count(ReadAll(ErrorFile()), kCutNotice), 1u);
    EXPECT_EQ(Raw().substr(0, before.size() + std::strlen(kBaseLine)), before + kBaseLine);
    EXPECT_EQ(Count(Raw(), "\n"), 4u);
    EXPECT_EQ(ReadAll(Job("data/vorna.blh.bad")), kPiece);
}

#include <gtest/gtest.h>

#include "platform/time/Clock.h"
#include "receiver/CModuleCommandQueue.h"
#include "receiver/ReceiverStartup.h"
#include "tests/receiver/SimulatorLink.h"

namespace {

class CommandSets : public SimulatorLink {
protected:
    std::string StartupTranscript(int board, int format) {
        frame.settings.connection.nRadioFormat = format;
        frame.settings.connection.nGAngle = 10;
        const DWORD start = GetTickCount();
        SendStartupSet(board, {frame.port, frame.settings.connection, [this] { frame.ClearFixSignals(); }},
                       queue);
        waitedMs = GetTickCount() - start;
        return Written();
    }

    DWORD waitedMs = 0;

    CVirtualClock clock;
    CModuleCommandQueue queue{frame.port, [](const ModuleProgress&) {}};
};

const char* const kOwnModes[] = {"interfacemode,com2,rtca,rtca", "interfacemode,com2,rtcm,rtcm",
                                 "interfacemode,com2,cmr,cmr", "interfacemode,com2,rtcmv3,rtcmv3",
                                 "ecutoff,10"};
const char* const kBoardModes[] = {"interfacemode,com2,rtca,novatel", "interfacemode,com2,rtcm,novatel",
                                   "interfacemode,com2,cmr,novatel", "interfacemode,com2,rtcmv3,novatel",
                                   "ecutoff,10"};

std::string CommonStart() {
    return Stored("dgpstimeout,60") + Stored("DGPSTIMEOUT,60") + Stored("nmeatalker auto") +
           Stored("NMEATALKER AUTO") + Stored("ecutoff,10");
}

std::string LogLines() {
    return Stored("log,gpgga,ontime,3") + Stored("log,gpgsa,ontime,3") + Stored("log,gpgsv,ontime,1") +
           Stored("log,gpzda,ontime,1") + Stored("log,refstationa,onchanged") +
           Stored("log,refstationa,ontime,10") + Stored("log,bestposa,ontime,1");
}

}  // namespace

// Boards 0 and 1 send the interface mode of the job's format; the sets of every board, with the
// minute after them, are the shell's golden records of what the frame sends.
TEST_F(CommandSets, StartupSetOfTheLogBoardsForEveryFormat) {
    for (int format = 0; format <= 4; ++format) {
        SCOPED_TRACE(format);
        frame.gga.valid = 1;
        EXPECT_EQ(StartupTranscript(0, format), CommonStart() + Stored(kBoardModes[format]) + LogLines() +
                                                    Stored("$JASC,gpgga,1") + Stored("$JASC,gpgsa,1") +
                                                    Stored("$JASC,gpzda,1") + Stored("$JASC,gpgsv,1") +
                                                    Stored("$JAPP") + kVersionQuery + kVersionQuery);
        EXPECT_EQ(waitedMs, 100u);
        EXPECT_EQ(frame.gga.valid, 0);
        EXPECT_DOUBLE_EQ(frame.gga.hdop, 99.0);
        EXPECT_EQ(StartupTranscript(1, format),
                  CommonStart() + Stored(kOwnModes[format]) + LogLines() + kVersionQuery + kVersionQuery);
        EXPECT_EQ(waitedMs, 100u);
    }
}

TEST_F(CommandSets, ElevationMaskPacket) {
    EXPECT_EQ(ElevationMaskPacketText(10), L"020064110100000300010001080a01630000010000f203");
    const DWORD start = GetTickCount();
    SendElevationMaskPacket(frame.port, 89);
    EXPECT_EQ(GetTickCount() - start, 500u);
    EXPECT_EQ(Written(), Bytes({0x02, 0x00, 0x64, 0x11, 0x01, 0x00, 0x00, 0x03, 0x00, 0x01, 0x00, 0x01,
                                0x08, 0x59, 0x01, 0x63, 0x00, 0x00, 0x01, 0x00, 0x00, 0x41, 0x03}));
    SendElevationMaskPacket(frame.port, 0);
    EXPECT_EQ(Written().substr(21), Bytes({0xE8, 0x03}));
}

TEST_F(CommandSets, TextAndBinaryWritersOnTheWire) {
    frame.port.SendLine(L"unlogall,com2");
    frame.port.SendLine(L"fix,none\r\n");
    frame.port.SendBinaryCommand(BinaryCommand::kPortSwitch, L"C0");
    frame.port.SendBinaryCommand(BinaryCommand::kBaseParams, L"C2 C5 C30 C10 ");
    EXPECT_EQ(Written(), "unlogall,com2\r\n" + Stored("fix,none") +
                             Bytes({0x24, 0x35, 0xCA, 0x01, 0x00, 0x00, 0xDA}) +
                             Bytes({0x24, 0x39, 0xC6, 0x04, 0x00, 0x02, 0x05, 0x1E, 0x0A, 0xCC}));
    // A token text over the limits writes nothing at all.
    EXPECT_EQ(frame.port.SendBinaryCommand(BinaryCommand::kWorkMode, L"c123456789012"), 0u);
    EXPECT_EQ(Written(), "");
}

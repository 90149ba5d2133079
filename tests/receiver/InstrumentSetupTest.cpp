#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "platform/text/Format.h"
#include "platform/text/Numbers.h"
#include "platform/time/Clock.h"
#include "receiver/InstrumentSends.h"
#include "receiver/ManualBaseSetup.h"
#include "tests/receiver/SimulatorLink.h"

namespace {

// A binary command frame: '$', id, ~id, length (LE16), payload, XOR of everything before.
std::string Command(int id, const std::string& payload) {
    std::string frame = {'$', static_cast<char>(id), static_cast<char>(~id),
                         static_cast<char>(payload.size()), '\0'};
    frame += payload;
    char check = 0;
    for (char c : frame) check ^= c;
    return frame + check;
}

// A hex packet of the binary board: 02, 00 64, n, payload, byte sum after the 02, 03.
std::string Packet(const std::string& payload) {
    std::string packet = Bytes({0x02, 0x00, 0x64, static_cast<int>(payload.size())}) + payload;
    int sum = 0;
    for (size_t i = 1; i < packet.size(); ++i) sum += static_cast<uint8_t>(packet[i]);
    return packet + Bytes({sum & 0xFF, 0x03});
}

std::string BigEndian(double value) {
    uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    std::string out;
    for (int shift = 56; shift >= 0; shift -= 8) out += static_cast<char>(bits >> shift);
    return out;
}

const std::string kFixedPacket =
    Bytes({0x02, 0x00, 0x64, 0x11, 0x01, 0x00, 0x00, 0x03, 0x00, 0x01, 0x00, 0x07,
           0x08, 0xFF, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x89, 0x03});

class InstrumentSetup : public SimulatorLink {
protected:
    void SetUp() override {
        SimulatorLink::SetUp();
        frame.state.ident.text[0] = L"QZ8120381234";
        frame.settings.connection.nRadioFormat = 0;
    }
    std::string ManualBase(int board, ManualBaseValues values) {
        frame.system.nGPSOEMType = board;
        const DWORD start = GetTickCount();
        SendManualBase(frame, values);
        waitedMs = GetTickCount() - start;
        return Written();
    }
    CVirtualClock clock;
    DWORD waitedMs = 0;
};

// 30°14'30" N, 120°10'18" E, 100 m with 1.5 m of vertical antenna height.
ManualBaseValues Hangzhou(int format) {
    ManualBaseValues v;
    v.szB = L"30.1430000000";
    v.szL = L"120.1018000000";
    v.szH = L"100.000";
    v.dAntHeight = 1.6;
    v.nAntHeightType = 1;
    v.dVertAntHeight = 1.5;
    v.nDiffFormat = format;
    v.nSendInterval = 1;
    v.dPdopLimit = 3.0;
    v.nElevMask = 10;
    return v;
}

const std::string kParams[] = {Command(57, Bytes({1, 1, 30, 10})), Command(57, Bytes({2, 1, 30, 10})),
                               Command(57, Bytes({3, 1, 30, 10})), Command(57, Bytes({4, 1, 30, 10})),
                               Command(57, Bytes({5, 1, 30, 10}))};
const std::string kFix = "fix,position,30.2416666667,120.1716666667,101.5000000000";
const std::string kNoRepeat = Command(58, Bytes({0}));

}  // namespace

TEST_F(InstrumentSetup, ManualBaseOfBoardOneVForEveryFormat) {
    const std::string ids[] = {Stored("dgpstxid,rtca,\"1234\""), "dgpstxid,rtcm,234\r\n",
                               "dgpstxid,cmr,18\r\n", "dgpstxid,rtcm,234\r\n", "\r\n"};
    const std::string modes[] = {
        Stored("interfacemode,com2,none,rtca"), Stored("interfacemode,com2,none,rtcm"),
        Stored("interfacemode,com2,none,cmr"), Stored("interfacemode,com2,none,rtcmv3"), "\r\n"};
    const std::string logs[] = {
        Stored("log,com2,rtcaobs,ontime,1") + Stored("log,com2,rtcaref,ontime,10"),
        Stored("log,com2,rtcm3,ontime,10") + Stored("log,com2,rtcm59,ontime,1") +
            Stored("log,com2,rtcm1033,ontime,10") + Stored("log,com2,rtcm1007,ontime,10"),
        Stored("log,com2,cmrobs,ontime,1") + Stored("log,com2,cmrref,ontime,10"),
        Stored("log,com2,rtcm1002,ontime,10") + Stored("log,com2,rtcm1006,ontime,10") +
            Stored("log,com2,rtcm1007,ontime,10") + Stored("log,com2,rtcm1003,ontime,1") +
            Stored("log,com2,rtcm1033,ontime,10") + Stored("log,com2,rtcm1012,ontime,10"),
        ""};
    for (int format = 0; format <= 4; ++format) {
        SCOPED_TRACE(format);
        EXPECT_EQ(ManualBase(1, Hangzhou(format)), kParams[format] + Stored("unlogall,com2") + modes[format] +
                                                       Stored(kFix) + ids[format] + logs[format] + kNoRepeat);
        // The dialog saved the format with the antenna height: the sends write no job file.
        EXPECT_TRUE(frame.jobFileWrites.empty());
    }
}

TEST_F(InstrumentSetup, ManualBaseOfTheOtherTextBoards) {
    const std::string corrections[] = {Stored("$JASC,RTCM3,1,PORTB"), Stored("$JASC,RTCM3,1,PORTB"),
                                       Stored("$JASC,CMR,1,PORTB"), Stored("$JASC,RTCM3,1,PORTB"), ""};
    for (int format = 0; format <= 4; ++format) {
        SCOPED_TRACE(format);
        EXPECT_EQ(ManualBase(2, Hangzhou(format)),
                  kParams[format] + Stored("$JOFF,PORTB") + Stored("$JOFF,PORTB") + Stored("$JOFF,PORTB") +
                      "$JMASK,10\r\n" + corrections[format] +
                      "$JRTK,1,30.2416666667,120.1716666667,101.5000000000\r\n" + Stored("$JSAVE") +
                      kNoRepeat);
        const std::string fix3 = Stored("fix,position,30.2416666667,120.1716666667,101.500");
        EXPECT_EQ(ManualBase(4, Hangzhou(format)), kParams[format] + fix3 + fix3 + kNoRepeat);
        EXPECT_EQ(ManualBase(0, Hangzhou(format)), kParams[format] + kNoRepeat);
        EXPECT_EQ(ManualBase(3, Hangzhou(format)), kParams[format] + kNoRepeat);
    }
}

TEST_F(InstrumentSetup, ManualBaseOfTheBinaryBoardWritesItsPackets) {
    // On the equator at the prime meridian the angles are exact zeros: every byte is known.
    const std::string head = Bytes({0x00, 0x00, 0x00, 0x03, 0x00, 0x01, 0x00, 0x01, 0x08, 10,  0x01,
                                    3,    0x00, 0x00, 0x01, 0x00, 0x00, 0x03, 0x25, 0x00, 0x00}) +
                             "CREF0001";
    const std::string position = BigEndian(0.0) + BigEndian(0.0) + BigEndian(101.5);
    const std::string payloads[] = {
        head,
        head + position + Bytes({0x00, 0xEA, 0x00}) + Bytes({0x07, 0x06, 0x03, 0x01, 0x03, 0x00, 0x03, 0x00}),
        head + position + Bytes({0x00, 0x00, 18}) + Bytes({0x07, 0x06, 0x02, 0x01, 0x03, 0x00, 0x00, 0x00}),
        head + position + Bytes({0x00, 0xEA, 0x00}) + Bytes({0x07, 0x06, 0x03, 0x01, 0x03, 0x00, 0x21, 0x00}),
        head};
    const std::string modes[] = {"\r\n", Stored("interfacemode,com2,none,rtcm,off"),
                                 Stored("interfacemode,com2,none,cmr,off"),
                                 Stored("interfacemode,com2,none,rtcmv3,off"), "\r\n"};
    for (int format = 0; format <= 4; ++format) {
        SCOPED_TRACE(format);
        ManualBaseValues v = Hangzhou(format);
        v.szB = L"0";
        v.szL = L"0";
        EXPECT_EQ(ManualBase(5, v),
                  kParams[format] + modes[format] + kFixedPacket + Packet(payloads[format]) + kNoRepeat);
        EXPECT_EQ(waitedMs, 1000u);
        EXPECT_EQ(payloads[format].size(), format >= 1 && format <= 3 ? 0x40u : 0x1Du);
    }
    // The receiver takes each packet whole (the fixed packet and the set-up packet of each format).
    EXPECT_EQ(simulator.ReceivedPackets().size(), 10u);
    EXPECT_EQ(simulator.ReceivedPackets()[3], Packet(payloads[1]));
}

TEST_F(InstrumentSetup, BinaryBoardSendsRadiansHighByteFirst) {
    ManualBase(5, Hangzhou(1));
    const std::string& packet = simulator.ReceivedPackets().back();
    const auto doubleAt = [&](size_t offset) {
        uint64_t bits = 0;
        for (size_t i = 0; i < 8; ++i) bits = bits << 8 | static_cast<uint8_t>(packet[offset + i]);
        double value;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    };
    const size_t doubles = 4 + 7 + 10 + 12;
    EXPECT_NEAR(doubleAt(doubles), (30 + 14 / 60.0 + 30 / 3600.0) * M_PI / 180, 1e-12);
    EXPECT_NEAR(doubleAt(doubles + 8), (120 + 10 / 60.0 + 18 / 3600.0) * M_PI / 180, 1e-12);
    EXPECT_EQ(doubleAt(doubles + 16), 101.5);
}

TEST_F(InstrumentSetup, RepeatSendsThePositionCommandCharacterByCharacter) {
    const std::pair<int, std::string> cases[] = {
        {1, kFix + "\r\n"},
        {4, "fix,position,30.2416666667,120.1716666667,101.500\r\n"},
        {5, "fix,position,0.5278166546,2.0973912509,101.5000000000\r\n"},
        {0, ""}};
    for (const auto& [board, fix] : cases) {
        SCOPED_TRACE(board);
        ManualBaseValues v = Hangzhou(0);
        v.bRepeatSetup = 1;
        const std::string written = ManualBase(board, v);
        const std::string repeat = Command(58, fix);
        ASSERT_GE(written.size(), repeat.size());
        EXPECT_EQ(written.substr(written.size() - repeat.size()), repeat);
    }
}

TEST_F(InstrumentSetup, TypedZeroAntennaHeightAddsNothingToTheHeightSent) {
    ManualBaseValues v = Hangzhou(0);
    v.dAntHeight = 0.0;
    v.nAntHeightType = 2;
    v.dVertAntHeight = 0.088;  // the instrument height, stored as the rover's
    EXPECT_NE(ManualBase(1, v).find(Stored("fix,position,30.2416666667,120.1716666667,100.0000000000")),
              std::string::npos);
}

TEST_F(InstrumentSetup, StationIdsOfShortAndOddSerials) {
    struct Case {
        const wchar_t* serial;
        const wchar_t* id4;
        const wchar_t* id3;
        int idMod;
        int id3Value;
    };
    const Case cases[] = {{L"QZ8120381234", L"1234", L"234", 18, 234},
                          {L"12", L"12", L"12", 12, 12},
                          {L"", L"", L"", 0, 0},
                          {L"AB-45", L"B-45", L"-45", 0, -45},
                          {L"X-100", L"-100", L"100", -4, 100},
                          {L"12AB", L"12AB", L"2AB", 12, 2}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << CString(c.serial));
        const StationIds ids = StationIdsOf(c.serial);
        EXPECT_EQ(ids.id4, c.id4);
        EXPECT_EQ(ids.id3, c.id3);
        EXPECT_EQ(ids.idMod, c.idMod);
        EXPECT_EQ(ids.id3Value, c.id3Value);
    }
}

TEST_F(InstrumentSetup, PlaneCoordinatesAreTurnedIntoGeodeticOnesFirst) {
    frame.firstTransform.SetEllipsoid(6378137.0, 298.257223563);
    frame.firstTransform.SetProjection(0, 0.0, 500000.0, 120.0, 1.0, 0.0, 0.0);
    double x = 0, y = 0, h = 0;
    frame.firstTransform.Wgs84ToLocalPlane(30.2416666666667, 120.1716666666667, 100.0, x, y, h);
    ManualBaseValues v = Hangzhou(0);
    v.nCoordType = 1;
    v.szB = Format(L"%.4f", x);
    v.szL = Format(L"%.4f", y);
    v.szH = Format(L"%.4f", h);
    frame.system.nGPSOEMType = 1;
    SendManualBase(frame, v);
    // Shown back in packed degrees (ten decimals) and a height to the millimetre.
    EXPECT_NEAR(ToDouble(v.szB), 30.143, 2e-10);
    EXPECT_NEAR(ToDouble(v.szL), 120.1018, 2e-10);
    EXPECT_EQ(v.szB.GetLength(), 13);
    EXPECT_EQ(v.szH, L"100.000");
    EXPECT_NE(Written().find("fix,position,30.24166666"), std::string::npos);
}

TEST_F(InstrumentSetup, StaticModePayloads) {
    const std::pair<double, std::string> heights[] = {{0.0, Bytes({0, 0})},
                                                      {1.5, Bytes({0xDC, 0x05})},
                                                      {1.001, Bytes({0xE9, 0x03})},
                                                      {65.535, Bytes({0xFF, 0xFF})}};
    for (const auto& [height, bytes] : heights) {
        StaticModeParams p;
        p.dAntHeight = height;
        SendStaticMode(frame.port, p);
        EXPECT_EQ(Written(),
                  Command(41, "abcd" + bytes + Bytes({0x0F, 0x0A, 0x1E})) + Command(30, Bytes({4})));
    }
    StaticModeParams p;
    p.szPointName = L"P~0123456789ABCD";
    p.nSendInterval = 255;
    p.nElevMask = 89;
    p.dPdopLimit = 25.5;
    SendStaticMode(frame.port, p);
    EXPECT_EQ(Written(),
              Command(41, "P~0123456789ABCD" + Bytes({0, 0, 255, 89, 255})) + Command(30, Bytes({4})));
}

TEST_F(InstrumentSetup, StaticPointNames) {
    for (const wchar_t* good : {L"a", L"abcd", L"P~0123456789ABCD", L"!#$"})
        EXPECT_TRUE(IsStaticPointName(good));
    for (const wchar_t* bad : {L"", L"a b", L"点1", L"P~0123456789ABCDE", L"tab\t"})
        EXPECT_FALSE(IsStaticPointName(bad));
}

TEST_F(InstrumentSetup, WorkModeSends) {
    struct Case {
        int mode;
        int reported;
        std::string bytes;
    };
    const std::string fixNone = Stored("fix,none") + Stored("fix,none");
    const Case cases[] = {
        {kWorkKinematic, 0, Command(61, Bytes({1})) + Command(30, Bytes({1}))},
        {kWorkBase, 0, Command(61, Bytes({2})) + fixNone},
        {kWorkBase, 1, fixNone},
        {kWorkRover, 1, Command(61, Bytes({3}))},
        {kWorkRover, 0, ""},
        {kWorkStatic, 1, Command(61, Bytes({4})) + Command(30, Bytes({4}))},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode * 10 + c.reported);
        frame.versionInfo.workMode = c.reported;
        const DWORD start = GetTickCount();
        SendWorkMode(frame, c.mode);
        EXPECT_EQ(GetTickCount() - start, 1000u);
        EXPECT_EQ(Written(), c.bytes);
    }
}

TEST_F(InstrumentSetup, DataLinkIsSentFourTimes) {
    for (int link = 2; link >= 0; --link) {
        SendDataLink(frame, link);
        const std::string one = Command(59, Bytes({link + 3}));
        EXPECT_EQ(Written(), one + one + one + one);
        EXPECT_EQ(frame.radioLink, link == 0 ? 1 : 0);
    }
}

TEST_F(InstrumentSetup, BaseAutoStartKeepsTheFormatWritesTheJobAndSendsItsParameters) {
    BaseTransmitParams p;
    p.nDiffFormat = 2;
    p.nSendInterval = 5;
    p.dPdopLimit = 2.55;
    p.nElevMask = 15;
    frame.jobFileWritable = false;
    EXPECT_FALSE(SendBaseAutoStart(frame, p));
    ASSERT_EQ(frame.jobFileWrites.size(), 1u);
    EXPECT_EQ(frame.jobFileWrites[0].connection.nRadioFormat, 2);
    EXPECT_EQ(Written(), Command(57, Bytes({3, 5, 25, 15})));
}

TEST(VerticalAntennaHeight, ByHeightType) {
    ReceiverVersionInfo receiver;
    receiver.instrumentRadius = 0.1;
    receiver.antennaHeightFactor = 0.05;
    receiver.instrumentHeight = 0.0884;
    struct Case {
        double typed;
        int type;
        double vertical;
    };
    const Case cases[] = {{1.5, 0, 1.5},   {1.5, 1, 1.547},    {1.5, 2, 1.588},    {0.0, 1, 0.0},
                          {0.0, 2, 0.088}, {0.1001, 1, 0.054}, {1.2345, 0, 1.2345}};
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(VerticalAntennaHeight(c.typed, c.type, receiver), c.vertical);
    EXPECT_TRUE(IsSlantHeightTooShort(0.1, receiver));
    EXPECT_TRUE(IsSlantHeightTooShort(0.05, receiver));
    EXPECT_FALSE(IsSlantHeightTooShort(0.0, receiver));
    EXPECT_FALSE(IsSlantHeightTooShort(0.1001, receiver));
}

#include <gtest/gtest.h>

#include "receiver/CSerialPort.h"
#include "tests/receiver/SimulatorLink.h"

namespace {

std::string Payload(const wchar_t* tokens) {
    std::string payload;
    EXPECT_TRUE(BuildBinaryPayload(tokens, &payload)) << "refused";
    return payload;
}

}  // namespace

TEST(BinaryCommand, FramesAndTokenKinds) {
    EXPECT_EQ(BuildBinaryFrame(52, ""), Bytes({0x24, 0x34, 0xCB, 0x00, 0x00, 0xDB}));
    EXPECT_EQ(BuildBinaryFrame(53, Payload(L"c0")), Bytes({0x24, 0x35, 0xCA, 0x01, 0x00, 0x00, 0xDA}));
    EXPECT_EQ(BuildBinaryFrame(54, Payload(L"C1")), Bytes({0x24, 0x36, 0xC9, 0x01, 0x00, 0x01, 0xDB}));
    EXPECT_EQ(Payload(L"x5 c7"), Bytes({7}));
    EXPECT_EQ(Payload(L"  c1   c2  "), Bytes({1, 2}));
    EXPECT_EQ(Payload(L"c300"), Bytes({300 & 0xFF}));
    EXPECT_EQ(Payload(L"aZq"), "Z");
    EXPECT_EQ(Payload(L"i4660"), Bytes({0x34, 0x12}));
    EXPECT_EQ(Payload(L"L305419896"), Bytes({0x56, 0x78, 0x12, 0x34}));
}

TEST(BinaryCommand, InputOverTheLimitsIsRefusedWhole) {
    std::string payload = "untouched";
    EXPECT_FALSE(BuildBinaryPayload(L"c1 c12345678901", &payload));
    EXPECT_TRUE(payload.empty());
    EXPECT_TRUE(BuildBinaryPayload(L"c1234567890", &payload));
    EXPECT_FALSE(BuildBinaryPayload(CString(L'c', 300), &payload));
    CString tokens;
    for (int i = 0; i < 62; ++i) tokens += L"l7 ";
    EXPECT_TRUE(BuildBinaryPayload(tokens, &payload));
    EXPECT_EQ(payload.size(), 248u);
    tokens += L"c1 c1 c1";
    EXPECT_FALSE(BuildBinaryPayload(tokens, &payload));
}

TEST(BinaryCommand, HexByteSumChecksum) {
    EXPECT_EQ(HexByteSumChecksum(L"01 02 FF"), L"02");
    EXPECT_EQ(HexByteSumChecksum(L""), L"00");
    EXPECT_EQ(HexByteSumChecksum(L"0a0b0"), L"15");
    EXPECT_EQ(HexByteSumChecksum(L"zz01"), L"01");
}

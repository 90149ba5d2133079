#include <gtest/gtest.h>

#include <cstring>
#include <vector>
#include "foundation/CByteBuffer.h"

namespace {
void AppendText(CByteBuffer& b, const char* text) {
    b.Append(text, static_cast<uint32_t>(std::strlen(text)));
}
}  // namespace

TEST(CByteBuffer, CapacityGrowsInWholePages) {
    CByteBuffer b;
    EXPECT_EQ(b.GetCapacity(), 0u);
    std::vector<uint8_t> bytes(1024, 0xAB);
    EXPECT_EQ(b.Append(bytes.data(), 1), 1u);
    EXPECT_EQ(b.GetCapacity(), 1024u);
    EXPECT_EQ(b.Append(bytes.data(), 1023), 1023u);
    EXPECT_EQ(b.GetCapacity(), 1024u);
    b.Append(bytes.data(), 1);
    EXPECT_EQ(b.GetCapacity(), 2048u);
    EXPECT_EQ(b.GetLength(), 1025u);
}

TEST(CByteBuffer, GrowingKeepsTheHeldBytes) {
    CByteBuffer b;
    std::vector<uint8_t> chunk(256);
    for (int round = 0; round < 9; ++round) {
        for (int i = 0; i < 256; ++i) chunk[i] = static_cast<uint8_t>(round * 7 + i);
        b.Append(chunk.data(), 256);
    }
    ASSERT_EQ(b.GetLength(), 9u * 256);
    EXPECT_EQ(b.GetCapacity(), 3072u);
    for (int round = 0; round < 9; ++round) {
        EXPECT_EQ(b.GetAt(round * 256 + 5), static_cast<uint8_t>(round * 7 + 5));
    }
}

TEST(CByteBuffer, ResetEmptiesButKeepsTheBlock) {
    CByteBuffer b;
    b.Reserve(4000);
    EXPECT_EQ(b.GetCapacity(), 4096u);
    AppendText(b, "abc");
    b.Reset();
    EXPECT_EQ(b.GetLength(), 0u);
    EXPECT_EQ(b.GetCapacity(), 4096u);

    CByteBuffer fresh;
    EXPECT_EQ(fresh.Reset(), 1024u);
}

TEST(CByteBuffer, ReserveNeverShrinksOrDropsBytes) {
    CByteBuffer b;
    AppendText(b, "hello");
    EXPECT_EQ(b.Reserve(3), 0u);
    EXPECT_EQ(b.Reserve(2048), 2048u);
    EXPECT_EQ(b.Reserve(1024), 0u);
    EXPECT_EQ(b.GetCapacity(), 2048u);
    EXPECT_EQ(b.Find("hello", 5), 0);
}

TEST(CByteBuffer, ConsumeDropsFromTheFrontAndNeverMoreThanHeld) {
    CByteBuffer b;
    AppendText(b, "abcdef");
    EXPECT_EQ(b.Consume(2), 2u);
    EXPECT_EQ(b.GetLength(), 4u);
    EXPECT_EQ(b.GetAt(0), 'c');
    EXPECT_EQ(b.Consume(5), 4u);
    EXPECT_EQ(b.GetLength(), 0u);

    // Beyond the capacity as well: the bytes must go, not stay behind as stale data.
    CByteBuffer small;
    AppendText(small, "xyz");
    EXPECT_EQ(small.Consume(5000), 3u);
    EXPECT_EQ(small.GetLength(), 0u);
    EXPECT_EQ(small.Find("xyz", 3), -1);
}

TEST(CByteBuffer, GetAtOutsideTheBytesIsZero) {
    CByteBuffer b;
    EXPECT_EQ(b.GetAt(0), 0);
    AppendText(b, "Q");
    EXPECT_EQ(b.GetAt(-1), 0);
    EXPECT_EQ(b.GetAt(1), 0);
    EXPECT_EQ(b.GetAt(0), 'Q');
}

TEST(CByteBuffer, FindReturnsTheFirstWholeMatch) {
    CByteBuffer b;
    AppendText(b, "TOVA");
    EXPECT_EQ(b.Find("TOVA", 4), 0);
    EXPECT_EQ(b.Find("OVA", 3), 1);
    EXPECT_EQ(b.Find("", 0), -1);

    CByteBuffer three;
    AppendText(three, "TOV");
    EXPECT_EQ(three.Find("TOVA", 4), -1);

    CByteBuffer reply;
    AppendText(reply, "xxOKxOK,OK\r\n");
    EXPECT_EQ(reply.Find(",OK", 3), 7);
    EXPECT_EQ(reply.Find("OK\r\n", 4), 8);
    const uint8_t withZero[] = {0x02, 0x00, 0x64};
    reply.Append(withZero, 3);
    EXPECT_EQ(reply.Find(withZero, 3), 12);
}

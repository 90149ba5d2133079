#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>
#include <chrono>
#include <string>

#include "platform/serial/CSerialDevice.h"

namespace {

// A pseudo-terminal: the test writes to the master, the device under test opens the other end.
class PseudoTerminal : public ::testing::Test {
protected:
    void SetUp() override {
        master = posix_openpt(O_RDWR | O_NOCTTY);
        ASSERT_GE(master, 0);
        ASSERT_EQ(grantpt(master), 0);
        ASSERT_EQ(unlockpt(master), 0);
        path = ptsname(master);
        ASSERT_TRUE(device.Open(path));
        ASSERT_TRUE(device.Configure(57600, 8, ONESTOPBIT, NOPARITY));
        ASSERT_EQ(pipe(stop), 0);
    }
    void TearDown() override {
        device.Close();
        if (master >= 0) close(master);
        close(stop[0]);
        close(stop[1]);
    }

    int master = -1;
    int stop[2] = {-1, -1};
    std::string path;
    CSerialDevice device;
};

}  // namespace

TEST_F(PseudoTerminal, ReadGathersUntilTheLineIsIdleOrTheChunkIsFull) {
    device.SetReadTimeouts({100, 1, 100});
    ASSERT_EQ(write(master, "$GPGGA,1*00\r\n", 13), 13);
    uint8_t buffer[256];
    size_t got = 0;
    ASSERT_EQ(device.Read(buffer, sizeof buffer, &got, stop[0]), SerialReadStatus::kData);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(buffer), got), "$GPGGA,1*00\r\n");
    const std::string big(300, 'x');
    ASSERT_EQ(write(master, big.data(), big.size()), 300);
    ASSERT_EQ(device.Read(buffer, sizeof buffer, &got, stop[0]), SerialReadStatus::kData);
    EXPECT_EQ(got, 256u);
    ASSERT_EQ(device.Read(buffer, sizeof buffer, &got, stop[0]), SerialReadStatus::kData);
    EXPECT_EQ(got, 44u);
}

TEST_F(PseudoTerminal, AStopWakesAWaitingReadAndAHangUpIsReported) {
    uint8_t buffer[16];
    size_t got = 0;
    ASSERT_EQ(write(stop[1], "s", 1), 1);
    EXPECT_EQ(device.Read(buffer, sizeof buffer, &got, stop[0]), SerialReadStatus::kStopped);
    char drain;
    ASSERT_EQ(read(stop[0], &drain, 1), 1);
    close(master);
    master = -1;
    EXPECT_EQ(device.Read(buffer, sizeof buffer, &got, stop[0]), SerialReadStatus::kHangup);
}

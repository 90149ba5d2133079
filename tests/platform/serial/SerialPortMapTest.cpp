#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/serial/SerialPortMap.h"

TEST(SerialPortMap, DefaultsEnvironmentAndOverrides) {
    unsetenv("QZ_SERIAL_PORTS");
    EXPECT_EQ(SerialDevicePath(5), "/dev/ttyUSB0");
    EXPECT_EQ(SerialDevicePath(3), "/dev/rfcomm0");
    EXPECT_EQ(SerialDevicePath(2), "bluez");
    EXPECT_EQ(SerialDevicePath(8), "/dev/ttyS7");
    EXPECT_EQ(SerialDevicePath(0), "");

    setenv("QZ_SERIAL_PORTS", "5=/dev/pts/7; COM3=/dev/rfcomm4,junk,9=", 1);
    EXPECT_EQ(SerialDevicePath(5), "/dev/pts/7");
    EXPECT_EQ(SerialDevicePath(3), "/dev/rfcomm4");
    EXPECT_EQ(SerialDevicePath(9), "/dev/ttyS8");

    SetSerialDevicePath(5, "/tmp/own");
    EXPECT_EQ(SerialDevicePath(5), "/tmp/own");
    SetSerialDevicePath(5, "");
    EXPECT_EQ(SerialDevicePath(5), "/dev/pts/7");
    unsetenv("QZ_SERIAL_PORTS");
}

TEST(SerialPortMap, PortNumbersFromDeviceNames) {
    EXPECT_EQ(SerialPortNumberFromName(L"COM5:"), 5);
    EXPECT_EQ(SerialPortNumberFromName(L"com12"), 12);
    EXPECT_EQ(SerialPortNumberFromName(L"COM"), 0);
    EXPECT_EQ(SerialPortNumberFromName(L"LPT1:"), 0);
    EXPECT_EQ(SerialPortNumberFromName(L""), 0);
}

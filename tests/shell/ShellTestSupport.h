#pragma once
// A fresh device root per test and the UI driver, for tests of the shell's frame and start-up.
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/serial/SerialPortMap.h"
#include "platform/testing/UiDriver.h"
#include "tests/platform/files/DeviceRootFixture.h"

// A whole system file naming the road job and its point file road.xyh.
inline const std::string kRoadSystemFile =
    "\r\n[System]\r\nszIniFile=\\Program Files\\Jobs\\road\\road.qzs\r\nszDataFile=road.xyh\r\n"
    "szLastSaveName=0\r\nszLastJName=J1\r\nszLastZName=Z1\r\nszLastFName=1\r\nnGPSOEMType=1\r\n";

class ShellTest : public DeviceRootTest {
protected:
    static std::string ReadGolden(const char* name) {
        std::ifstream in(std::filesystem::path(QZ_SOURCE_DIR) / "tests/foundation/golden" / name,
                         std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    static std::string Shot(const char* name) {
        return std::string(QZ_BINARY_DIR) + "/shell-" + name + ".png";
    }

    CUiDriver ui_;
};

// The whole program started on the device root, with no receiver behind the job's port: the link
// fails quietly and touches no real device.
class ProgramStartTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        SetSerialDevicePath(3, (root_ / "no-receiver").string());
    }
    void TearDown() override {
        SetSerialDevicePath(3, "");
        ShellTest::TearDown();
    }
};

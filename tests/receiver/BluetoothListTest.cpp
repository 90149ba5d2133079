// The Bluetooth list and the kept address are read whole only up to the size the settings files
// may have: a huge file is refused unread instead of filling the memory.
#include "receiver/BluetoothList.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "foundation/DamagedFileCopy.h"
#include "platform/files/DevicePath.h"

namespace fs = std::filesystem;

TEST(BluetoothListFiles, FilesBeyondTheSettingsCapAreRefusedUnread) {
    const fs::path root = fs::temp_directory_path() / ("qz-bt-list-" + std::to_string(::getpid()));
    fs::remove_all(root);
    fs::create_directories(root / "SystemCF");
    SetDeviceRoot(root);
    const std::string entry = "QZ-Rover,00:11:22:33:44:55\r\n";
    for (const uint64_t size : {kMaxSettingsFileBytes, kMaxSettingsFileBytes + 1}) {
        std::string list = entry;
        list.resize(size, ' ');
        std::ofstream(root / "SystemCF/BluetoothList", std::ios::binary) << list;
        std::string address = "00:11:22:33:44:55";
        address.resize(size, ' ');
        std::ofstream(root / "SystemCF/BluetoothAddress", std::ios::binary) << address;
        const bool withinCap = size <= kMaxSettingsFileBytes;
        EXPECT_EQ(LoadBluetoothList(kBluetoothListPath).size(), withinCap ? 1u : 0u) << size;
        EXPECT_EQ(LoadBluetoothAddress().IsEmpty(), !withinCap) << size;
    }
    fs::remove_all(root);
}

#pragma once
// A fresh device root per test, with the message boxes shown meanwhile recorded.
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/messages/MessageBoxScript.h"
#include "tests/platform/files/DeviceRootFixture.h"

class SettingsFileTest : public DeviceRootTest {
protected:
    static std::string ReadGolden(const char* name) {
        std::ifstream in(std::filesystem::path(QZ_SOURCE_DIR) / "tests/foundation/golden" / name,
                         std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    CMessageBoxScript messages_;
};

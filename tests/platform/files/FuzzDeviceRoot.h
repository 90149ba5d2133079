#pragma once
// The device root of a libFuzzer target that reads its input as files: a folder of the process's own
// in memory where there is one, and message boxes answered at once by their first button.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

#include "platform/files/DevicePath.h"
#include "platform/messages/MessageBox.h"

// Made on the first call, named after `target`.
inline const std::filesystem::path& FuzzDeviceRoot(const char* target) {
    static const std::filesystem::path root = [target] {
        std::filesystem::path folder = std::filesystem::is_directory("/dev/shm")
                                           ? std::filesystem::path("/dev/shm")
                                           : std::filesystem::temp_directory_path();
        folder /= std::string("qz-") + target + "-" + std::to_string(getpid());
        std::filesystem::create_directories(folder);
        SetDeviceRoot(folder);
        static struct Silent : IMessageBoxPresenter {
            int Show(HWND, const CString&, const CString&, UINT type) override {
                return FirstButtonAnswer(type);
            }
        } silent;
        SetMessageBoxPresenter(&silent);
        return folder;
    }();
    return root;
}

// Writes the input as `file`; a ".bad" copy a reader kept of an earlier input is removed, so that each
// input meets the folder as the first did.
inline void PutFuzzInput(const std::filesystem::path& file, const uint8_t* data, size_t size) {
    std::filesystem::remove_all(file);
    std::filesystem::remove_all(file.string() + ".bad");
    std::ofstream(file, std::ios::binary)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

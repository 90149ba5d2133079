#pragma once
// The file layer's calls recorded for a test (installed with ScopedFileSystemCalls): the order and
// count of syncs and renames, each with the name of its file.
#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/files/FileSystemCalls.h"

// Records the calls that change files, naming descriptors by their paths, and fails on request.
class RecordingCalls : public FileSystemCalls {
public:
    std::vector<std::string> log;
    // Writes return at most this many bytes in all, then fail with `writeError`.
    size_t writeBudget = SIZE_MAX;
    int writeError = ENOSPC;
    int fsyncError = 0;
    // Writes to a file whose name holds this fail with `writeError` whatever the budget.
    std::string failingName;

    ssize_t Write(int fd, const void* data, size_t size) override {
        log.push_back("write " + NameOf(fd));
        if (writeBudget == 0 || (!failingName.empty() && NameOf(fd).find(failingName) != std::string::npos)) {
            errno = writeError;
            return -1;
        }
        size = std::min(size, writeBudget);
        writeBudget -= size;
        return FileSystemCalls::Write(fd, data, size);
    }
    int Fsync(int fd) override {
        log.push_back("fsync " + NameOf(fd));
        if (fsyncError == 0) return FileSystemCalls::Fsync(fd);
        errno = fsyncError;
        return -1;
    }
    int Ftruncate(int fd, off_t length) override {
        log.push_back("truncate " + NameOf(fd) + " " + std::to_string(length));
        return FileSystemCalls::Ftruncate(fd, length);
    }
    int Rename(const char* from, const char* to) override {
        log.push_back("rename " + Short(from) + " " + Short(to));
        return FileSystemCalls::Rename(from, to);
    }

private:
    static std::string Short(const std::filesystem::path& path) {
        const std::string name = path.filename().string();
        const size_t tmp = name.find(".tmp");
        return tmp == std::string::npos ? name : name.substr(0, tmp + 4);
    }
    static std::string NameOf(int fd) {
        return Short(std::filesystem::read_symlink("/proc/self/fd/" + std::to_string(fd)));
    }
};

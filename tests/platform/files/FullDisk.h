#pragma once
// Fails every write once `budget` bytes have gone to disk, as a full disk does: the write that
// crosses the limit is cut short. Installed with ScopedFileSystemCalls.
#include <algorithm>
#include <cerrno>

#include "platform/files/FileSystemCalls.h"

class FullDisk final : public FileSystemCalls {
public:
    explicit FullDisk(size_t budget) : budget_(budget) {}
    ssize_t Write(int fd, const void* data, size_t size) override {
        if (budget_ == 0) {
            errno = ENOSPC;
            return -1;
        }
        const size_t part = std::min(size, budget_);
        budget_ -= part;
        return FileSystemCalls::Write(fd, data, part);
    }

private:
    size_t budget_;
};

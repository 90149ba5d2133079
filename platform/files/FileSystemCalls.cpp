#include "platform/files/FileSystemCalls.h"

#include <unistd.h>

#include <cstdio>

namespace {

FileSystemCalls systemCalls;
FileSystemCalls* current = &systemCalls;

}  // namespace

ssize_t FileSystemCalls::Write(int fd, const void* data, size_t size) {
    return ::write(fd, data, size);
}

int FileSystemCalls::Fsync(int fd) {
    return ::fsync(fd);
}

int FileSystemCalls::Ftruncate(int fd, off_t length) {
    return ::ftruncate(fd, length);
}

int FileSystemCalls::Rename(const char* from, const char* to) {
    return ::rename(from, to);
}

FileSystemCalls& FileCalls() {
    return *current;
}

ScopedFileSystemCalls::ScopedFileSystemCalls(FileSystemCalls& calls) : previous_(current) {
    current = &calls;
}

ScopedFileSystemCalls::~ScopedFileSystemCalls() {
    current = previous_;
}

#pragma once
// The system calls through which the file layer changes files. A test installs its own (to record
// the order of syncs and renames, or to fail a write as a full disk does) with ScopedFileSystemCalls.
#include <sys/types.h>

#include <cstddef>

class FileSystemCalls {
public:
    virtual ~FileSystemCalls() = default;
    virtual ssize_t Write(int fd, const void* data, size_t size);
    virtual int Fsync(int fd);
    virtual int Ftruncate(int fd, off_t length);
    virtual int Rename(const char* from, const char* to);
};

// The calls in force: the system's own unless a test replaced them.
FileSystemCalls& FileCalls();

// Puts `calls` in force for its lifetime, then restores the previous ones.
class ScopedFileSystemCalls {
public:
    explicit ScopedFileSystemCalls(FileSystemCalls& calls);
    ~ScopedFileSystemCalls();
    ScopedFileSystemCalls(const ScopedFileSystemCalls&) = delete;
    ScopedFileSystemCalls& operator=(const ScopedFileSystemCalls&) = delete;

private:
    FileSystemCalls* previous_;
};

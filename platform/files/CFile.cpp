#include "platform/files/CFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/files/DevicePath.h"

CFile::~CFile() {
    Close();
}

BOOL CFile::Open(const wchar_t* devicePath, UINT flags) {
    Close();
    if (!devicePath) return FALSE;
    int oflags = O_CLOEXEC;
    switch (flags & 3) {
        case modeWrite:
            oflags |= O_WRONLY;
            break;
        case modeReadWrite:
            oflags |= O_RDWR;
            break;
        default:
            oflags |= O_RDONLY;
            break;
    }
    if (flags & modeCreate) {
        oflags |= O_CREAT;
        if (!(flags & modeNoTruncate)) oflags |= O_TRUNC;
    }
    const std::string host = ToHostPath(devicePath).string();
    do {
        fd_ = ::open(host.c_str(), oflags | O_NOFOLLOW, 0644);
    } while (fd_ < 0 && errno == EINTR);
    if (fd_ < 0) return FALSE;
    struct stat st {};
    if (::fstat(fd_, &st) != 0 || S_ISDIR(st.st_mode)) {
        Close();
        return FALSE;
    }
    return TRUE;
}

UINT CFile::Read(void* buffer, UINT count) {
    if (fd_ < 0 || !buffer) return 0;
    auto* at = static_cast<char*>(buffer);
    UINT done = 0;
    while (done < count) {
        const ssize_t n = ::read(fd_, at + done, count - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        done += static_cast<UINT>(n);
    }
    return done;
}

UINT CFile::ReadAt(ULONGLONG offset, void* buffer, UINT count) const {
    if (fd_ < 0 || !buffer) return 0;
    auto* at = static_cast<char*>(buffer);
    UINT done = 0;
    while (done < count) {
        const ssize_t n = ::pread(fd_, at + done, count - done, static_cast<off_t>(offset + done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        done += static_cast<UINT>(n);
    }
    return done;
}

BOOL CFile::Write(const void* buffer, UINT count) {
    if (fd_ < 0 || (!buffer && count > 0)) return FALSE;
    const auto* at = static_cast<const char*>(buffer);
    UINT done = 0;
    while (done < count) {
        const ssize_t n = ::write(fd_, at + done, count - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return FALSE;
        done += static_cast<UINT>(n);
    }
    return TRUE;
}

ULONGLONG CFile::GetLength() const {
    struct stat st {};
    if (fd_ < 0 || ::fstat(fd_, &st) != 0) return 0;
    return static_cast<ULONGLONG>(st.st_size);
}

ULONGLONG CFile::GetLastWriteTime() const {
    struct stat st {};
    if (fd_ < 0 || ::fstat(fd_, &st) != 0) return 0;
    return static_cast<ULONGLONG>(st.st_mtim.tv_sec) * 1000000000ull +
           static_cast<ULONGLONG>(st.st_mtim.tv_nsec);
}

ULONGLONG CFile::SeekToEnd() {
    if (fd_ < 0) return 0;
    const off_t at = ::lseek(fd_, 0, SEEK_END);
    return at < 0 ? 0 : static_cast<ULONGLONG>(at);
}

BOOL CFile::Flush() {
    if (fd_ < 0) return FALSE;
    return ::fsync(fd_) == 0 ? TRUE : FALSE;
}

void CFile::Close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
}

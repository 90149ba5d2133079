#include "platform/files/FileOps.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <filesystem>
#include <system_error>

#include "platform/files/DevicePath.h"
#include "platform/text/CodePage.h"

namespace fs = std::filesystem;

namespace {

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    bool close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

int OpenRetrying(const fs::path& path, int flags, mode_t mode = 0644) {
    int fd;
    do {
        fd = ::open(path.c_str(), flags | O_CLOEXEC, mode);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        bytes.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

bool SyncFolder(const fs::path& folder) {
    Descriptor dir(OpenRetrying(folder, O_RDONLY | O_DIRECTORY));
    return dir.valid() && ::fsync(dir.get()) == 0;
}

// Creates a temporary file beside the target, unique among threads and processes. A name already
// taken (left by an earlier run that crashed under the same process id) is passed over.
int CreateTemporaryBeside(const fs::path& target, fs::path& temp) {
    static std::atomic<unsigned> counter{0};
    constexpr int kAttempts = 1000;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        temp = target;
        temp += ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
        const int fd = OpenRetrying(temp, O_WRONLY | O_CREAT | O_EXCL);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

fs::file_type TypeOf(const CString& devicePath) {
    std::error_code ec;
    return fs::status(ToHostPath(devicePath), ec).type();
}

}  // namespace

bool ReadWholeFile(const CString& devicePath, std::string& bytes) {
    bytes.clear();
    Descriptor file(OpenRetrying(ToHostPath(devicePath), O_RDONLY));
    struct stat st {};
    if (!file.valid() || ::fstat(file.get(), &st) != 0 || S_ISDIR(st.st_mode)) return false;
    bytes.reserve(static_cast<size_t>(st.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(file.get(), buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            bytes.clear();
            return false;
        }
        if (n == 0) return true;
        bytes.append(buffer, static_cast<size_t>(n));
    }
}

bool AtomicRewrite(const CString& devicePath, std::string_view bytes) {
    const fs::path target = ToHostPath(devicePath);
    fs::path temp;
    Descriptor file(CreateTemporaryBeside(target, temp));
    if (!file.valid()) return false;
    const bool written = WriteAll(file.get(), bytes) && ::fsync(file.get()) == 0;
    if (!file.close() || !written || ::rename(temp.c_str(), target.c_str()) != 0) {
        ::unlink(temp.c_str());
        return false;
    }
    return SyncFolder(target.parent_path());
}

bool AppendDurably(const CString& devicePath, std::string_view bytes) {
    const fs::path target = ToHostPath(devicePath);
    struct stat before {};
    const bool created = ::stat(target.c_str(), &before) != 0;
    Descriptor file(OpenRetrying(target, O_WRONLY | O_CREAT | O_APPEND));
    if (!file.valid()) return false;
    if (!WriteAll(file.get(), bytes) || ::fsync(file.get()) != 0) return false;
    if (!file.close()) return false;
    return !created || SyncFolder(target.parent_path());
}

bool FileExists(const CString& devicePath) {
    return TypeOf(devicePath) == fs::file_type::regular;
}

bool DirectoryExists(const CString& devicePath) {
    return TypeOf(devicePath) == fs::file_type::directory;
}

bool CreateDirectory(const CString& devicePath) {
    const fs::path host = ToHostPath(devicePath);
    if (::mkdir(host.c_str(), 0755) == 0 || errno == EEXIST) return DirectoryExists(devicePath);
    return false;
}

bool DeleteFile(const CString& devicePath) {
    const fs::path host = ToHostPath(devicePath);
    struct stat st {};
    return ::lstat(host.c_str(), &st) == 0 && !S_ISDIR(st.st_mode) && ::unlink(host.c_str()) == 0;
}

DWORD GetFileAttributes(const CString& devicePath) {
    switch (TypeOf(devicePath)) {
        case fs::file_type::not_found:
        case fs::file_type::none:
            return INVALID_FILE_ATTRIBUTES;
        case fs::file_type::directory:
            return FILE_ATTRIBUTE_DIRECTORY;
        default:
            return FILE_ATTRIBUTE_NORMAL;
    }
}

std::vector<DirEntry> ListDirectory(const CString& deviceFolder) {
    std::vector<DirEntry> entries;
    std::error_code ec;
    for (fs::directory_iterator it(ToHostPath(deviceFolder), ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code typeError;
        entries.push_back({FromUtf8(it->path().filename().string()), it->is_directory(typeError)});
    }
    std::sort(entries.begin(), entries.end(),
              [](const DirEntry& a, const DirEntry& b) { return a.name < b.name; });
    return entries;
}

uint64_t FreeSpaceBytes(const CString& devicePath) {
    // The path may name something not yet created: measure its nearest existing folder.
    fs::path host = ToHostPath(devicePath);
    std::error_code ec;
    while (!fs::exists(host, ec) && host.has_relative_path()) host = host.parent_path();
    struct statvfs vfs {};
    if (::statvfs(host.c_str(), &vfs) != 0) return 0;
    return static_cast<uint64_t>(vfs.f_bavail) * vfs.f_frsize;
}

#include "platform/files/FileOps.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <limits>
#include <mutex>
#include <set>
#include <system_error>

#include "platform/files/DevicePath.h"
#include "platform/files/FileSystemCalls.h"
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

// A file is opened without following a link (a folder may be one: its path was checked to stay in
// the device root).
int OpenRetrying(const fs::path& path, int flags, mode_t mode = 0644) {
    const int noFollow = (flags & O_DIRECTORY) ? 0 : O_NOFOLLOW;
    int fd;
    do {
        fd = ::open(path.c_str(), flags | O_CLOEXEC | noFollow, mode);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = FileCalls().Write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        bytes.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

bool SyncFolder(const fs::path& folder) {
    Descriptor dir(OpenRetrying(folder, O_RDONLY | O_DIRECTORY));
    return dir.valid() && FileCalls().Fsync(dir.get()) == 0;
}

// This process's temporaries being written; any other temporary with its id is a dead run's.
std::mutex inFlightMutex;
std::set<fs::path> inFlight;

void SetInFlight(const fs::path& temp, bool writing) {
    const std::lock_guard lock(inFlightMutex);
    if (writing)
        inFlight.insert(temp);
    else
        inFlight.erase(temp);
}

// The writer's process id when `name` is a temporary of `target` ("<name>.tmp<pid>-<n>"), else 0.
pid_t TemporaryWriter(const std::string& name, const std::string& target) {
    const std::string prefix = target + ".tmp";
    if (name.compare(0, prefix.size(), prefix) != 0) return 0;
    const size_t dash = name.find('-', prefix.size());
    const auto digits = [&](size_t from, size_t to) {
        return to > from && name.find_first_not_of("0123456789", from) >= to;
    };
    if (dash == std::string::npos || !digits(prefix.size(), dash) || !digits(dash + 1, name.size()) ||
        dash - prefix.size() > 9)
        return 0;
    return static_cast<pid_t>(std::stol(name.substr(prefix.size(), dash - prefix.size())));
}

bool WriterIsGone(pid_t writer, const fs::path& temp) {
    if (writer == ::getpid()) {
        const std::lock_guard lock(inFlightMutex);
        return inFlight.count(temp) == 0;
    }
    return ::kill(writer, 0) != 0 && errno == ESRCH;
}

// Temporaries of the target left by writers that crashed would otherwise pile up for ever. Only a
// plain file of the program's own name pattern beside the target goes, never what a link names.
void RemoveStaleTemporaries(const fs::path& target) {
    const std::string name = target.filename().string();
    std::error_code ec;
    for (fs::directory_iterator it(target.parent_path(), ec), end; !ec && it != end; it.increment(ec)) {
        const pid_t writer = TemporaryWriter(it->path().filename().string(), name);
        struct stat st {};
        if (writer > 0 && ::lstat(it->path().c_str(), &st) == 0 && S_ISREG(st.st_mode) &&
            WriterIsGone(writer, it->path()))
            ::unlink(it->path().c_str());
    }
}

// Creates a temporary file beside the target, unique among threads and processes. A name already
// taken (left by an earlier run that crashed under the same process id) is passed over.
int CreateTemporaryBeside(const fs::path& target, fs::path& temp) {
    static std::atomic<unsigned> counter{0};
    constexpr int kAttempts = 1000;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        temp = target;
        temp += ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
        SetInFlight(temp, true);
        const int fd = OpenRetrying(temp, O_WRONLY | O_CREAT | O_EXCL);
        if (fd >= 0) return fd;
        const int error = errno;
        SetInFlight(temp, false);
        if (error != EEXIST) return -1;
    }
    return -1;
}

fs::file_type TypeOf(const CString& devicePath) {
    std::error_code ec;
    return fs::status(ToHostPath(devicePath), ec).type();
}

}  // namespace

bool ReadWholeFile(const CString& devicePath, std::string& bytes) {
    return ReadWholeFile(devicePath, bytes, std::numeric_limits<uint64_t>::max());
}

bool ReadWholeFile(const CString& devicePath, std::string& bytes, uint64_t maxBytes) {
    bytes.clear();
    Descriptor file(OpenRetrying(ToHostPath(devicePath), O_RDONLY));
    struct stat st {};
    if (!file.valid() || ::fstat(file.get(), &st) != 0 || S_ISDIR(st.st_mode) ||
        static_cast<uint64_t>(st.st_size) > maxBytes)
        return false;
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
        // A file that grows while it is read is no more trusted than one that was long already.
        if (bytes.size() + static_cast<size_t>(n) > maxBytes) {
            bytes.clear();
            return false;
        }
        bytes.append(buffer, static_cast<size_t>(n));
    }
}

bool ReadFileLines(const CString& devicePath, const std::function<void(std::string_view)>& line,
                   uint64_t maxBytes) {
    std::string rest;
    return ReadFileLinesFrom(devicePath, 0, maxBytes, line, rest);
}

bool ReadFileLinesFrom(const CString& devicePath, uint64_t from, uint64_t maxBytes,
                       const std::function<void(std::string_view)>& line, std::string& rest) {
    rest.clear();  // the start of a line the last block cut
    Descriptor file(OpenRetrying(ToHostPath(devicePath), O_RDONLY));
    struct stat st {};
    if (!file.valid() || ::fstat(file.get(), &st) != 0 || S_ISDIR(st.st_mode) ||
        static_cast<uint64_t>(st.st_size) < from)
        return false;
    char buffer[65536];
    for (off_t at = static_cast<off_t>(from);;) {
        const ssize_t n = ::pread(file.get(), buffer, std::min<uint64_t>(sizeof buffer, maxBytes), at);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) return true;
        at += n;
        maxBytes -= static_cast<uint64_t>(n);
        std::string_view block(buffer, static_cast<size_t>(n));
        for (size_t lf = block.find('\n'); lf != std::string_view::npos; lf = block.find('\n')) {
            if (rest.empty()) {
                line(block.substr(0, lf));
            } else {
                rest.append(block.substr(0, lf));
                line(rest);
                rest.clear();
            }
            block.remove_prefix(lf + 1);
        }
        rest.append(block);
    }
}

bool ReadFileAt(const CString& devicePath, uint64_t offset, size_t count, std::string& bytes) {
    bytes.clear();
    Descriptor file(OpenRetrying(ToHostPath(devicePath), O_RDONLY));
    if (!file.valid()) return false;
    bytes.resize(count);
    size_t got = 0;
    while (got < count) {
        const ssize_t n =
            ::pread(file.get(), bytes.data() + got, count - got, static_cast<off_t>(offset + got));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            bytes.clear();
            return false;
        }
        if (n == 0) break;
        got += static_cast<size_t>(n);
    }
    bytes.resize(got);
    return true;
}

bool AtomicRewrite(const CString& devicePath, std::string_view bytes) {
    const fs::path target = ToHostPath(devicePath);
    if (target.empty()) return false;
    RemoveStaleTemporaries(target);
    fs::path temp;
    Descriptor file(CreateTemporaryBeside(target, temp));
    if (!file.valid()) return false;
    const bool written = WriteAll(file.get(), bytes) && FileCalls().Fsync(file.get()) == 0;
    const bool renamed = file.close() && written && FileCalls().Rename(temp.c_str(), target.c_str()) == 0;
    if (!renamed) ::unlink(temp.c_str());
    SetInFlight(temp, false);
    return renamed && SyncFolder(target.parent_path());
}

namespace {

// Undoes a failed append: the file goes back to `length` bytes, or away when the append created it.
void CutBack(const fs::path& target, off_t length, bool created) {
    if (created) {
        ::unlink(target.c_str());
        SyncFolder(target.parent_path());
        return;
    }
    Descriptor file(OpenRetrying(target, O_WRONLY));
    if (file.valid() && FileCalls().Ftruncate(file.get(), length) == 0) FileCalls().Fsync(file.get());
}

bool Append(const CString& devicePath, std::string_view bytes, bool sync) {
    const fs::path target = ToHostPath(devicePath);
    struct stat before {};
    const bool created = ::stat(target.c_str(), &before) != 0;
    Descriptor file(OpenRetrying(target, O_WRONLY | O_CREAT | O_APPEND));
    if (!file.valid()) return false;
    const off_t length = ::lseek(file.get(), 0, SEEK_END);
    if (length < 0) return false;
    // All or nothing: a partial record left behind would have the next append glued onto it.
    const bool written = WriteAll(file.get(), bytes) && (!sync || FileCalls().Fsync(file.get()) == 0);
    if (file.close() && written && (!sync || !created || SyncFolder(target.parent_path()))) return true;
    CutBack(target, length, created);
    return false;
}

}  // namespace

bool AppendDurably(const CString& devicePath, std::string_view bytes) {
    // A kill during an earlier append can leave a torn last line; a record appended after it would
    // be glued to it and lost with it.
    FileTail tail;
    if (!ReadFileTail(devicePath, tail) ||
        (!tail.tornPiece.empty() && !TruncateDurably(devicePath, tail.completeLength)))
        return false;
    return Append(devicePath, bytes, true);
}

bool AppendWithoutSync(const CString& devicePath, std::string_view bytes) {
    return Append(devicePath, bytes, false);
}

bool SyncFile(const CString& devicePath) {
    Descriptor file(OpenRetrying(ToHostPath(devicePath), O_RDONLY));
    return file.valid() && FileCalls().Fsync(file.get()) == 0;
}

bool SyncFolderOf(const CString& devicePath) {
    return SyncFolder(ToHostPath(devicePath).parent_path());
}

bool ReadFileTail(const CString& devicePath, FileTail& tail) {
    tail = {};
    Descriptor file(OpenRetrying(ToHostPath(devicePath), O_RDONLY));
    struct stat st {};
    if (!file.valid()) return errno == ENOENT;
    if (::fstat(file.get(), &st) != 0 || S_ISDIR(st.st_mode)) return false;
    // Read backwards a block at a time until a line feed turns up.
    constexpr off_t kBlock = 4096;
    off_t end = st.st_size;
    while (end > 0) {
        const off_t start = std::max<off_t>(0, end - kBlock);
        std::string block(static_cast<size_t>(end - start), '\0');
        if (::pread(file.get(), block.data(), block.size(), start) != static_cast<ssize_t>(block.size()))
            return false;
        const size_t lineFeed = block.rfind('\n');
        if (lineFeed != std::string::npos) {
            tail.completeLength = static_cast<uint64_t>(start) + lineFeed + 1;
            tail.tornPiece.insert(0, block, lineFeed + 1);
            return true;
        }
        tail.tornPiece.insert(0, block);
        end = start;
    }
    return true;
}

bool TruncateDurably(const CString& devicePath, uint64_t length) {
    Descriptor file(OpenRetrying(ToHostPath(devicePath), O_WRONLY));
    struct stat st {};
    if (!file.valid() || ::fstat(file.get(), &st) != 0 || !S_ISREG(st.st_mode) ||
        length > static_cast<uint64_t>(st.st_size))
        return false;
    return FileCalls().Ftruncate(file.get(), static_cast<off_t>(length)) == 0 &&
           FileCalls().Fsync(file.get()) == 0 && file.close();
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

bool MoveFile(const CString& from, const CString& to) {
    const fs::path source = ToHostPath(from);
    const fs::path target = ToHostPath(to);
    if (::renameat2(AT_FDCWD, source.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) != 0) return false;
    return SyncFolder(target.parent_path());
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

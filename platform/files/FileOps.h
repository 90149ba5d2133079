#pragma once
// Whole-file and folder operations on device paths (see DevicePath.h). Failures are returned,
// never thrown.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/base/WinTypes.h"
#include "platform/text/CString.h"

constexpr DWORD FILE_ATTRIBUTE_DIRECTORY = 0x10;
constexpr DWORD FILE_ATTRIBUTE_NORMAL = 0x80;
constexpr DWORD INVALID_FILE_ATTRIBUTES = 0xFFFFFFFF;

struct DirEntry {
    CString name;
    bool isDirectory = false;
};

bool ReadWholeFile(const CString& devicePath, std::string& bytes);
// The same, refusing unread a file longer than maxBytes.
bool ReadWholeFile(const CString& devicePath, std::string& bytes, uint64_t maxBytes);
// Reads the file a block at a time and hands `line` each line ended by a line feed, without it;
// bytes after the last line feed are no line. Never holds more of the file than its longest line.
// False when the file cannot be opened or read to its end. Only the first `maxBytes` bytes are
// read when given: lines appended since the caller measured the file are left to it.
bool ReadFileLines(const CString& devicePath, const std::function<void(std::string_view)>& line,
                   uint64_t maxBytes = UINT64_MAX);
// The same from byte `from` on (maxBytes counted from there); `rest` receives the bytes after the
// last line feed read. False also when the file is shorter than `from`.
bool ReadFileLinesFrom(const CString& devicePath, uint64_t from, uint64_t maxBytes,
                       const std::function<void(std::string_view)>& line, std::string& rest);
// Up to `count` bytes from `offset` on (fewer at the end of the file); false when the file cannot
// be opened or read.
bool ReadFileAt(const CString& devicePath, uint64_t offset, size_t count, std::string& bytes);
// Replaces the file's contents so that a crash at any moment leaves either the old or the new
// contents whole: a temporary file beside it is written and synced, renamed over it, and the
// folder synced. Temporaries of the same file whose writer's process is gone are removed first.
bool AtomicRewrite(const CString& devicePath, std::string_view bytes);
// Appends at the end (creating the file when missing) and syncs before returning. A torn last line
// (bytes after the last line feed, left by a kill during an earlier append) is cut first: appends are
// of whole lines. All or nothing: on any failure (a full disk, a failed sync) the file is cut back to
// its length before the call, and a file the call created is removed.
bool AppendDurably(const CString& devicePath, std::string_view bytes);
// The same without the syncs and as the file stands, its last line whole or not: the bytes survive
// a kill of the program at once, a power loss only once SyncFile has run. Whoever appends this way
// keeps a synced record of the bytes until then, and mends the file's end from it first.
bool AppendWithoutSync(const CString& devicePath, std::string_view bytes);
// Syncs the file's contents. False when the file cannot be opened or synced.
bool SyncFile(const CString& devicePath);
// Syncs the folder that holds the file, so that the names created in it since its last sync stay.
bool SyncFolderOf(const CString& devicePath);

// The end of a file of lines: its length up to and including the last line feed, and the bytes
// after it (empty when the file ends with a complete line). A crash during an append can leave
// such a torn piece; a missing file reads as empty.
struct FileTail {
    uint64_t completeLength = 0;
    std::string tornPiece;
};
bool ReadFileTail(const CString& devicePath, FileTail& tail);
// Cuts the file back to its first `length` bytes and syncs it; refuses to lengthen it.
bool TruncateDurably(const CString& devicePath, uint64_t length);

bool FileExists(const CString& devicePath);
bool DirectoryExists(const CString& devicePath);
// Creates one folder level; true when the folder exists afterwards.
bool CreateDirectory(const CString& devicePath);
bool DeleteFile(const CString& devicePath);
// Renames a file or folder; refuses when anything is already at `to`.
bool MoveFile(const CString& from, const CString& to);
DWORD GetFileAttributes(const CString& devicePath);
// The folder's entries sorted by name, without "." and "..".
std::vector<DirEntry> ListDirectory(const CString& deviceFolder);
// Bytes available to the program on the volume holding the path (0 when unknown).
uint64_t FreeSpaceBytes(const CString& devicePath);

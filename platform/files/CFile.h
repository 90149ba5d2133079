#pragma once
// A file opened by device path with the handheld's open modes. Unbuffered; failures are
// reported through return values, never by exceptions.
#include "platform/base/WinTypes.h"
#include "platform/text/CString.h"

using ULONGLONG = unsigned long long;

class CFile {
public:
    enum OpenFlags : UINT {
        modeRead = 0,
        modeWrite = 1,
        modeReadWrite = 2,
        modeCreate = 0x1000,  // create when missing; truncate unless modeNoTruncate
        modeNoTruncate = 0x2000,
    };

    CFile() = default;
    ~CFile();
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;

    BOOL Open(const wchar_t* devicePath, UINT flags);
    bool IsOpen() const { return fd_ >= 0; }
    // Bytes read; fewer than asked only at the end of the file or on an error.
    UINT Read(void* buffer, UINT count);
    // The same from `offset`, leaving the file position where it was.
    UINT ReadAt(ULONGLONG offset, void* buffer, UINT count) const;
    BOOL Write(const void* buffer, UINT count);
    ULONGLONG GetLength() const;
    // When the file was last written, in nanoseconds since 1970; 0 when the file is not open.
    ULONGLONG GetLastWriteTime() const;
    // The new position (the length), or 0 when the file is not open.
    ULONGLONG SeekToEnd();
    // Forces written data to the storage medium.
    BOOL Flush();
    void Close();

private:
    int fd_ = -1;
};

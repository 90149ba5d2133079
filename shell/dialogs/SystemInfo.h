#pragma once
// What the system information dialog shows: program memory (the host's physical memory) and
// storage (the file system that holds the device root), in kilobytes. Counts are 64-bit, so
// figures above 4 GiB show as they are.
#include <cstdint>

#include "platform/text/CString.h"

struct MemoryFigures {
    uint64_t totalBytes = 0;
    uint64_t freeBytes = 0;
};

class ISystemInfoSource {
public:
    virtual ~ISystemInfoSource() = default;
    virtual MemoryFigures ProgramMemory() = 0;
    virtual MemoryFigures Storage() = 0;
};

// MemTotal and MemAvailable of /proc/meminfo; the file system of the device root.
ISystemInfoSource& HostSystemInfo();
// The source the dialog asks; returns the one it replaces.
ISystemInfoSource* SetSystemInfoSource(ISystemInfoSource* source);
ISystemInfoSource& SystemInfoSource();

struct KilobyteTexts {
    CString total;
    CString free;
    CString used;
};

// Each count in whole kilobytes; used is the difference of the two rounded-down figures.
KilobyteTexts ToKilobyteTexts(const MemoryFigures& figures);

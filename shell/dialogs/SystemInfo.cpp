#include "shell/dialogs/SystemInfo.h"

#include <sys/statvfs.h>

#include <fstream>
#include <string>

#include "platform/files/DevicePath.h"

namespace {

class HostSource final : public ISystemInfoSource {
public:
    MemoryFigures ProgramMemory() override {
        MemoryFigures figures;
        std::ifstream meminfo("/proc/meminfo");
        std::string key;
        uint64_t kilobytes = 0;
        std::string unit;
        while (meminfo >> key >> kilobytes >> unit) {
            if (key == "MemTotal:") figures.totalBytes = kilobytes * 1024;
            if (key == "MemAvailable:") figures.freeBytes = kilobytes * 1024;
        }
        return figures;
    }
    MemoryFigures Storage() override {
        struct statvfs fs {};
        if (::statvfs(DeviceRoot().c_str(), &fs) != 0) return {};
        return {static_cast<uint64_t>(fs.f_blocks) * fs.f_frsize,
                static_cast<uint64_t>(fs.f_bavail) * fs.f_frsize};
    }
};

ISystemInfoSource* g_source = nullptr;

CString Kilobytes(uint64_t kb) {
    CString text;
    text.Format(L"%lld", static_cast<long long>(kb));
    return text;
}

}  // namespace

ISystemInfoSource& HostSystemInfo() {
    static HostSource source;
    return source;
}

ISystemInfoSource* SetSystemInfoSource(ISystemInfoSource* source) {
    ISystemInfoSource* previous = g_source;
    g_source = source;
    return previous;
}

ISystemInfoSource& SystemInfoSource() {
    return g_source ? *g_source : HostSystemInfo();
}

KilobyteTexts ToKilobyteTexts(const MemoryFigures& figures) {
    const uint64_t total = figures.totalBytes >> 10;
    const uint64_t free = figures.freeBytes >> 10;
    return {Kilobytes(total), Kilobytes(free), Kilobytes(total - free)};
}

// libFuzzer target: the bytes of a settings file read as the system file, the job file and the
// coordinate-parameter file, on a device root in memory, then read again: what the first reads left
// must be sound. A damaged file is kept as ".bad", which is removed again so that each input meets an
// empty folder. Built and run by run-fuzz.sh.
#include <cstddef>
#include <cstdint>

#include "foundation/JobSettingsFiles.h"
#include "tests/platform/files/FuzzDeviceRoot.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::filesystem::path& root = FuzzDeviceRoot("settings-fuzz");
    for (const char* name : {"s.sys", "j.qzs", "j.qza"}) PutFuzzInput(root / name, data, size);
    JobSettingsFiles files;
    files.SetVersionInfo(L"2011.09.26", L"\\Program Files");
    files.SetSystemFilePath(L"\\s.sys");
    files.SetJobFilePaths({L"\\j.qzs", L"\\j.qza"});
    LastFilesRecord system;
    GeneralSettingsBlock job;
    CoordSysParams coord;
    files.ReadSystemFile(system);
    files.ReadJobParams(job);
    files.ReadCoordParams(coord);
    // A damaged file was written sound in its place: read again, nothing is left to tell.
    int told = 0;
    files.SetNoticeSink([&told](const CString&) { ++told; });
    files.ReadSystemFile(system);
    files.ReadJobParams(job);
    files.ReadCoordParams(coord);
    if (told != 0) __builtin_trap();
    return 0;
}

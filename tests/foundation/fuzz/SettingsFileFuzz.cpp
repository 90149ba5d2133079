// libFuzzer target: the bytes of a settings file read as the system file, the job file and the
// coordinate-parameter file, on a device root in memory. A damaged file is kept as ".bad", which is
// removed again so that each input meets an empty folder. Built and run by run-fuzz.sh.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

#include "foundation/JobSettingsFiles.h"
#include "platform/files/DevicePath.h"
#include "platform/messages/MessageBox.h"

namespace {
class Silent : public IMessageBoxPresenter {
    int Show(HWND, const CString&, const CString&, UINT type) override { return FirstButtonAnswer(type); }
};

const std::filesystem::path& Root() {
    static const std::filesystem::path root = [] {
        std::filesystem::path folder = std::filesystem::is_directory("/dev/shm")
                                           ? std::filesystem::path("/dev/shm")
                                           : std::filesystem::temp_directory_path();
        folder /= "qz-settings-fuzz-" + std::to_string(getpid());
        std::filesystem::create_directories(folder);
        SetDeviceRoot(folder);
        static Silent silent;
        SetMessageBoxPresenter(&silent);
        return folder;
    }();
    return root;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::filesystem::path& root = Root();
    for (const char* name : {"s.sys", "j.qzs", "j.qza"}) {
        std::filesystem::remove_all(root / name);
        std::filesystem::remove_all(root / (std::string(name) + ".bad"));
        std::ofstream(root / name, std::ios::binary)
            .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    JobSettingsFiles files;
    files.SetVersionInfo(L"2011.09.26", L"\\");
    files.SetSystemFilePath(L"\\s.sys");
    files.SetJobFilePaths({L"\\j.qzs", L"\\j.qza"});
    LastFilesRecord system;
    GeneralSettingsBlock job;
    CoordSysParams coord;
    files.ReadSystemFile(system);
    files.ReadJobParams(job);
    files.ReadCoordParams(coord);
    return 0;
}

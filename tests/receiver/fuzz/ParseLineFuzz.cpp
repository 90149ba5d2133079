// libFuzzer target: one received line, in the device code page, through the sentence, log and version
// parsers on every board type. Built and run by run-fuzz.sh beside it.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/text/CodePage.h"
#include "receiver/CGpsParser.h"
#include "receiver/IFrameServices.h"

namespace {

class CFuzzFrame final : public IFrameServices {
public:
    CSerialPort& SerialPort() override { __builtin_trap(); }
    CGpsState& GpsState() override { return state; }
    GeneralSettingsBlock& GeneralSettings() override { return settings; }
    LastFilesRecord& SystemRecord() override { return system; }
    CDeviceIo& DeviceIo() override { __builtin_trap(); }
    GgaRecord& NetworkGga() override { __builtin_trap(); }
    int& BaseFlag() override { return baseFlag; }
    double& BoardFirmwareVersion() override { return firmware; }
    int& VersionQueryPending() override { return pending; }
    int ReceiverModelNumber() const override { return 0; }
    HWND PositionWindow() const override { return nullptr; }
    CString ProgramFolder() const override { return L"\\Program Files"; }
    void WriteSystemFile(const CString&) override {}
    void Wgs84BlhToXyz(double lat, double lon, double h, double* x, double* y, double* z) override {
        *x = std::cos(lat) * std::cos(lon) * h;
        *y = std::cos(lat) * std::sin(lon) * h;
        *z = std::sin(lat) * h;
    }
    CModuleCommandQueue& ModuleQueue() override { __builtin_trap(); }
    void SetNotifyWnd(HWND) override {}
    void SetAuxNotifyWnd(HWND) override {}
    int VerificationFlag() const override { return 0; }
    void SetVerificationFlag(int) override {}
    int ModuleNetworkType() const override { return 0; }
    int ConnectReceiver(int, int, int, int) override { return 0; }
    CoordSysParams& JobCoordParams() override { __builtin_trap(); }
    CCoordTransform& PositionTransform() override { __builtin_trap(); }
    CCoordTransform& DialogTransform() override { __builtin_trap(); }
    CJobSettings& JobSettings() override { __builtin_trap(); }
    CGpsParser& Parser() override { __builtin_trap(); }

    CGpsState state;
    GeneralSettingsBlock settings;
    LastFilesRecord system;
    int baseFlag = 0;
    double firmware = 3.3;
    int pending = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    CFuzzFrame frame;
    frame.system.nGPSOEMType = data[0] % 6;
    frame.settings.connection.nTimeZone = (data[0] / 6) % 27 - 13;
    CGpsParser parser(frame);
    parser.SetTimeZone(frame.settings.connection.nTimeZone);
    parser.SetFixLevel(data[0] % 3);
    const CString line = FromGbk(std::string_view(reinterpret_cast<const char*>(data + 1), size - 1));
    int type = 0;
    for (int round = 0; round < 2; ++round) {
        if (line.Find(L"GPXXX") >= 0)
            parser.ParseVersion(line, frame.state);
        else
            parser.Parse(line, frame.state, type);
    }
    return 0;
}

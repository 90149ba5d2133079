// libFuzzer target: received lines, in the device code page, through the sentence, log and version
// parsers of one parser object, so that what a line leaves behind (board type, version values,
// staging table) meets the next. The input starts with four little-endian int32 settings taken from
// the whole int range (board type, parser time zone, job time zone, fix level), then the lines, one
// per LF. Built and run by run-fuzz.sh beside it.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
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
    ReceiverVersionInfo VersionInfo() const override { return versionInfo; }
    bool WriteJobParams() override { return false; }
    void SetRadioLink(int) override {}
    HWND FrameWindow() const override { return nullptr; }

    ReceiverVersionInfo versionInfo;
    CGpsState state;
    GeneralSettingsBlock settings;
    LastFilesRecord system;
    int baseFlag = 0;
    double firmware = 3.3;
    int pending = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    int32_t settings[4];
    if (size < sizeof settings) return 0;
    std::memcpy(settings, data, sizeof settings);
    CFuzzFrame frame;
    frame.system.nGPSOEMType = settings[0];
    frame.settings.connection.nTimeZone = settings[2];
    CGpsParser parser(frame);
    parser.SetTimeZone(settings[1]);
    parser.SetFixLevel(settings[3]);
    std::string_view rest(reinterpret_cast<const char*>(data + sizeof settings), size - sizeof settings);
    while (!rest.empty()) {
        const size_t end = rest.find('\n');
        std::string_view bytes = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
        if (!bytes.empty() && bytes.back() == '\r') bytes.remove_suffix(1);
        const CString line = FromGbk(bytes);
        int type = 0;
        if (line.Find(L"GPXXX") >= 0)
            parser.ParseVersion(line, frame.state);
        else
            parser.Parse(line, frame.state, type);
    }
    return 0;
}

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "receiver/CDeviceIo.h"

namespace {

// Stands in for the system's loader with two fake libraries whose functions record their calls.
class CRecordingLibraries final : public IDeviceLibraryProvider {
public:
    CRecordingLibraries() { previous_ = SetDeviceLibraryProvider(this); }
    ~CRecordingLibraries() override { SetDeviceLibraryProvider(previous_); }

    HMODULE Load(const std::wstring& name) override {
        loads.push_back(name);
        if (name == L"jettce.dll" && ledLibrary) return &ledModule_;
        if (name == L"beep.dll" && toneLibrary) return &toneModule_;
        return nullptr;
    }
    void* Find(HMODULE module, const char* proc) override {
        const std::string p = proc;
        if (module == &ledModule_ && p == "LedUpdate") return reinterpret_cast<void*>(&LedUpdate);
        if (module == &ledModule_ && p == "GetMacAddress" && macAddress)
            return reinterpret_cast<void*>(&LedUpdate);
        if (module == &toneModule_ && p == "PlayTone") return reinterpret_cast<void*>(&PlayTone);
        return nullptr;
    }
    void Free(HMODULE) override { ++frees; }

    static int LedUpdate(int led, int state) {
        leds.emplace_back(led, state);
        return 1;
    }
    static int PlayTone(int hz, int ms, int volume) {
        tones.push_back({hz, ms, volume});
        return 7;
    }

    bool ledLibrary = true;
    bool toneLibrary = true;
    bool macAddress = true;
    std::vector<std::wstring> loads;
    int frees = 0;
    static inline std::vector<std::pair<int, int>> leds;
    static inline std::vector<std::vector<int>> tones;

private:
    IDeviceLibraryProvider* previous_;
    int ledModule_ = 0;
    int toneModule_ = 0;
};

class DeviceIo : public ::testing::Test {
protected:
    DeviceIo() {
        CRecordingLibraries::leds.clear();
        CRecordingLibraries::tones.clear();
    }
    CRecordingLibraries libraries;
    CDeviceIo device;
};

}  // namespace

TEST_F(DeviceIo, LinkLedFollowsTheDifferentialAge) {
    using Leds = std::vector<std::pair<int, int>>;
    device.ShowLinkLed(1);
    device.ShowLinkLed(2);
    device.ShowLinkLed(3);
    EXPECT_EQ(CRecordingLibraries::leds, (Leds{{0, 0}, {4, 0}, {0, 1}, {4, 0}, {0, 0}, {4, 0}}));
    CRecordingLibraries::leds.clear();
    device.ShowLinkLed(5);
    device.ShowLinkLed(0);
    device.ShowLinkLed(12);
    device.AllLedsOff();
    EXPECT_EQ(CRecordingLibraries::leds, (Leds{{4, 1}, {0, 0}, {4, 1}, {0, 0}, {4, 1}, {0, 0}, {4, 0}}));
    EXPECT_EQ(device.PlayTone(CDeviceIo::kToneHz, CDeviceIo::kToneMs, CDeviceIo::kToneVolume), 7);
    EXPECT_EQ(CRecordingLibraries::tones, (std::vector<std::vector<int>>{{2913, 100, 100}}));
    EXPECT_EQ(libraries.loads, (std::vector<std::wstring>{L"jettce.dll", L"beep.dll"}));
}

TEST_F(DeviceIo, MissingLedLibrarySilencesEverythingAndIsTriedAgain) {
    libraries.ledLibrary = false;
    device.ShowLinkLed(2);
    device.AllLedsOff();
    EXPECT_EQ(device.PlayTone(2913, 100, 100), 0);
    EXPECT_TRUE(CRecordingLibraries::leds.empty());
    EXPECT_EQ(libraries.loads.size(), 5u);
    EXPECT_EQ(device.LoadDeviceLibs(), FALSE);
}

TEST_F(DeviceIo, LedLibraryWithoutItsSecondFunctionIsReleasedAndNotRetried) {
    libraries.macAddress = false;
    EXPECT_EQ(device.SetLed(0, 1), 0);
    EXPECT_EQ(device.SetLed(0, 1), 0);
    EXPECT_EQ(libraries.frees, 1);
    EXPECT_EQ(libraries.loads.size(), 1u);
}

TEST_F(DeviceIo, LedsWorkWithoutTheToneLibrary) {
    libraries.toneLibrary = false;
    EXPECT_EQ(device.SetLed(4, 1), 1);
    EXPECT_EQ(device.PlayTone(2913, 100, 100), 0);
    EXPECT_TRUE(CRecordingLibraries::tones.empty());
}

TEST(DeviceLibraryNames, MapToSharedObjects) {
    EXPECT_EQ(DeviceLibraryFileName(L"jettce.dll"), "libjettce.so");
    EXPECT_EQ(DeviceLibraryFileName(L"Beep.DLL"), "libbeep.so");
    // On this machine there is no such library: the real loader answers null.
    EXPECT_EQ(LoadLibrary(L"jettce.dll"), nullptr);
    CDeviceIo device;
    EXPECT_EQ(device.SetLed(0, 1), 0);
}

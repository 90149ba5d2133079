#pragma once
// A tone library that records each tone with the program clock's time, in place of the device's.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/device/DeviceLibrary.h"
#include "platform/time/Clock.h"

class RecordingTones final : public IDeviceLibraryProvider {
public:
    RecordingTones() {
        times().clear();
        previous_ = SetDeviceLibraryProvider(this);
    }
    ~RecordingTones() override { SetDeviceLibraryProvider(previous_); }
    RecordingTones(const RecordingTones&) = delete;
    RecordingTones& operator=(const RecordingTones&) = delete;

    HMODULE Load(const std::wstring& name) override {
        if (name == L"jettce.dll") return &ledModule_;
        if (name == L"beep.dll") return &toneModule_;
        return nullptr;
    }
    void* Find(HMODULE module, const char* proc) override {
        const std::string p = proc;
        if (module == &ledModule_ && (p == "LedUpdate" || p == "GetMacAddress"))
            return reinterpret_cast<void*>(&Led);
        if (module == &toneModule_ && p == "PlayTone") return reinterpret_cast<void*>(&Tone);
        return nullptr;
    }
    void Free(HMODULE) override {}

    // Program-clock times of the tones played since construction or the last Take.
    static std::vector<uint64_t> Take() { return std::exchange(times(), {}); }

private:
    static std::vector<uint64_t>& times() {
        static std::vector<uint64_t> recorded;
        return recorded;
    }
    static int Led(int, int) { return 1; }
    static int Tone(int hz, int ms, int volume) {
        if (hz == 2913 && ms == 100 && volume == 100) times().push_back(ProgramTimeMs());
        return 1;
    }

    IDeviceLibraryProvider* previous_ = nullptr;
    int ledModule_ = 0;
    int toneModule_ = 0;
};

#pragma once
// The handheld's two signal LEDs (0: differential link, 4: warning) and its tone generator, reached
// through the device libraries "jettce.dll" and "beep.dll". Without them every call does nothing and
// answers 0.
#include "platform/base/WinTypes.h"
#include "platform/device/DeviceLibrary.h"

class CDeviceIo {
public:
    static constexpr int kLinkLed = 0;
    static constexpr int kWarningLed = 4;
    // The one tone of the program.
    static constexpr int kToneHz = 2913;
    static constexpr int kToneMs = 100;
    static constexpr int kToneVolume = 100;

    CDeviceIo() = default;
    virtual ~CDeviceIo();
    CDeviceIo(const CDeviceIo&) = delete;
    CDeviceIo& operator=(const CDeviceIo&) = delete;

    // TRUE only when all four functions were found.
    BOOL LoadDeviceLibs();
    int SetLed(int led, int state);
    int PlayTone(int frequencyHz, int durationMs, int volume);
    void AllLedsOff();
    // Link LED by the age of the differential corrections: 1-3 s blinks, 4-8 s leaves it and lights
    // the warning LED, anything else switches it off and lights the warning LED.
    void ShowLinkLed(int diffAgeSeconds);

private:
    using LedUpdateFn = int (*)(int, int);
    using PlayToneFn = int (*)(int, int, int);

    HMODULE hLedLib_ = nullptr;
    HMODULE hToneLib_ = nullptr;
    int blinkState_ = 0;
    LedUpdateFn pfnLedUpdate_ = nullptr;
    void* pfnGetMacAddress_ = nullptr;
    PlayToneFn pfnPlayTone_ = nullptr;
};

#include "receiver/CDeviceIo.h"

// The libraries stay loaded for the life of the process, as the handheld's system expects.
CDeviceIo::~CDeviceIo() {
    hLedLib_ = hToneLib_ = nullptr;
    pfnLedUpdate_ = nullptr;
    pfnGetMacAddress_ = nullptr;
    pfnPlayTone_ = nullptr;
}

BOOL CDeviceIo::LoadDeviceLibs() {
    hLedLib_ = LoadLibrary(L"jettce.dll");
    if (!hLedLib_) return FALSE;
    pfnLedUpdate_ = reinterpret_cast<LedUpdateFn>(GetProcAddress(hLedLib_, "LedUpdate"));
    pfnGetMacAddress_ = pfnLedUpdate_ ? GetProcAddress(hLedLib_, "GetMacAddress") : nullptr;
    if (!pfnLedUpdate_ || !pfnGetMacAddress_) {
        // The handle itself is kept, so that no further load is tried.
        FreeLibrary(hLedLib_);
        pfnLedUpdate_ = nullptr;
        pfnGetMacAddress_ = nullptr;
        return FALSE;
    }
    hToneLib_ = LoadLibrary(L"beep.dll");
    if (!hToneLib_) return FALSE;
    pfnPlayTone_ = reinterpret_cast<PlayToneFn>(GetProcAddress(hToneLib_, "PlayTone"));
    if (!pfnPlayTone_) {
        FreeLibrary(hToneLib_);
        hToneLib_ = nullptr;
        return FALSE;
    }
    return TRUE;
}

int CDeviceIo::SetLed(int led, int state) {
    if (!hLedLib_) LoadDeviceLibs();
    return pfnLedUpdate_ ? pfnLedUpdate_(led, state) : 0;
}

int CDeviceIo::PlayTone(int frequencyHz, int durationMs, int volume) {
    if (!hLedLib_) LoadDeviceLibs();
    return pfnPlayTone_ ? pfnPlayTone_(frequencyHz, durationMs, volume) : 0;
}

void CDeviceIo::AllLedsOff() {
    SetLed(kLinkLed, 0);
    SetLed(kWarningLed, 0);
}

void CDeviceIo::ShowLinkLed(int age) {
    if (age >= 1 && age <= 3) {
        SetLed(kLinkLed, blinkState_);
        blinkState_ = !blinkState_;
        SetLed(kWarningLed, 0);
    } else if (age >= 4 && age <= 8) {
        SetLed(kWarningLed, 1);
    } else {
        SetLed(kLinkLed, 0);
        SetLed(kWarningLed, 1);
    }
}

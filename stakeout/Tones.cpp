#include "stakeout/Tones.h"

#include "platform/time/Clock.h"
#include "receiver/CDeviceIo.h"

void BeepPrompt() {
    CDeviceIo device;
    device.PlayTone(CDeviceIo::kToneHz, CDeviceIo::kToneMs, CDeviceIo::kToneVolume);
}

void DoubleBeepPrompt() {
    BeepPrompt();
    Sleep(500);
    BeepPrompt();
}

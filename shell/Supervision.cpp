#include "shell/Supervision.h"

#include "platform/time/Clock.h"
#include "receiver/ReceiverStartup.h"
#include "shell/CMainFrame.h"

void Supervision::OnTick() {
    RunModuleSequencer();
    PollBoard();
    WatchForData();
}

void Supervision::RunModuleSequencer() {
    CModuleCommandQueue& modules = frame_.Receiver().modules;
    modules.OnTick();
    if (modules.modeFlag && modules.modeValue == 1)
        modules.QueueFallBack(frame_.GeneralSettings().dataLink.nModuleType);
}

void Supervision::PollBoard() {
    ReceiverLink& link = frame_.Receiver();
    ++link.tickCount;
    if (frame_.SystemRecord().nGPSOEMType == 2 && link.tickCount % 10 == 0)
        link.port.SendLine(link.baseFlag == 1 ? L"$JRTK,1\r\n" : L"$JRTK,17\r\n");
    if (link.tickCount > 1000) link.tickCount = 0;
}

void Supervision::WatchForData() {
    ReceiverLink& link = frame_.Receiver();
    if (link.watchdog < kSilentTicks) {
        ++link.watchdog;
        return;
    }
    frame_.ResetAndNotify(L"无数据");
    if (link.port.IsOpen()) {
        link.modules.SetRadioWait(0);
        link.port.SendBinaryCommand(53, L"C0");
        Sleep(500);
        SendStartupSet(frame_, link.modules);
    }
    link.device.AllLedsOff();
    link.watchdog = kSilentRestart;
}

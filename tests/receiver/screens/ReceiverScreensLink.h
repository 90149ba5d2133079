#pragma once
// A receiver dialog test: the UI driver, and a frame whose real port talks to the receiver simulator.
#include <vector>

#include "platform/testing/UiDriver.h"
#include "platform/ui/CommonControls.h"
#include "platform/ui/Wnd.h"
#include "receiver/ReceiverMessages.h"
#include "tests/receiver/SimulatorLink.h"

// The main frame's window: records the commands it is sent or posted.
class CCommandRecorder : public CWnd {
public:
    CCommandRecorder() {
        CreateEx(0, nullptr, L"frame", WS_POPUP, CRect(0, 0, 240, 320), nullptr, 0);
        BindCommandRange(1, 65535, &CCommandRecorder::OnAnyCommand);
        BindMessage(WM_SERIAL_DATA, &CCommandRecorder::OnSerialData);
    }
    void OnAnyCommand(UINT id) { commands.push_back(id); }
    LRESULT OnSerialData(WPARAM bytes, LPARAM count) {
        received.append(reinterpret_cast<const char*>(bytes), static_cast<size_t>(count));
        return 0;
    }
    std::vector<UINT> commands;
    std::string received;  // what the port delivered to the frame
};

class ReceiverDialogs : public SimulatorLink {
protected:
    void SetUp() override {
        InitCommonControls();
        SimulatorLink::SetUp();
        frame.frameWindow = recorder.GetSafeHwnd();
        frame.port.SetOwner(recorder.GetSafeHwnd(), WM_SERIAL_DATA);
    }
    CUiDriver ui;
    CCommandRecorder recorder;
};

// A binary command frame: '$', id, ~id, length (LE16), payload, XOR of everything before.
inline std::string Command(int id, const std::string& payload) {
    std::string out = {'$', static_cast<char>(id), static_cast<char>(~id), static_cast<char>(payload.size()),
                       '\0'};
    out += payload;
    char check = 0;
    for (char c : out) check ^= c;
    return out + check;
}

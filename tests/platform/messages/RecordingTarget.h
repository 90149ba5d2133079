#pragma once
// A message target that records what reaches it and can react through a hook.
#include <functional>
#include <vector>

#include "platform/messages/Messages.h"

struct ReceivedMessage {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    DWORD tick;
};

class CRecordingTarget final : public IMessageTarget {
public:
    CRecordingTarget() : hwnd(RegisterMessageTarget(this)) {}
    ~CRecordingTarget() override { UnregisterMessageTarget(hwnd); }

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    std::vector<WPARAM> TimerIds() const;

    HWND hwnd;
    std::vector<ReceivedMessage> received;
    std::function<LRESULT(UINT, WPARAM, LPARAM)> onMessage;
};

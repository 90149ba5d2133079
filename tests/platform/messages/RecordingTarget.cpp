#include "RecordingTarget.h"

#include "platform/time/Clock.h"

LRESULT CRecordingTarget::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    received.push_back({message, wParam, lParam, GetTickCount()});
    return onMessage ? onMessage(message, wParam, lParam) : 0;
}

std::vector<WPARAM> CRecordingTarget::TimerIds() const {
    std::vector<WPARAM> ids;
    for (const ReceivedMessage& m : received)
        if (m.message == WM_TIMER) ids.push_back(m.wParam);
    return ids;
}

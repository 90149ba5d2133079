#include "survey/PlotKeys.h"

#include "platform/time/Clock.h"

namespace {
bool Run(const std::function<void()>& action) {
    if (action) action();
    return static_cast<bool>(action);
}
}  // namespace

bool PlotKeys::Handle(int key) {
    switch (key) {
        case kKeyStore:
            return Run(actions_.store);
        case kKeyCoordView: {
            if (!actions_.coordView) return false;
            SYSTEMTIME now;
            GetSystemTime(&now);
            if (keyB_.Press(now.wMinute, now.wSecond)) actions_.coordView();
            return true;
        }
        case kKeyNext:
            return Run(actions_.next);
        case kKeyPrevious:
            return Run(actions_.previous);
        case kKeyRedraw:
            return Run(actions_.redraw);
        case kKeyReacquire:
            if (actions_.reacquire) actions_.reacquire();
            return false;
        case kKeyVerify:
            if (actions_.verify) actions_.verify();
            return false;
        default:
            return false;
    }
}

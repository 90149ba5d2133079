#pragma once
// Notices that must not stop the code that meets them: start-up's, met before its first screen (a
// box then would belong to the splash and go with it), and those of a receiver line, whose reader
// waits until the line is handled. They wait and are told together, in one box over the frame.
#include <vector>

#include "platform/text/CString.h"
#include "platform/ui/Wnd.h"

class PendingNotices {
public:
    // While one lives, notices wait; scopes may nest.
    class Gathering {
    public:
        explicit Gathering(PendingNotices& notices) : notices_(notices) { ++notices_.gathering_; }
        ~Gathering() { --notices_.gathering_; }
        Gathering(const Gathering&) = delete;
        Gathering& operator=(const Gathering&) = delete;

    private:
        PendingNotices& notices_;
    };

    // Waits while gathering (once, however often it comes), else is shown at once.
    void Tell(const CString& notice);
    bool Waiting() const { return !waiting_.empty(); }
    // What waits, in one box over `owner`, a notice a line; what comes while the box is up follows
    // once it is answered.
    void TellWaiting(HWND owner);

private:
    std::vector<CString> waiting_;
    int gathering_ = 0;
    bool showing_ = false;
};

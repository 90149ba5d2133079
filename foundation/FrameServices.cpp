#include "foundation/FrameServices.h"

#include <atomic>

namespace {
std::atomic<IFoundationFrame*> gFrame{nullptr};
}

IFoundationFrame* FoundationFrame() {
    return gFrame.load();
}
IFoundationFrame* SetFoundationFrame(IFoundationFrame* frame) {
    return gFrame.exchange(frame);
}

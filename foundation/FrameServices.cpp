#include "foundation/FrameServices.h"

#include <atomic>

namespace {
std::atomic<IFoundationFrame*> gFrame{nullptr};
}

IFoundationFrame* FoundationFrame() {
    return gFrame.load();
}
void SetFoundationFrame(IFoundationFrame* frame) {
    gFrame.store(frame);
}

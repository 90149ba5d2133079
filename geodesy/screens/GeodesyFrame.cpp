#include "geodesy/screens/GeodesyFrame.h"

#include <atomic>

namespace {
std::atomic<IGeodesyFrame*> gFrame{nullptr};
}

IGeodesyFrame* GeodesyFrame() {
    return gFrame.load();
}
void SetGeodesyFrame(IGeodesyFrame* frame) {
    gFrame.store(frame);
}

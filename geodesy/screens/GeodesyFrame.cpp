#include "geodesy/screens/GeodesyFrame.h"

#include <atomic>

namespace {
std::atomic<IGeodesyFrame*> gFrame{nullptr};
}

IGeodesyFrame* GeodesyFrame() {
    return gFrame.load();
}
IGeodesyFrame* SetGeodesyFrame(IGeodesyFrame* frame) {
    return gFrame.exchange(frame);
}

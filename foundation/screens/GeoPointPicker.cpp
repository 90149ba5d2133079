#include "foundation/screens/GeoPointPicker.h"

#include <utility>

namespace {
GeoPointPicker& Installed() {
    static GeoPointPicker picker;
    return picker;
}
}  // namespace

GeoPointPicker SetGeoPointPicker(GeoPointPicker picker) {
    return std::exchange(Installed(), std::move(picker));
}

GeoPointChoice PickGeoPoint(CWnd* parent) {
    return Installed() ? Installed()(parent) : GeoPointChoice{};
}

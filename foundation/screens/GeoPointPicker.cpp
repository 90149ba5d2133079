#include "foundation/screens/GeoPointPicker.h"

namespace {
GeoPointPicker& Installed() {
    static GeoPointPicker picker;
    return picker;
}
}  // namespace

void SetGeoPointPicker(GeoPointPicker picker) {
    Installed() = std::move(picker);
}

GeoPointChoice PickGeoPoint(CWnd* parent) {
    return Installed() ? Installed()(parent) : GeoPointChoice{};
}

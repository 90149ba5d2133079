#include "tests/receiver/FakeFrame.h"

#include "receiver/BaseConversion.h"

void CFakeFrame::Wgs84BlhToXyz(double lat, double lon, double height, double* x, double* y, double* z) {
    Wgs84BlhToXyzOn(secondTransform, jobParams.ellipsoid, lat, lon, height, x, y, z);
}

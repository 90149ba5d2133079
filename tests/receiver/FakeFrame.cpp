#include "tests/receiver/FakeFrame.h"

#include "tools/receiver-sim/sim/SimSentences.h"

void CFakeFrame::Wgs84BlhToXyz(double lat, double lon, double height, double* x, double* y, double* z) {
    sim::GeodeticToCartesian(lat, lon, height, x, y, z);
}

#pragma once
// The antenna constants every host hands its screens: the connected receiver's, as its version reply
// gave them. The antenna table's record is read only while the receiver works as base, so it would
// leave a rover's heights unreduced.
#include "calibration/RawPointSources.h"
#include "receiver/ReceiverVersionInfo.h"

inline AntennaConstants ReceiverAntenna(const ReceiverVersionInfo& ident) {
    return {ident.antennaHeightFactor, ident.instrumentHeight, ident.instrumentRadius};
}

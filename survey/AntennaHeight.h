#pragma once
// Why a typed antenna height gives no vertical height for the store dialogs. The vertical height
// itself follows the one rule of the raw points (VerticalAntennaHeight, calibration/RawPointSources.h).
#include "calibration/RawPointSources.h"
#include "platform/text/CString.h"

// Negative, or a slant height not longer than the antenna radius (it would have no real vertical
// height). Empty when the height is usable.
CString AntennaHeightFault(int type, double measured, const AntennaConstants& antenna);

#pragma once
// The rover position reported to a network RTK service: the GGA sentence built from a fix when the
// receiver's own GGA line gives nothing.
#include "foundation/CGpsState.h"
#include "receiver/GgaRecord.h"

// Fills `record` from a valid state with at least 4 satellites; `timeZoneHours` is what the parser
// added to the receiver's UTC time. Leaves `record` alone otherwise.
void BuildGgaSentence(const CGpsState& state, int timeZoneHours, GgaRecord& record);

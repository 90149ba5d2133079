#pragma once
// The satellite table of the receiver information dialog: which rows it shows, and when it must be
// rebuilt. Only the first twelve satellites of a system are compared, so a change further down the
// list waits for one among the first twelve.
#include <array>
#include <vector>

#include "foundation/CGpsState.h"

struct SatelliteRow {
    CString number, elevation, azimuth, signal, type;
    int image;  // 0 GPS, 1 GLONASS
};

class CSatelliteTable {
public:
    static constexpr int kCompared = 12;

    // True when one of the first twelve of a system differs from the saved ones (which then take the
    // new values): the table is to be rebuilt.
    bool Refresh(const CGpsState& state);
    // GPS rows, then GLONASS rows, each up to the system's in-view count (at most 20).
    static std::vector<SatelliteRow> Rows(const CGpsState& state);

private:
    using Saved = std::array<GpsSatellite, kCompared>;
    static bool Take(Saved& saved, const std::array<GpsSatellite, CGpsState::kMaxSatellites>& current);

    Saved gps_{};
    Saved glonass_{};
};

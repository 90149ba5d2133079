#include "receiver/SatelliteTable.h"

#include <algorithm>

#include "platform/text/Format.h"

bool CSatelliteTable::Take(Saved& saved, const std::array<GpsSatellite, CGpsState::kMaxSatellites>& current) {
    const auto same = [](const GpsSatellite& a, const GpsSatellite& b) {
        return a.number == b.number && a.elevation == b.elevation && a.azimuth == b.azimuth &&
               a.signal == b.signal;
    };
    if (std::equal(saved.begin(), saved.end(), current.begin(), same)) return false;
    std::copy_n(current.begin(), kCompared, saved.begin());
    return true;
}

bool CSatelliteTable::Refresh(const CGpsState& state) {
    const bool gps = Take(gps_, state.gpsSatellites);
    const bool glonass = Take(glonass_, state.gloSatellites);
    return gps || glonass;
}

std::vector<SatelliteRow> CSatelliteTable::Rows(const CGpsState& state) {
    std::vector<SatelliteRow> rows;
    const auto add = [&](const std::array<GpsSatellite, CGpsState::kMaxSatellites>& satellites, int inView,
                         const wchar_t* type, int image) {
        const int n = std::clamp(inView, 0, CGpsState::kMaxSatellites);
        for (int i = 0; i < n; ++i) {
            const GpsSatellite& s = satellites[static_cast<size_t>(i)];
            rows.push_back({Format(L"%02d", s.number), Format(L"%02d", s.elevation),
                            Format(L"%03d", s.azimuth), Format(L"%02d", s.signal), type, image});
        }
    };
    add(state.gpsSatellites, state.gpsInView, L"GPS", 0);
    add(state.gloSatellites, state.gloInView, L"GLONASS", 1);
    return rows;
}

#pragma once
// The simulator's scripted walk: an origin and legs, each a move in metres over some seconds with a
// fix kind. The script repeats when its legs are walked.
//
// Script lines ('#' starts a comment):
//   origin <latitude deg> <longitude deg> <ellipsoidal height m>
//   rate <epochs per second, 1 to 20>
//   leg <seconds> <metres north> <metres east> <metres up> <none|single|dgps|float|fixed>
//   goto <seconds> <latitude deg> <longitude deg> <ellipsoidal height m> <fix>
//   station <latitude deg> <longitude deg> <ellipsoidal height m> <identifier>
// A goto leg ends exactly on its WGS-84 position (the metre legs use a sphere of the WGS-84 radius
// about the origin, and so does the conversion of the position into a move). The reference station
// the board logs and GGA report stands at the origin with identifier 0001 unless a station is given.
#include <string>
#include <vector>

namespace sim {

enum class FixKind { kNone, kSingle, kDgps, kFloat, kFixed };

struct Leg {
    double seconds = 0;
    double north = 0;
    double east = 0;
    double up = 0;
    FixKind fix = FixKind::kSingle;
};

struct WalkPoint {
    double latitude = 0;  // degrees, WGS-84
    double longitude = 0;
    double height = 0;  // ellipsoidal, metres
    FixKind fix = FixKind::kSingle;
};

struct WalkScript {
    double originLat = 30.2416666667;
    double originLon = 120.1716666667;
    double originHeight = 12.5;
    int rateHz = 1;
    std::vector<Leg> legs;
    double stationLat = 0;  // the reference station; the origin when none is given
    double stationLon = 0;
    double stationHeight = 0;
    bool hasStation = false;
    std::string stationId = "0001";

    // The reference station's position.
    WalkPoint Station() const;

    // The default: a 20 m square walked from single point to RTK fixed.
    static WalkScript Default();
    // False (with the line number in `error`) when a line cannot be read.
    static bool Parse(const std::string& text, WalkScript* script, std::string* error);

    WalkPoint At(double seconds) const;
};

const char* FixName(FixKind fix);

}  // namespace sim

#pragma once
// The point at a distance, an azimuth and a height difference from a fix. Grid x is north, y east;
// azimuths are packed ddd.mmssss, clockwise from north.
struct OffsetPoint {
    double x = 0.0;
    double y = 0.0;
    double h = 0.0;
    double packedAngle = 0.0;  // the azimuth normalised, as the raw record keeps it
};

OffsetPoint OffsetFrom(double x0, double y0, double h0, double distance, double packedAngle,
                       double heightDiff);

// The azimuth from (x, y) to (north, east), packed, as atan2 gives it (not folded into 0-360).
double PackedAzimuth(double x, double y, double north, double east);

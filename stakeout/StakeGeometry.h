#pragma once
// Plane geometry shared by the stake-out, line-library and power-line screens. x is north and y
// east, in metres; heights take no part.

// sqrt((y2 - y1)^2 + (x2 - x1)^2); the heights are ignored.
double PlanDistance(double x1, double y1, double h1, double x2, double y2, double h2);

// The foot (fx, fy) of the perpendicular from P to the line through A and B. Returns 1 when the foot
// lies strictly between A and B (a foot on an end point is outside), else 0.
int PerpendicularFoot(double ax, double ay, double bx, double by, double px, double py, double& fx,
                      double& fy);

// Azimuth from (x1, y1) to (x2, y2) in degrees clockwise from north, in (0, 360]: due north is 360.
double AzimuthOfLine(double x1, double y1, double x2, double y2);

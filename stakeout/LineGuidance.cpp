#include "stakeout/LineGuidance.h"

#include <cmath>
#include <limits>

#include "stakeout/StakeGeometry.h"

namespace {

// The offset is negative when P lies clockwise of the line's direction, by the azimuths of the line
// and of P from A, both in (0, 360].
bool ClockwiseOfLine(double az, double azP) {
    if (az < 180.0) return az < azP && azP < az + 180.0;
    return azP >= az || azP <= az - 180.0;
}

bool FitsInt64(double value) {
    return std::isfinite(value) && std::fabs(value) < 9.0e18;
}

}  // namespace

void ComputeLineGuidance(const LineSegRec* line, double px, double py, LineGuidance& g) {
    if (!line) {
        g.computed = false;
        return;
    }
    const PointRecord& a = line->start;
    const PointRecord& b = line->end;
    const double ab = PlanDistance(a.x, a.y, 0, b.x, b.y, 0);
    if (!(ab >= kShortestLine)) {
        g.computed = false;
        g.footInside = false;
        return;
    }
    g.computed = true;
    const double abx = b.x - a.x, aby = b.y - a.y;
    const double apx = px - a.x, apy = py - a.y;
    const double bpx = px - b.x, bpy = py - b.y;
    g.distStart = PlanDistance(px, py, 0, a.x, a.y, 0);
    g.distEnd = PlanDistance(px, py, 0, b.x, b.y, 0);
    const double size = std::fabs(abx * apy - aby * apx) / ab;
    const bool clockwise =
        ClockwiseOfLine(AzimuthOfLine(a.x, a.y, b.x, b.y), AzimuthOfLine(a.x, a.y, px, py));
    g.offset = clockwise ? -size : size;
    const double dotA = abx * apx + aby * apy;   // AB . AP: negative before A
    const double dotB = -abx * bpx - aby * bpy;  // BA . BP: negative beyond B
    g.alongStart = std::fabs(dotA) / ab;
    g.alongEnd = std::fabs(dotB) / ab;
    g.mileage = dotA < 0 ? line->startMileage - g.alongStart : line->startMileage + g.alongStart;
    g.footInside = dotA >= 0 && dotB >= 0;
    if (!g.footInside) return;
    g.footX = abx / ab * g.alongStart + a.x;
    g.footY = aby / ab * g.alongStart + a.y;
    g.dN = px - g.footX;
    g.dE = py - g.footY;
}

LinePrompts EvaluateLinePrompts(const LineSegRec& line, double px, double py, const LineGuidance& g,
                                const LinePromptSettings& settings, LinePromptLatches& latches) {
    LinePrompts prompts;
    if (!g.computed || !g.footInside) return prompts;
    double fx = 0, fy = 0;
    if (PerpendicularFoot(line.start.x, line.start.y, line.end.x, line.end.y, px, py, fx, fy) == 1) {
        const double d = PlanDistance(px, py, 0, fx, fy, 0);
        if (d < settings.maxPrompt) {
            if (settings.soundPrompt && latches.nearLine == 0) {
                prompts.enterBeep = true;
                latches.nearLine = 1;
            }
            prompts.drawBands = true;
        } else if (settings.soundPrompt && latches.nearLine != 0) {
            latches.nearLine = 0;
            prompts.leaveBeeps = true;
        }
    }
    if (settings.intMilPrompt && FitsInt64(settings.intMileage) && FitsInt64(g.mileage)) {
        const int64_t q = static_cast<int64_t>(std::trunc(settings.intMileage));
        const int64_t m = static_cast<int64_t>(std::trunc(g.mileage));
        if (q != 0) {
            if (m % q != 0) {
                latches.wholeMileage = 1;
            } else if (latches.wholeMileage != 0) {
                prompts.mileageBeep = true;
                latches.wholeMileage = 0;
            }
        }
    }
    return prompts;
}

#pragma once
// Guidance onto a stake line from A (start) to B (end) for a position P: the signed offset (left of
// A->B positive), the distances to both ends, the foot of the perpendicular, its mileage and the
// moves from P to the foot, with the near-line and whole-mileage prompts.
#include <cstdint>

#include "foundation/PointRecord.h"

// A line shorter than this has no direction: nothing is computed for it.
constexpr double kShortestLine = 0.001;

struct LineGuidance {
    bool computed = false;    // a line of kShortestLine or more is selected
    bool footInside = false;  // the foot lies on the segment, ends included
    double offset = 0.0;
    double distStart = 0.0;  // P-A and P-B, straight
    double distEnd = 0.0;
    double alongStart = 0.0;  // A-foot and B-foot along the line
    double alongEnd = 0.0;
    double mileage = 0.0;
    // Kept from the last position whose foot lay on the segment.
    double dN = 0.0;
    double dE = 0.0;
    double footX = 0.0;
    double footY = 0.0;
};

// Recomputes `g` for P on `line` (null: no line selected). The offset's size is |cross| / AB and the
// along distances |dot| / AB, which stay exact next to the line and far along it.
void ComputeLineGuidance(const LineSegRec* line, double px, double py, LineGuidance& g);

struct LinePromptSettings {
    double maxPrompt = 1.5;
    int32_t soundPrompt = 1;
    int32_t intMilPrompt = 0;
    double intMileage = 50.0;
};

// Set while the user is inside maxPrompt of the line after a beep, and while the truncated mileage is
// not a whole multiple of the interval.
struct LinePromptLatches {
    int32_t nearLine = 0;
    int32_t wholeMileage = 0;
};

struct LinePrompts {
    bool enterBeep = false;    // one beep
    bool leaveBeeps = false;   // two beeps 500 ms apart
    bool drawBands = false;    // within maxPrompt of the line, foot strictly between the ends
    bool mileageBeep = false;  // one beep at a whole multiple of the interval
};

// The prompts of one position, after ComputeLineGuidance; evaluated only while the foot is on the
// segment. No whole-mileage prompt while the interval's whole part is 0.
LinePrompts EvaluateLinePrompts(const LineSegRec& line, double px, double py, const LineGuidance& g,
                                const LinePromptSettings& settings, LinePromptLatches& latches);

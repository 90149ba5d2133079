#pragma once
// The nine texts under the main map: what a fix shows, worked out without any window.
#include "foundation/CGpsState.h"
#include "foundation/GeneralSettingsBlock.h"
#include "platform/text/CString.h"

struct ViewStatusTexts {
    // The solution while the position shown is too old to store (FixAge.h); it fits the field.
    static constexpr const wchar_t* kStaleText = L"位置过期";

    CString pointName;
    CString satellites;
    CString solution;
    CString x;
    CString y;
    CString h;
    CString pdop;
    CString hrms;
    CString vrms;

    // From a fix: satellites "%d+%d" with 1 to 12 GLONASS satellites, coordinates and precision
    // "%.3f", the height less the rover antenna when that is used.
    static ViewStatusTexts FromFix(const CGpsState& state, const GeneralSettingsBlock& settings,
                                   const CString& pointName);
    // "(satellites)solution", or the solution alone.
    CString SolutionLine() const;
    // The solution line is red for a fixed solution outside the job's precision limits.
    static bool OverLimits(const CGpsState& state, const GeneralSettingsBlock& settings);
};

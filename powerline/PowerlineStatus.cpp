#include "powerline/PowerlineStatus.h"

#include "platform/text/Format.h"
#include "stakeout/PointGuidance.h"
#include "stakeout/StakeReadouts.h"

PowerlineStatusTexts FormatPowerlineStatus(const CGpsState& fix, const GeneralSettingsBlock& settings) {
    PowerlineStatusTexts t;
    t.solution = fix.solutionText;
    if (!FixHasPosition(fix)) return t;
    t.satellites = SatelliteText(fix);
    t.x = Format(L"%.3f", fix.gridX);
    t.y = Format(L"%.3f", fix.gridY);
    t.h = Format(L"%.3f", settings.nUseAntHgt != 0 ? fix.gridH - settings.szdRoverAntH : fix.gridH);
    t.rmsH = Format(L"%.3f", fix.rmsH);
    t.rmsV = Format(L"%.3f", fix.rmsV);
    return t;
}

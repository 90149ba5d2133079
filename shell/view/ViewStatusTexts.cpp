#include "shell/view/ViewStatusTexts.h"

#include "platform/text/Format.h"

ViewStatusTexts ViewStatusTexts::FromFix(const CGpsState& state, const GeneralSettingsBlock& settings,
                                         const CString& pointName) {
    ViewStatusTexts t;
    t.pointName = pointName;
    t.satellites = state.gloUsedCount >= 1 && state.gloUsedCount <= 12
                       ? Format(L"%d+%d", state.gpsUsedCount, state.gloUsedCount)
                       : Format(L"%d", state.gpsUsedCount);
    t.solution = state.solutionText;
    t.x = Format(L"%.3f", state.gridX);
    t.y = Format(L"%.3f", state.gridY);
    t.h = Format(L"%.3f", settings.nUseAntHgt != 0 ? state.gridH - settings.szdRoverAntH : state.gridH);
    t.pdop = Format(L"%.3f", state.pdop);
    t.hrms = Format(L"%.3f", state.rmsH);
    t.vrms = Format(L"%.3f", state.rmsV);
    return t;
}

CString ViewStatusTexts::SolutionLine() const {
    return satellites.IsEmpty() ? solution : Format(L"(%s)%s", satellites.c_str(), solution.c_str());
}

bool ViewStatusTexts::OverLimits(const CGpsState& state, const GeneralSettingsBlock& settings) {
    const ConnectionSettings& c = settings.connection;
    return c.nPDOPLimit != 0 && state.solutionCode == kSolFixed &&
           (state.pdop > c.dPDOPLimit || state.rmsH > c.dRmshLimit || state.rmsV > c.dRmsvLimit);
}

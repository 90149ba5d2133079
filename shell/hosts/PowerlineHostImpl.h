#pragma once
// The power-line screens' view of the main frame, and the menu commands that open them.
#include "powerline/PowerlineHost.h"
#include "shell/hosts/SurveyHostImpl.h"

class CMainFrame;

class PowerlineHostImpl final : public IPowerlineHost {
public:
    explicit PowerlineHostImpl(CMainFrame& frame) : frame_(frame), survey_(frame) {}

    ISurveyHost& Survey() override { return survey_; }
    const ISurveyHost& Survey() const override { return survey_; }
    bool SaveStoredNames(const CString& stored, const TextTriple& series) override;
    void TakeStoredNames(const CString& next, const TextTriple& series,
                         const StoredPointResult& result) override;

    void ListenForPositions(HWND window) override;
    void StopListening(HWND window) override;
    int LogicalKey(UINT message, UINT key) const override;
    CString JobFolder() const override;
    bool AutoStoreDue(AutoStoreTrigger& trigger, const CGpsState& fix) override;
    void AddStoredPoint(const PointRecord& point) override;
    void RunDataVerify(CWnd* parent) override;
    void ShowCoordinateView() override;

private:
    CMainFrame& frame_;
    SurveyHostImpl survey_;
};

// Menu commands 32809 and 32810.
void RunPowerLineSurvey(CMainFrame& frame);
void RunTowerSectionStake(CMainFrame& frame);

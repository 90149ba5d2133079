#pragma once
// The power-line screens' view of the main frame.
#include "powerline/PowerlineHost.h"
#include "shell/hosts/PlotScreenHostImpl.h"
#include "shell/hosts/SurveyHostImpl.h"

class PowerlineHostImpl final : public PlotScreenHostImpl<IPowerlineHost> {
public:
    explicit PowerlineHostImpl(CMainFrame& frame) : PlotScreenHostImpl(frame), survey_(frame) {}

    ISurveyHost& Survey() override { return survey_; }
    const ISurveyHost& Survey() const override { return survey_; }
    bool SaveStoredNames(const CString& stored, const TextTriple& series) override;
    void TakeStoredNames(const CString& next, const TextTriple& series,
                         const StoredPointResult& result) override;

    bool AutoStoreDue(AutoStoreTrigger& trigger, const CGpsState& fix) override;
    void AddStoredPoint(const PointRecord& point) override;

private:
    SurveyHostImpl survey_;
};

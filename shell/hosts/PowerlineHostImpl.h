#pragma once
// The power-line screens' view of the main frame.
#include "powerline/PowerlineHost.h"
#include "shell/hosts/PlotScreenHostImpl.h"
#include "shell/hosts/SurveyHostImpl.h"

class SurveyRecords;

class PowerlineHostImpl final : public PlotScreenHostImpl<IPowerlineHost> {
public:
    PowerlineHostImpl(const SurveyHostImpl& survey, PositionListeners& listeners, IReceiverHost& services,
                      JobSession& job, AutoStoreState& autoStore, SurveyRecords& records)
        : PlotScreenHostImpl(survey, listeners, services),
          job_(job),
          autoStore_(autoStore),
          records_(records) {}

    bool SaveStoredNames(const CString& stored, const TextTriple& series) override;
    void TakeStoredNames(const CString& next, const TextTriple& series,
                         const StoredPointResult& result) override;
    TextTriple FreeSeries(const TextTriple& series) override;

    bool AutoStoreDue(AutoStoreTrigger& trigger, const CGpsState& fix) override;
    void AddStoredPoint(const PointRecord& point) override;

private:
    JobSession& job_;
    AutoStoreState& autoStore_;
    SurveyRecords& records_;
};

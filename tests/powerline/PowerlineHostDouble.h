#pragma once
// The power-line host as the survey host double and a record of the names the stores hand back.
#include <vector>

#include "powerline/PowerlineHost.h"
#include "tests/survey/screens/SurveyHostDouble.h"

class PowerlineHostDouble final : public IPowerlineHost {
public:
    ISurveyHost& Survey() override { return survey; }
    const ISurveyHost& Survey() const override { return survey; }
    bool SaveStoredNames(const CString& stored, const TextTriple& series) override {
        savedNames.push_back(stored);
        savedSeries = series;
        return nameSaves;
    }
    void TakeStoredNames(const CString& next, const TextTriple& series,
                         const StoredPointResult& result) override {
        survey.store.point.extraText = next;
        survey.store.point.texts = series;
        survey.store.lastResult = result;
    }

    SurveyHostDouble survey;
    std::vector<CString> savedNames;
    TextTriple savedSeries;
    bool nameSaves = true;
};

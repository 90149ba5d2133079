#pragma once
// The power-line host as the survey host double, a record of the names the stores hand back and of
// what the screens asked of the frame; the job folder is the device root.
#include <vector>

#include "platform/messages/Messages.h"
#include "powerline/PowerlineHost.h"
#include "tests/survey/screens/SurveyHostDouble.h"

class PowerlineHostDouble final : public IPowerlineHost {
public:
    bool SaveStoredNames(const CString& stored, const TextTriple& series) override {
        savedNames.push_back(stored);
        savedSeries = series;
        return nameSaves;
    }
    TextTriple FreeSeries(const TextTriple& series) override { return series; }
    void TakeStoredNames(const CString& next, const TextTriple& series,
                         const StoredPointResult& result) override {
        survey.store.point.extraText = next;
        survey.store.point.texts = series;
        survey.store.lastResult = result;
    }

    void ListenForPositions(HWND window) override {
        previousListener = listener;
        listener = window;
    }
    void StopListening(HWND window) override {
        if (listener == window) listener = previousListener;
    }
    // Keys map to themselves: tests press the logical key's code.
    int LogicalKey(UINT message, UINT key) const override {
        return message == WM_KEYDOWN ? static_cast<int>(key) : 0;
    }
    CString JobFolder() const override { return L"\\"; }
    bool AutoStoreDue(AutoStoreTrigger&, const CGpsState&) override {
        return survey.autoStore.running && autoDue;
    }
    void AddStoredPoint(const PointRecord& point) override { added.push_back(point); }
    void RunDataVerify(CWnd*) override { ++verified; }
    void ShowCoordinateView() override { ++coordinateViews; }

    SurveyHostDouble survey;
    std::vector<CString> savedNames;
    TextTriple savedSeries;
    bool nameSaves = true;
    HWND listener, previousListener;
    bool autoDue = false;
    std::vector<PointRecord> added;
    int verified = 0, coordinateViews = 0;
};

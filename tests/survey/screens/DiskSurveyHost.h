#pragma once
// The survey host's double over a device root on disk: the store state in memory, and the name of
// each point about to be stored written to the system file as the frame writes it, so that a new
// process on the same root continues after the last name.
#include "foundation/CJobSettings.h"
#include "tests/survey/screens/SurveyHostDouble.h"

class DiskSurveyHost final : public SurveyHostDouble {
public:
    DiskSurveyHost() {
        jobs_.SetVersionInfo(L"2011.09.26", L"\\Program Files");
        jobs_.SetSystemFilePath(L"\\qzsys.sys");
        if (!jobs_.ReadSystemFile(system_)) jobs_.DefaultSystemParams(system_);
        store.SetStoreNames(system_.lastNames, system_.szLastSaveName, 0.0, 1);
    }
    bool SaveLastStoredName(const CString& name) override {
        system_.szLastSaveName = name;
        return jobs_.WriteSystemFile(system_);
    }

private:
    CJobSettings jobs_;
    LastFilesRecord system_;
};

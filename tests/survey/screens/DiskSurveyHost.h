#pragma once
// The survey host's double over a device root on disk, as a new process of the program finds it:
// the names continue after the job's last stored point, taken from the journal and the point file
// as the program's start takes it.
#include "foundation/CJobSettings.h"
#include "foundation/StoreJournal.h"
#include "tests/survey/screens/SurveyHostDouble.h"

class DiskSurveyHost final : public SurveyHostDouble {
public:
    DiskSurveyHost() {
        jobs_.SetVersionInfo(L"2011.09.26", L"\\Program Files");
        jobs_.SetSystemFilePath(L"\\qzsys.sys");
        if (!jobs_.ReadSystemFile(system_)) jobs_.DefaultSystemParams(system_);
        store.SetStoreNames(system_.lastNames,
                            LastStoredName(files.journal, files.point, system_.szLastSaveName), 0.0, 1);
    }

private:
    CJobSettings jobs_;
    LastFilesRecord system_;
};

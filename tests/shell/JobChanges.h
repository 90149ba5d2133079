#pragma once
// The job's records changed as the program changes them: through the job session's writers, each
// record's file written first (the test's job files must be writable).
#include <gtest/gtest.h>

#include "shell/frame/JobSession.h"

template <class Change>
void ChangeSettings(JobSession& job, Change change) {
    GeneralSettingsBlock settings = job.Settings();
    change(settings);
    ASSERT_TRUE(job.StoreSettings(settings));
}

template <class Change>
void ChangeCoordParams(JobSession& job, Change change) {
    CoordSysParams coord = job.CoordParams();
    change(coord);
    ASSERT_TRUE(job.StoreCoordParams(coord));
}

template <class Change>
void ChangeSystemRecord(JobSession& job, Change change) {
    LastFilesRecord record = job.SystemRecord();
    change(record);
    ASSERT_TRUE(job.StoreSystem(record));
}

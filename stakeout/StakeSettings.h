#pragma once
// The keyed settings files of the two stake-out screens in the job folder: "ptlayauto" and
// "lnlayauto". A missing file or key leaves the value as it was; a save rewrites the file whole.
#include <cstdint>

#include "platform/text/CString.h"

struct PointStakeSettings {
    int32_t showAllLayoutPoint = 0;
    int32_t showRecordLayoutPoint = 1;
    int32_t soundPrompt = 1;
    double minLayoutPrompt = 0.3;
    double maxLayoutPrompt = 0.9;
    CString curLayoutFileName;
    int32_t showSurveyPoint = 0;  // how many of the latest records are drawn; -1 all
};

struct LineStakeSettings {
    int32_t showAllLayoutLine = 1;
    int32_t showRecordLayoutPoint = 1;
    int32_t showPlumb = 0;
    int32_t soundPrompt = 1;
    double minPrompt = 0.3;
    double maxPrompt = 1.5;
    CString curLayoutFileName;
    int32_t showSurveyPoint = 0;
    int32_t intMilPrompt = 0;
    double intMileage = 50.0;
};

CString PointStakeSettingsPath(const CString& jobFolder);
CString LineStakeSettingsPath(const CString& jobFolder);

void LoadPointStakeSettings(const CString& path, PointStakeSettings& settings);
// False when the file cannot be written; it is then left as it was.
bool SavePointStakeSettings(const CString& path, const PointStakeSettings& settings);
void LoadLineStakeSettings(const CString& path, LineStakeSettings& settings);
bool SaveLineStakeSettings(const CString& path, const LineStakeSettings& settings);

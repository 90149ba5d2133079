#include "stakeout/StakeSettings.h"

#include "foundation/CKeyValueFile.h"
#include "foundation/DevicePathJoin.h"
#include "platform/files/CFile.h"

CString PointStakeSettingsPath(const CString& jobFolder) {
    return JoinDevicePath(jobFolder, L"ptlayauto");
}

CString LineStakeSettingsPath(const CString& jobFolder) {
    return JoinDevicePath(jobFolder, L"lnlayauto");
}

void LoadPointStakeSettings(const CString& path, PointStakeSettings& s) {
    CKeyValueFile file;
    if (!file.Open(path, CFile::modeRead)) return;
    file.GetInt(L"ShowAllLayoutPoint", s.showAllLayoutPoint);
    file.GetInt(L"ShowRecordLayoutPoint", s.showRecordLayoutPoint);
    file.GetInt(L"SoundPrompt", s.soundPrompt);
    file.GetDouble(L"MinLayoutPrompt", s.minLayoutPrompt);
    file.GetDouble(L"MaxLayoutPrompt", s.maxLayoutPrompt);
    file.GetString(L"CurLayoutFileName", s.curLayoutFileName);
    file.GetInt(L"ShowSurveyPoint", s.showSurveyPoint);
}

bool SavePointStakeSettings(const CString& path, const PointStakeSettings& s) {
    CKeyValueFile file;
    if (!file.OpenForWrite(path, CFile::modeCreate | CFile::modeWrite)) return false;
    file.WriteInt(L"ShowAllLayoutPoint", s.showAllLayoutPoint);
    file.WriteInt(L"ShowRecordLayoutPoint", s.showRecordLayoutPoint);
    file.WriteInt(L"SoundPrompt", s.soundPrompt);
    file.WriteDouble(L"MinLayoutPrompt", s.minLayoutPrompt);
    file.WriteDouble(L"MaxLayoutPrompt", s.maxLayoutPrompt);
    file.WriteString(L"CurLayoutFileName", s.curLayoutFileName);
    file.WriteInt(L"ShowSurveyPoint", s.showSurveyPoint);
    return file.Close();
}

void LoadLineStakeSettings(const CString& path, LineStakeSettings& s) {
    CKeyValueFile file;
    if (!file.Open(path, CFile::modeRead)) return;
    file.GetInt(L"ShowAllLayoutLine", s.showAllLayoutLine);
    file.GetInt(L"ShowRecordLayoutPoint", s.showRecordLayoutPoint);
    file.GetInt(L"ShowPlumb", s.showPlumb);
    file.GetInt(L"SoundPrompt", s.soundPrompt);
    file.GetDouble(L"MinPrompt", s.minPrompt);
    file.GetDouble(L"MaxPrompt", s.maxPrompt);
    file.GetString(L"CurLayoutFileName", s.curLayoutFileName);
    file.GetInt(L"ShowSurveyPoint", s.showSurveyPoint);
    file.GetInt(L"IntMilPrompt", s.intMilPrompt);
    file.GetDouble(L"dIntMileage", s.intMileage);
}

bool SaveLineStakeSettings(const CString& path, const LineStakeSettings& s) {
    CKeyValueFile file;
    if (!file.OpenForWrite(path, CFile::modeCreate | CFile::modeWrite)) return false;
    file.WriteInt(L"ShowAllLayoutLine", s.showAllLayoutLine);
    file.WriteInt(L"ShowRecordLayoutPoint", s.showRecordLayoutPoint);
    file.WriteInt(L"ShowPlumb", s.showPlumb);
    file.WriteInt(L"SoundPrompt", s.soundPrompt);
    file.WriteDouble(L"MinPrompt", s.minPrompt);
    file.WriteDouble(L"MaxPrompt", s.maxPrompt);
    file.WriteString(L"CurLayoutFileName", s.curLayoutFileName);
    file.WriteInt(L"ShowSurveyPoint", s.showSurveyPoint);
    file.WriteInt(L"IntMilPrompt", s.intMilPrompt);
    file.WriteDouble(L"dIntMileage", s.intMileage);
    return file.Close();
}

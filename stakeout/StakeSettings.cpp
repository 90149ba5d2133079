#include "stakeout/StakeSettings.h"

#include <variant>
#include <vector>

#include "foundation/CKeyValueFile.h"
#include "foundation/DevicePathJoin.h"
#include "platform/files/CFile.h"

namespace {

// One line of a settings file: its key and the field it fills, in file order.
struct StakeKey {
    const wchar_t* name;
    std::variant<int32_t*, double*, CString*> field;
};

std::vector<StakeKey> PointKeys(PointStakeSettings& s) {
    return {
        {L"ShowAllLayoutPoint", &s.showAllLayoutPoint},
        {L"ShowRecordLayoutPoint", &s.showRecordLayoutPoint},
        {L"SoundPrompt", &s.soundPrompt},
        {L"MinLayoutPrompt", &s.minLayoutPrompt},
        {L"MaxLayoutPrompt", &s.maxLayoutPrompt},
        {L"CurLayoutFileName", &s.curLayoutFileName},
        {L"ShowSurveyPoint", &s.showSurveyPoint},
    };
}

std::vector<StakeKey> LineKeys(LineStakeSettings& s) {
    return {
        {L"ShowAllLayoutLine", &s.showAllLayoutLine},
        {L"ShowRecordLayoutPoint", &s.showRecordLayoutPoint},
        {L"ShowPlumb", &s.showPlumb},
        {L"SoundPrompt", &s.soundPrompt},
        {L"MinPrompt", &s.minPrompt},
        {L"MaxPrompt", &s.maxPrompt},
        {L"CurLayoutFileName", &s.curLayoutFileName},
        {L"ShowSurveyPoint", &s.showSurveyPoint},
        {L"IntMilPrompt", &s.intMilPrompt},
        {L"dIntMileage", &s.intMileage},
    };
}

void Load(const CString& path, const std::vector<StakeKey>& keys) {
    CKeyValueFile file;
    if (!file.Open(path, CFile::modeRead)) return;
    for (const StakeKey& key : keys) {
        if (auto* i = std::get_if<int32_t*>(&key.field)) file.GetInt(key.name, **i);
        if (auto* d = std::get_if<double*>(&key.field)) file.GetDouble(key.name, **d);
        if (auto* s = std::get_if<CString*>(&key.field)) file.GetString(key.name, **s);
    }
}

bool Save(const CString& path, const std::vector<StakeKey>& keys) {
    CKeyValueFile file;
    if (!file.OpenForWrite(path, CFile::modeCreate | CFile::modeWrite)) return false;
    for (const StakeKey& key : keys) {
        if (auto* i = std::get_if<int32_t*>(&key.field)) file.WriteInt(key.name, **i);
        if (auto* d = std::get_if<double*>(&key.field)) file.WriteDouble(key.name, **d);
        if (auto* s = std::get_if<CString*>(&key.field)) file.WriteString(key.name, **s);
    }
    return file.Close();
}

}  // namespace

CString PointStakeSettingsPath(const CString& jobFolder) {
    return JoinDevicePath(jobFolder, L"ptlayauto");
}

CString LineStakeSettingsPath(const CString& jobFolder) {
    return JoinDevicePath(jobFolder, L"lnlayauto");
}

void LoadPointStakeSettings(const CString& path, PointStakeSettings& settings) {
    Load(path, PointKeys(settings));
}

bool SavePointStakeSettings(const CString& path, const PointStakeSettings& settings) {
    PointStakeSettings written = settings;
    return Save(path, PointKeys(written));
}

void LoadLineStakeSettings(const CString& path, LineStakeSettings& settings) {
    Load(path, LineKeys(settings));
}

bool SaveLineStakeSettings(const CString& path, const LineStakeSettings& settings) {
    LineStakeSettings written = settings;
    return Save(path, LineKeys(written));
}

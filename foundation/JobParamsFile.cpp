#include "foundation/JobSettingsFiles.h"
#include "foundation/SettingsTable.h"

namespace {
SettingsTable JobFileTable(GeneralSettingsBlock& b, const CString& version) {
    ConnectionSettings& c = b.connection;
    ItemPairRec& r = b.recordSave;
    return {
        {L"Soft Version", {Text(L"szVersion", b.szVersion, version)}},
        {L"General Par",
         {
             Int(L"nPort", c.nPort, 1, Between(0, 2)),
             Int(L"nFixLevel", c.nFixLevel, 0),
             Int(L"nRadioFormat", c.nRadioFormat, 0, Between(0, 3)),
             Int(L"nGAngle", c.nGAngle, 0, Between(0, 90)),
             Int(L"nTimeZone", c.nTimeZone, 8, Between(-12, 14)),
             Double(L"dRmshLimit", c.dRmshLimit, 0.0, 0.1, kLimitRange),
             Double(L"dRmsvLimit", c.dRmsvLimit, 0.0, 0.1, kLimitRange),
             Int(L"nPlaneNihe", c.nPlaneNihe, 1, kNotNegativeInt),
             Int(L"nCurveNihe", c.nCurveNihe, 1, kNotNegativeInt),
             Int(L"nComMode", c.nComMode, 0, kSwitch),
             Int(L"nInputCom", c.nInputCom, 7, Between(1, 255)),
             Int(L"nComBaud", c.nComBaud, 57600, Between(300, 4000000)),
             Int(L"nPDOPLimit", c.nPDOPLimit, 0, kSwitch),
             Double(L"dPDOPLimit", c.dPDOPLimit, 5.0, kLimitRange),
             Text(L"szLastPtCode", c.szLastPtCode, L"00000000"),
         },
         2},
        {L"Radio Par",
         {
             Int(L"nModuleType", b.dataLink.nModuleType, 0, Between(0, 2)),
             Int(L"nGSMSendTimeInterval", b.dataLink.nGSMSendTimeInterval, 10, kNotNegativeInt),
             Double(L"dGSMSendDisInterval", b.dataLink.dGSMSendDisInterval, 1000.0, kDistanceRange),
         }},
        {L"Antenna Par",
         {
             Int(L"nUseAntHgt", b.nUseAntHgt, 0, kSwitch),
             Double(L"szdRoverAntH", b.szdRoverAntH, 0.0, kHeightRange),
             Int(L"nAntHgtType", b.nAntHgtType, 0, Between(0, 2)),
             Double(L"szdSourceAntHgt", b.szdSourceAntHgt, 0.0, kHeightRange),
             Int(L"nAdjustAntType", b.nAdjustAntType, 0, Between(0, 2)),
         }},
        {L"DataSave Par",
         {
             Int(L"nSaveType", b.nSaveType, 0, Between(0, 3)),
             Int(L"nAutoSaveTime", b.nAutoSaveTime, 5, kPositiveInt),
             Int(L"nSmoothSecond", b.nSmoothSecond, 1, kPositiveInt),
             Double(L"szdAutoSaveDis", b.szdAutoSaveDis, 5.0, kDistanceRange),
             Int(L"nShowSurveyPoint", b.nShowSurveyPoint, 0,
                 Between(-1, std::numeric_limits<int32_t>::max())),
             Int(L"nAsCondition", b.nAsCondition, 0, Between(0, 3)),
             Int(L"nDisplayType", b.nDisplayType, 1, 0, kSwitch),
             Int(L"nCodeSaveType", b.nCodeSaveType, 0, kSwitch),
             Int(L"nAsMode", b.nAsMode, 0, kSwitch),
         }},
        {L"RefPoint Par",
         {
             Int(L"nBaseShowRef", b.nBaseShowRef, 0, kSwitch),
             Double(L"dBaseShowRefx", b.dBaseShowRefx, 0.0, kGridRange),
             Double(L"dBaseShowRefy", b.dBaseShowRefy, 0.0, kGridRange),
             Double(L"dBaseShowRefh", b.dBaseShowRefh, 0.0, kHeightRange),
         }},
        {L"QZRecSave Par",
         {
             Int(L"nSave", r.nSave, 0),
             Int(L"nPtType", r.nPtType, 5),
             Int(L"nPtIndex", r.nPtIndex, 0),
             Text(L"szAfterName", r.szAfterName, CString()),
             Text(L"szBeferName", r.szBeferName, CString()),
             Int(L"nOneTwoOrThreeSurv", r.nOneTwoOrThreeSurv, 0, Between(0, 3)),
         }},
    };
}
constexpr SettingsFileFailures kJobFailures{L"读取qzs文件错误,请检查错误!", L"创建qzs文件错误,请检查错误!"};
}  // namespace

bool JobSettingsFiles::ReadJobParams(GeneralSettingsBlock& block) {
    return Read(paths_.jobFile, JobFileTable(block, version_), kJobFailures);
}

void JobSettingsFiles::DefaultJobParams(GeneralSettingsBlock& block) const {
    FillFreshSettings(JobFileTable(block, version_));
}

bool JobSettingsFiles::WriteJobParams(GeneralSettingsBlock block) const {
    return Write(paths_.jobFile, JobFileTable(block, version_), kJobFailures);
}

#include "foundation/CIniFile.h"
#include "foundation/IniFieldReader.h"
#include "foundation/JobSettingsFiles.h"
#include "platform/files/CFile.h"
#include "platform/messages/MessageBox.h"

bool JobSettingsFiles::ReadJobParams(GeneralSettingsBlock& block) const {
    CIniFile file;
    if (!file.Load(paths_.jobFile, CFile::modeRead)) {
        AfxMessageBox(L"读取qzs文件错误,请检查错误!", MB_ICONINFORMATION | MB_OK);
        return false;
    }
    IniFieldReader(file, L"Soft Version").Read(L"szVersion", block.szVersion, version_);

    ConnectionSettings& c = block.connection;
    const IniFieldReader general(file, L"General Par");
    general.Read(L"nPort", c.nPort, 1);
    general.Read(L"nFixLevel", c.nFixLevel, 0);
    general.Read(L"nRadioFormat", c.nRadioFormat, 0);
    general.Read(L"nGAngle", c.nGAngle, 0);
    general.Read(L"nTimeZone", c.nTimeZone, 8);
    general.Read(L"nPlaneNihe", c.nPlaneNihe, 1);
    general.Read(L"nCurveNihe", c.nCurveNihe, 1);
    general.Read(L"dRmshLimit", c.dRmshLimit, 0.0);
    general.Read(L"dRmsvLimit", c.dRmsvLimit, 0.0);
    general.Read(L"nComMode", c.nComMode, 0);
    general.Read(L"nInputCom", c.nInputCom, 7);
    general.Read(L"nComBaud", c.nComBaud, 57600);
    general.Read(L"nPDOPLimit", c.nPDOPLimit, 0);
    general.Read(L"dPDOPLimit", c.dPDOPLimit, 5.0);
    general.Read(L"szLastPtCode", c.szLastPtCode, L"00000000");

    const IniFieldReader radio(file, L"Radio Par");
    radio.Read(L"nModuleType", block.dataLink.nModuleType, 0);
    radio.Read(L"nGSMSendTimeInterval", block.dataLink.nGSMSendTimeInterval, 10);
    radio.Read(L"dGSMSendDisInterval", block.dataLink.dGSMSendDisInterval, 1000.0);

    const IniFieldReader antenna(file, L"Antenna Par");
    antenna.Read(L"nUseAntHgt", block.nUseAntHgt, 0);
    antenna.Read(L"szdRoverAntH", block.szdRoverAntH, 0.0);
    antenna.Read(L"nAntHgtType", block.nAntHgtType, 0);
    antenna.Read(L"szdSourceAntHgt", block.szdSourceAntHgt, 0.0);
    antenna.Read(L"nAdjustAntType", block.nAdjustAntType, 0);

    const IniFieldReader dataSave(file, L"DataSave Par");
    dataSave.Read(L"nSaveType", block.nSaveType, 0);
    dataSave.Read(L"nAutoSaveTime", block.nAutoSaveTime, 5);
    dataSave.Read(L"nSmoothSecond", block.nSmoothSecond, 1);
    dataSave.Read(L"szdAutoSaveDis", block.szdAutoSaveDis, 5.0);
    dataSave.Read(L"nShowSurveyPoint", block.nShowSurveyPoint, 0);
    dataSave.Read(L"nAsCondition", block.nAsCondition, 0);
    dataSave.Read(L"nDisplayType", block.nDisplayType, 1);
    dataSave.Read(L"nCodeSaveType", block.nCodeSaveType, 0);
    dataSave.Read(L"nAsMode", block.nAsMode, 0);

    const IniFieldReader refPoint(file, L"RefPoint Par");
    refPoint.Read(L"nBaseShowRef", block.nBaseShowRef, 0);
    refPoint.Read(L"dBaseShowRefx", block.dBaseShowRefx, 0.0);
    refPoint.Read(L"dBaseShowRefy", block.dBaseShowRefy, 0.0);
    refPoint.Read(L"dBaseShowRefh", block.dBaseShowRefh, 0.0);

    ItemPairRec& r = block.recordSave;
    const IniFieldReader recSave(file, L"QZRecSave Par");
    recSave.Read(L"nSave", r.nSave, 0);
    recSave.Read(L"nPtType", r.nPtType, 5);
    recSave.Read(L"nPtIndex", r.nPtIndex, 0);
    recSave.Read(L"szAfterName", r.szAfterName, CString());
    recSave.Read(L"szBeferName", r.szBeferName, CString());
    recSave.Read(L"nOneTwoOrThreeSurv", r.nOneTwoOrThreeSurv, 0);
    return true;
}

void JobSettingsFiles::DefaultJobParams(GeneralSettingsBlock& block) const {
    block.szVersion = version_;
    ConnectionSettings& c = block.connection;
    c.nPort = 1;
    c.nFixLevel = 0;
    c.nRadioFormat = 0;
    c.nGAngle = 0;
    c.nTimeZone = 8;
    c.dRmshLimit = 0.1;
    c.dRmsvLimit = 0.1;
    c.nPlaneNihe = 1;
    c.nCurveNihe = 1;
    c.nComMode = 0;
    c.nInputCom = 7;
    c.nComBaud = 57600;
    c.nPDOPLimit = 0;
    c.dPDOPLimit = 5.0;
    c.szLastPtCode = L"00000000";
    block.dataLink.nModuleType = 0;
    block.dataLink.nGSMSendTimeInterval = 10;
    block.dataLink.dGSMSendDisInterval = 1000.0;
    block.nUseAntHgt = 0;
    block.szdRoverAntH = 0.0;
    block.nAntHgtType = 0;
    block.szdSourceAntHgt = 0.0;
    block.nAdjustAntType = 0;
    block.nSaveType = 0;
    block.nAutoSaveTime = 5;
    block.nSmoothSecond = 1;
    block.szdAutoSaveDis = 5.0;
    block.nShowSurveyPoint = 0;
    block.nAsCondition = 0;
    block.nDisplayType = 0;
    block.nCodeSaveType = 0;
    block.nAsMode = 0;
    block.nBaseShowRef = 0;
    block.dBaseShowRefx = 0.0;
    block.dBaseShowRefy = 0.0;
    block.dBaseShowRefh = 0.0;
    block.recordSave = ItemPairRec{};
    block.recordSave.nPtType = 5;
}

bool JobSettingsFiles::WriteJobParams(GeneralSettingsBlock block) const {
    CIniFile f;
    bool written = f.Open(paths_.jobFile, CFile::modeCreate | CFile::modeWrite);
    if (written) {
        f.WriteRaw(L"\r\n");
        f.WriteRaw(L"[Soft Version]\r\n");
        f.WriteString(L"szVersion", block.szVersion);
        f.WriteRaw(L"\r\n");
        f.WriteRaw(L"\r\n");

        const ConnectionSettings& c = block.connection;
        f.WriteRaw(L"[General Par]\r\n");
        f.WriteInt(L"nPort", c.nPort);
        f.WriteInt(L"nFixLevel", c.nFixLevel);
        f.WriteInt(L"nRadioFormat", c.nRadioFormat);
        f.WriteInt(L"nGAngle", c.nGAngle);
        f.WriteInt(L"nTimeZone", c.nTimeZone);
        f.WriteDouble(L"dRmshLimit", c.dRmshLimit);
        f.WriteDouble(L"dRmsvLimit", c.dRmsvLimit);
        f.WriteInt(L"nPlaneNihe", c.nPlaneNihe);
        f.WriteInt(L"nCurveNihe", c.nCurveNihe);
        f.WriteInt(L"nComMode", c.nComMode);
        f.WriteInt(L"nInputCom", c.nInputCom);
        f.WriteInt(L"nComBaud", c.nComBaud);
        f.WriteInt(L"nPDOPLimit", c.nPDOPLimit);
        f.WriteDouble(L"dPDOPLimit", c.dPDOPLimit);
        f.WriteString(L"szLastPtCode", c.szLastPtCode);

        f.WriteRaw(L"\r\n");
        f.WriteRaw(L"[Radio Par]\r\n");
        f.WriteInt(L"nModuleType", block.dataLink.nModuleType);
        f.WriteInt(L"nGSMSendTimeInterval", block.dataLink.nGSMSendTimeInterval);
        f.WriteDouble(L"dGSMSendDisInterval", block.dataLink.dGSMSendDisInterval);

        f.WriteRaw(L"\r\n");
        f.WriteRaw(L"[Antenna Par]\r\n");
        f.WriteInt(L"nUseAntHgt", block.nUseAntHgt);
        f.WriteDouble(L"szdRoverAntH", block.szdRoverAntH);
        f.WriteInt(L"nAntHgtType", block.nAntHgtType);
        f.WriteDouble(L"szdSourceAntHgt", block.szdSourceAntHgt);
        f.WriteInt(L"nAdjustAntType", block.nAdjustAntType);

        f.WriteRaw(L"\r\n");
        f.WriteRaw(L"[DataSave Par]\r\n");
        f.WriteInt(L"nSaveType", block.nSaveType);
        f.WriteInt(L"nAutoSaveTime", block.nAutoSaveTime);
        f.WriteInt(L"nSmoothSecond", block.nSmoothSecond);
        f.WriteDouble(L"szdAutoSaveDis", block.szdAutoSaveDis);
        f.WriteInt(L"nShowSurveyPoint", block.nShowSurveyPoint);
        f.WriteInt(L"nAsCondition", block.nAsCondition);
        f.WriteInt(L"nDisplayType", block.nDisplayType);
        f.WriteInt(L"nCodeSaveType", block.nCodeSaveType);
        f.WriteInt(L"nAsMode", block.nAsMode);

        f.WriteRaw(L"\r\n");
        f.WriteRaw(L"[RefPoint Par]\r\n");
        f.WriteInt(L"nBaseShowRef", block.nBaseShowRef);
        f.WriteDouble(L"dBaseShowRefx", block.dBaseShowRefx);
        f.WriteDouble(L"dBaseShowRefy", block.dBaseShowRefy);
        f.WriteDouble(L"dBaseShowRefh", block.dBaseShowRefh);

        const ItemPairRec& r = block.recordSave;
        f.WriteRaw(L"\r\n");
        f.WriteRaw(L"[QZRecSave Par]\r\n");
        f.WriteInt(L"nSave", r.nSave);
        f.WriteInt(L"nPtType", r.nPtType);
        f.WriteInt(L"nPtIndex", r.nPtIndex);
        f.WriteString(L"szAfterName", r.szAfterName);
        f.WriteString(L"szBeferName", r.szBeferName);
        f.WriteInt(L"nOneTwoOrThreeSurv", r.nOneTwoOrThreeSurv);
        written = f.Close();
    }
    if (!written) AfxMessageBox(L"创建qzs文件错误,请检查错误!", MB_ICONINFORMATION | MB_OK);
    return written;
}

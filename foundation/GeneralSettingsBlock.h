#pragma once
// The job file in memory: connection, quality limits, data link, antenna, storing and record-save
// options. Field names are the file's keys; fields without a key live in memory only.
#include <array>
#include <cstdint>
#include "platform/text/CString.h"

struct ConnectionSettings {
    int32_t nPort = 0;  // 0 cable, 1 Bluetooth card, 2 built-in Bluetooth
    int32_t nFixLevel = 0;
    int32_t nRadioFormat = 0;  // 0 RTCA, 1 RTCM, 2 CMR, 3 RTCM V3
    int32_t nGAngle = 0;       // elevation mask, degrees
    int32_t nTimeZone = 0;     // hours east of UTC
    double dRmshLimit = 0.0;   // metres
    double dRmsvLimit = 0.0;
    int32_t nPlaneNihe = 0;
    int32_t nCurveNihe = 0;
    int32_t nComMode = 0;  // 0 by connection method, 1 by typed port
    int32_t nInputCom = 0;
    int32_t nComBaud = 0;
    int32_t nPDOPLimit = 0;  // 1 when the PDOP limit applies
    double dPDOPLimit = 0.0;
    CString szLastPtCode;

    void Reset() { *this = ConnectionSettings{}; }

    bool operator==(const ConnectionSettings&) const = default;
};

// The network modem's settings (no file key).
struct NetModuleSettings {
    int32_t connectionType = 0;
    int32_t workMode = 0;
    CString server;
    CString port;
    CString domain;
    CString user;
    CString password;
    CString baseId;
    CString basePhone;
    CString text8;
    CString text9;

    void Reset() { *this = NetModuleSettings{}; }

    bool operator==(const NetModuleSettings&) const = default;
};

// The data link of the job and of the receiver's version reply (receiver/ReceiverProtocol.h).
enum DataLinkKind : int32_t { kLinkRadio = 0, kLinkNetwork = 1, kLinkExternal = 2 };

struct DataLinkSettings {
    int32_t nModuleType = kLinkRadio;  // a DataLinkKind
    int32_t radioChannel = 0;          // no key
    NetModuleSettings net;             // no key
    int32_t nGSMSendTimeInterval = 0;  // position updates between two uploads
    double dGSMSendDisInterval = 0.0;

    bool operator==(const DataLinkSettings&) const = default;
};

// The record-save options.
struct ItemPairRec {
    int32_t nSave = 0;
    int32_t nPtType = 0;
    int32_t nPtIndex = 0;
    CString szAfterName;  // name suffix
    CString szBeferName;  // name prefix
    int32_t nOneTwoOrThreeSurv = 0;

    void Reset() { *this = ItemPairRec{}; }

    bool operator==(const ItemPairRec&) const = default;
};

struct GeneralSettingsBlock {
    CString szVersion;
    ConnectionSettings connection;
    DataLinkSettings dataLink;
    int32_t nUseAntHgt = 0;
    double szdSourceAntHgt = 0.0;  // as entered, metres
    double szdRoverAntH = 0.0;     // derived rover antenna height, metres
    int32_t nAntHgtType = 0;
    int32_t nAdjustAntType = 0;
    int32_t nSaveType = 0;  // 0 plain, 1 offset, 2 smoothing, 3 automatic
    int32_t nSmoothSecond = 0;
    int32_t nAutoSaveTime = 0;     // seconds
    double szdAutoSaveDis = 0.0;   // metres
    int32_t nAsCondition = 0;      // lowest accepted solution: 0 single ... 3 fixed
    int32_t nAsMode = 0;           // 0 by time, 1 by distance
    int32_t nDisplayType = 0;      // map label: 0 name, 1 code
    int32_t nShowSurveyPoint = 0;  // -1 shows all
    int32_t nCodeSaveType = 0;
    int32_t nBaseShowRef = 0;
    double dBaseShowRefx = 0.0;
    double dBaseShowRefy = 0.0;
    double dBaseShowRefh = 0.0;
    ItemPairRec recordSave;

    void Reset() { *this = GeneralSettingsBlock{}; }

    bool operator==(const GeneralSettingsBlock&) const = default;
};

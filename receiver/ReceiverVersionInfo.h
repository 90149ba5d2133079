#pragma once
// The values the receiver's identification reply hands out (CGpsParser::GetVersionInfo), as the main
// frame keeps them for the dialogs that need them.
struct ReceiverVersionInfo {
    int l1Option = 0;
    int workMode = 0;  // 0 rover, 1 base
    double antennaHeightFactor = 0.0;
    double instrumentHeight = 0.0;  // metres
    int receiverKind = 0;
    int linkKind = 0;
    int serialForm = 0;
    double instrumentRadius = 0.0;  // metres
    int language = 0;
};

#pragma once
// The values the receiver's identification reply hands out (CGpsParser::ParseVersion), as the main
// frame keeps them for the dialogs that need them.
#include <optional>

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

// What one version reply told. The caller applies it: the board goes into the system file, the base
// flag follows a reply that names "BASE" (1) or "ROVER" (0), and `info` holds the values of this reply
// and, where it named none, of the replies before it.
struct VersionReport {
    int board = 0;  // a BoardType
    std::optional<int> baseFlag;
    ReceiverVersionInfo info;
};

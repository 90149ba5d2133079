#pragma once
// What the line parser needs to know of the program: four numbers, handed to it by whoever owns it
// (the receiver link) whenever they may have changed.
#include "receiver/ReceiverProtocol.h"

struct ParserSettings {
    int boardType = kBoardUnknown;  // a BoardType: the connected board, or the one the system file names
    int baseFlag = 0;               // 1 while the receiver works as a base
    int fixLevel = 0;               // the job's nFixLevel: 2 takes a wide-lane fix as fixed
    int timeZone = 8;               // the job's nTimeZone: hours added to the receiver's UTC times
};

#pragma once
// The receiver link's command sets that make a connected (or silent) receiver board output what the
// parser reads, the elevation-mask packet of the binary board family, and the reset of the live
// receiver state.
#include <functional>

#include "foundation/CGpsState.h"
#include "foundation/GeneralSettingsBlock.h"
#include "platform/base/WinTypes.h"
#include "platform/text/CString.h"

class IReceiverPort;
class CModuleCommandQueue;

// What a start-up set goes through: the port, the job's connection settings (its elevation mask and
// differential format), and what forgets the fix once the board restarts.
struct StartupLink {
    IReceiverPort& port;
    const ConnectionSettings& connection;
    std::function<void()> clearFixSignals;
};

void EnableNmeaJ(IReceiverPort& port);
void EnableNmeaLog(IReceiverPort& port);
// Board type 0: both command families.
void StartReceiverBothFamilies(const StartupLink& link);
// Board type 1.
void StartReceiverLog(const StartupLink& link);
// The start-up set of board type `board` (0 to 5).
void SendStartupSet(int board, const StartupLink& link, CModuleCommandQueue& queue);
// Board type 5: the elevation mask as a hex packet.
void SendElevationMaskPacket(IReceiverPort& port, int maskDegrees);
// The hex packet text of the elevation mask, "020064..." up to the closing "03".
CString ElevationMaskPacketText(int maskDegrees);

// Clears the position, precision and solution; `full` also clears the base station and the
// identification texts. Satellite tables, date and time stay.
void ResetReceiverState(CGpsState& state, bool full);
// Partial reset, `text` as the solution text, and WM_GPS_POSITION (lParam 0) to the position window.
void ResetAndNotify(CGpsState& state, HWND positionWindow, const CString& text);

#pragma once
// The main frame's command sets that make a connected (or silent) receiver board output what the
// parser reads, the elevation-mask packet of the binary board family, and the reset of the live
// receiver state.
#include "foundation/CGpsState.h"
#include "platform/base/WinTypes.h"
#include "platform/text/CString.h"

class IFrameServices;
class CModuleCommandQueue;

void EnableNmeaJ(IFrameServices& frame);
void EnableNmeaLog(IFrameServices& frame);
// Board type 0: both command families.
void StartReceiverBothFamilies(IFrameServices& frame);
// Board type 1.
void StartReceiverLog(IFrameServices& frame);
// The start-up set of the configured board type (0 to 5).
void SendStartupSet(IFrameServices& frame, CModuleCommandQueue& queue);
// Board type 5: the elevation mask as a hex packet.
void SendElevationMaskPacket(IFrameServices& frame, int maskDegrees);
// The hex packet text of the elevation mask, "020064..." up to the closing "03".
CString ElevationMaskPacketText(int maskDegrees);

// Clears the position, precision and solution; `full` also clears the base station and the
// identification texts. Satellite tables, date and time stay.
void ResetReceiverState(CGpsState& state, bool full);
// Partial reset, `text` as the solution text, and WM_GPS_POSITION (lParam 0) to the position window.
void ResetAndNotify(CGpsState& state, HWND positionWindow, const CString& text);

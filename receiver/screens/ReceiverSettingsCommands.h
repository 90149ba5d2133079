#pragma once
// The main frame's menu commands that run the receiver settings dialogs: each stores what the
// dialog accepted in the job's settings block, saves the job settings and passes the values on to
// the receiver or the parser. Cancel changes and sends nothing.
class CWnd;
class IFrameServices;

void RunElevationMaskCommand(IFrameServices& frame, CWnd* parent);
void RunRoverSettingsCommand(IFrameServices& frame, CWnd* parent);
void RunTimeZoneCommand(IFrameServices& frame, CWnd* parent);

// Writes the job file from the settings block; a failed write is reported and leaves the file as it was.
bool SaveJobSettings(IFrameServices& frame, CWnd* parent);

#pragma once
// The main frame's menu commands that run the receiver settings dialogs: each stores what the
// dialog accepted in the job's settings block, saves the job settings and passes the values on to
// the receiver or the parser. Cancel changes and sends nothing.
class CWnd;
class IReceiverHost;
struct GeneralSettingsBlock;

void RunElevationMaskCommand(IReceiverHost& frame, CWnd* parent);
void RunRoverSettingsCommand(IReceiverHost& frame, CWnd* parent);
void RunTimeZoneCommand(IReceiverHost& frame, CWnd* parent);

// The changed settings become the job's: written to the job file, then kept in memory. A failed write
// is told the user and leaves both the file and memory as they were.
bool SaveJobSettings(IReceiverHost& frame, const GeneralSettingsBlock& changed, CWnd* parent);
// The job file could not be written: nothing of the change was kept.
void TellJobFileNotWritten(CWnd* parent);

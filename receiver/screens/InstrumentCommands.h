#pragma once
// The frame's instrument-settings command and the set-ups it runs: each runs its dialogs modally and
// sends what they collected to the receiver.
class IReceiverHost;

// "连接仪器": the connection dialog with the job's connection values; once the frame has connected
// with the values chosen, they are kept in the job file.
void RunConnectInstrument(IReceiverHost& frame);
// "仪器设置": the working mode (a base then goes on to its set-up), static recording or the data link.
void RunInstrumentSettings(IReceiverHost& frame);
// The base starts on its own single-point fix: 1 once set, 0 when cancelled.
int SetupBaseAutoStart(IReceiverHost& frame);
// The base on entered coordinates: 1 once set, 0 when cancelled (nothing sent).
int SetupManualBase(IReceiverHost& frame);
// Static recording; the program then ends through the frame's exit command, since the receiver stops
// streaming positions.
void SetupStaticMode(IReceiverHost& frame);

inline constexpr unsigned kAppExitCommand = 57665;

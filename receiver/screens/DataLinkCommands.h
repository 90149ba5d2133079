#pragma once
// The frame's radio-settings command: the radio dialog for a radio data link (opened on the stored
// channel), the network modem dialog for a network module (on a copy of the stored modem settings,
// copied back on OK).
class CWnd;
class IReceiverHost;

void RunRadioSettingsCommand(IReceiverHost& frame, CWnd* parent);

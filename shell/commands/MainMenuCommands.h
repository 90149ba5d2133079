#pragma once
// The one table of the main menu's commands. A command whose screen is not in the program yet has
// no handler: its item is greyed and choosing it does nothing.
#include <vector>

#include "platform/base/WinTypes.h"

class CMenu;
class FrameHosts;
class IFrameOperations;
class IReceiverHost;
class JobCommands;

// What the commands run with: the window, the receiver screens' host, the hosts and the job
// commands, each built by the frame from its parts.
struct MenuContext {
    IFrameOperations& window;
    IReceiverHost& services;
    const FrameHosts& hosts;
    JobCommands& jobs;
};

// True when the command was in the table and ran.
bool RunMenuCommand(MenuContext& context, UINT id);
// Greys the items of commands without a handler.
void GreyUnavailableCommands(CMenu& menu);
// Item 32784 is named after the data link: "&6电台设置" for a radio (0), "&6网络连接" for a network
// module (1); other types leave it.
void ShowLinkTypeInMenu(CMenu& menu, int moduleType);
// The commands the table has no handler for, in menu order.
std::vector<UINT> UnavailableCommands();

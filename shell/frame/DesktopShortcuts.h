#pragma once
// The program's shortcuts on the device desktop: plain files below the device root.

// Creates the program's shortcut and copies the PC-connection one when missing (never overwriting
// either) and removes the Obex tool's shortcut.
void UpdateDesktopShortcuts();

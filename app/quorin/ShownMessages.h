#pragma once
// Message boxes as the program shows them: the modal window the tests drive, and one line on standard
// error for each ("quorin: [caption] text", UTF-8), so that a terminal keeps what the user was told.
void InstallShownMessageBoxes();
// The warnings the two-second watch raises, each a window of its own, are printed the same way.
void InstallShownWarnings();

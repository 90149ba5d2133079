#pragma once
// What the user is told of a point whose lines a job file still lacks. A file reached through a link
// that leads out of the device root is never written, so room on the disk is not what it needs.
#include "foundation/StoreJournal.h"

// "点<name>在<file>中未能补全," and the cause.
CString MissingLinesText(const MissingLines& missing);

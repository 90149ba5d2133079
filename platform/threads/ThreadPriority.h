#pragma once
// Work in the background gives way: the calling thread takes the processor after the program's
// other threads, so that on a single core a long read delays neither a screen nor the keys.
void GiveWayToOtherThreads();

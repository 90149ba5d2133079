#pragma once
// Fills the main map's display-point list from the current point file on a worker thread, so that
// a large job holds up neither the first screen nor the keys and positions after it. Only the
// points the display rule shows are read (the newest N, all for -1, none for 0).
#include "shell/frame/BackgroundRead.h"
#include "shell/frame/DisplayPoints.h"

class DisplayPointFill {
public:
    // Starts reading the complete lines `path` holds now, for the display rule `shown`; `notify`
    // hears `message` with the fill's number once they are read. A fill still running is dropped.
    void Start(const CString& path, int shown, HWND notify, UINT message);
    // On the notification: the points read go in front of those stored since Start, and true. False
    // for a fill that was dropped or replaced. `skipped` gets the count of lines it left out.
    bool Finish(WPARAM number, DisplayPoints& display, size_t& skipped);
    // Drops a running fill: what it read is never used.
    void Stop() { read_.Stop(); }
    // Waits up to timeoutMs for the read to end; true when none is running.
    bool WaitForRead(int timeoutMs) { return read_.Wait(timeoutMs); }

private:
    struct Points {
        FilePoints points;
        size_t skipped = 0;
    };
    BackgroundRead<Points> read_;
};

#include "shell/frame/DisplayPointFill.h"

#include "platform/files/FileOps.h"

void DisplayPointFill::Start(const CString& path, int shown, HWND notify, UINT message) {
    Stop();
    if (shown == 0) return;
    FileTail tail;
    if (!ReadFileTail(path, tail) || tail.completeLength == 0) return;
    PointFileWindow window;
    window.byteLimit = tail.completeLength;
    window.keepLast = shown;
    read_.Start(
        [path, window](Points& read, const std::atomic<bool>& stop) {
            PointFileWindow stoppable = window;
            stoppable.stop = &stop;
            stoppable.skipped = &read.skipped;
            read.points.Read(path, stoppable);
        },
        notify, message);
}

bool DisplayPointFill::Finish(WPARAM number, DisplayPoints& display, size_t& skipped) {
    std::optional<Points> read = read_.Finish(number);
    if (!read) return false;
    display.TakeFilePoints(std::move(read->points));
    skipped = read->skipped;
    return true;
}

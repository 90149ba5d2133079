#include "shell/frame/DisplayPointFill.h"

#include "foundation/PointLines.h"
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
            LoadPointFile(path, read.points, stoppable);
        },
        notify, message);
}

bool DisplayPointFill::Finish(WPARAM number, std::vector<PointRecord>& display, size_t& skipped) {
    std::optional<Points> read = read_.Finish(number);
    if (!read) return false;
    read->points.insert(read->points.end(), std::make_move_iterator(display.begin()),
                        std::make_move_iterator(display.end()));
    display = std::move(read->points);
    skipped = read->skipped;
    return true;
}

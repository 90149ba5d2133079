#include "shell/DisplayPointFill.h"

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
        [path, window](std::vector<PointRecord>& points, const std::atomic<bool>& stop) {
            PointFileWindow stoppable = window;
            stoppable.stop = &stop;
            LoadPointFile(path, points, stoppable);
        },
        notify, message);
}

bool DisplayPointFill::Finish(WPARAM number, std::vector<PointRecord>& display) {
    std::optional<std::vector<PointRecord>> points = read_.Finish(number);
    if (!points) return false;
    points->insert(points->end(), std::make_move_iterator(display.begin()),
                   std::make_move_iterator(display.end()));
    display = std::move(*points);
    return true;
}

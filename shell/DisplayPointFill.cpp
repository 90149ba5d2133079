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
    auto result = std::make_shared<Result>();
    window.stop = &result->stop;
    result_ = result;
    const WPARAM number = ++number_;
    worker_.Start([result, path, window, notify, message, number] {
        LoadPointFile(path, result->points, window);
        PostMessage(notify, message, number, 0);
    });
}

bool DisplayPointFill::Finish(WPARAM number, std::vector<PointRecord>& display) {
    if (!result_ || number != number_ || !worker_.Wait(-1)) return false;
    std::vector<PointRecord> points = std::move(result_->points);
    result_.reset();
    points.insert(points.end(), std::make_move_iterator(display.begin()),
                  std::make_move_iterator(display.end()));
    display = std::move(points);
    return true;
}

void DisplayPointFill::Stop() {
    if (result_) result_->stop = true;
    worker_.Wait(-1);
    result_.reset();
}

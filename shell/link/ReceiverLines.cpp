#include "shell/link/ReceiverLines.h"

#include <vector>

void ReceiverLines::Append(std::string_view chunk, const std::function<void(std::string_view)>& onLine) {
    tail_.append(chunk);
    const size_t lastLf = tail_.rfind('\n');
    if (lastLf == std::string::npos) {
        if (tail_.size() > kMaxTailBytes) tail_.clear();
        return;
    }
    // The complete pieces leave the buffer before any line is handled: a handler may run a modal
    // loop in which the next chunk arrives.
    const std::string complete = tail_.substr(0, lastLf + 1);
    tail_.erase(0, lastLf + 1);
    if (tail_.size() > kMaxTailBytes) tail_.clear();
    std::vector<std::string_view> lines;
    size_t start = 0;
    for (size_t lf = complete.find('\n'); lf != std::string::npos; lf = complete.find('\n', start)) {
        const std::string_view piece(complete.data() + start, lf - start);
        start = lf + 1;
        const size_t cr = piece.find('\r');
        if (cr != std::string_view::npos) lines.push_back(piece.substr(0, cr));
    }
    for (const std::string_view line : lines) onLine(line);
}

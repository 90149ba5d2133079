#pragma once
// Cuts the receiver's byte stream into lines. A line is the bytes before the first CR of a piece
// that ends in LF, handed over whole (a character split across two chunks arrives whole) and
// unconverted: the parser reads the bytes. Pieces without a CR are dropped; an unfinished tail that
// grows past the limit is thrown away.
#include <functional>
#include <string>
#include <string_view>

class ReceiverLines {
public:
    static constexpr size_t kMaxTailBytes = 1000;

    // Appends a chunk and hands every complete line to `onLine`, in order.
    void Append(std::string_view chunk, const std::function<void(std::string_view)>& onLine);
    void Clear() { tail_.clear(); }
    size_t TailBytes() const { return tail_.size(); }

private:
    std::string tail_;
};

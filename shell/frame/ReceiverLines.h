#pragma once
// Cuts the receiver's byte stream into lines. A line is the text before the first CR of a piece
// that ends in LF; each is converted from the device code page on its own, so a character split
// across two chunks arrives whole. Pieces without a CR are dropped; an unfinished tail that grows
// past the limit is thrown away.
#include <functional>
#include <string>
#include <string_view>

#include "platform/text/CString.h"

class ReceiverLines {
public:
    static constexpr size_t kMaxTailBytes = 1000;

    // Appends a chunk and hands every complete line to `onLine`, in order.
    void Append(std::string_view chunk, const std::function<void(const CString&)>& onLine);
    void Clear() { tail_.clear(); }
    size_t TailBytes() const { return tail_.size(); }

private:
    std::string tail_;
};

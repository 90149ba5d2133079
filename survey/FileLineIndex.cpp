#include "survey/FileLineIndex.h"

#include <algorithm>
#include <cstring>

namespace {
constexpr uint64_t kMultiplier = 0x9FB21C651E98DF25ull;

uint64_t Mix(uint64_t lane, uint64_t word) {
    lane ^= word;
    lane *= kMultiplier;
    return lane ^ (lane >> 29);
}
}  // namespace

void FileLineIndex::Feed(std::string_view piece) {
    const char* const begin = piece.data();
    const char* const end = begin + piece.size();
    const char* hashedTo = begin;
    for (const char* at = begin; at < end;) {
        const auto* lf = static_cast<const char*>(std::memchr(at, '\n', static_cast<size_t>(end - at)));
        if (!lf) break;
        const uint64_t position = fed_ + static_cast<uint64_t>(lf - begin);
        const char before = lf > begin ? lf[-1] : last_;
        uint64_t lineEnd = position;
        if (lineEnd > lineStart_ && before == '\r') --lineEnd;
        if (lineEnd > lineStart_) lines_.push_back({lineStart_, static_cast<uint32_t>(lineEnd - lineStart_)});
        lineStart_ = position + 1;
        at = lf + 1;
        hashedTo = at;
    }
    if (hashedTo > begin) {
        Hash(unhashed_);
        unhashed_.clear();
        Hash(std::string_view(begin, static_cast<size_t>(hashedTo - begin)));
        lastLineEnd_ = lineStart_;
    }
    unhashed_.append(hashedTo, end);
    if (!piece.empty()) last_ = piece.back();
    fed_ += piece.size();
}

void FileLineIndex::Hash(std::string_view bytes) {
    const auto* at = reinterpret_cast<const unsigned char*>(bytes.data());
    size_t left = bytes.size();
    if (pendingSize_ > 0) {
        const size_t take = std::min(left, sizeof pending_ - pendingSize_);
        std::memcpy(pending_ + pendingSize_, at, take);
        pendingSize_ += take;
        at += take;
        left -= take;
        if (pendingSize_ < sizeof pending_) return;
        HashChunk(pending_);
        pendingSize_ = 0;
    }
    for (; left >= sizeof pending_; at += sizeof pending_, left -= sizeof pending_) HashChunk(at);
    std::memcpy(pending_, at, left);
    pendingSize_ = left;
}

void FileLineIndex::HashChunk(const unsigned char* chunk) {
    for (size_t lane = 0; lane < 4; ++lane) {
        uint64_t word;
        std::memcpy(&word, chunk + 8 * lane, sizeof word);
        lanes_[lane] = Mix(lanes_[lane], word);
    }
}

uint64_t FileLineIndex::Fingerprint() const {
    uint64_t h = lastLineEnd_;
    for (const uint64_t lane : lanes_) h = Mix(h, lane);
    for (size_t i = 0; i < pendingSize_; ++i) h = Mix(h, pending_[i]);
    return h;
}

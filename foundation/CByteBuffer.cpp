#include "foundation/CByteBuffer.h"

#include <cstring>
#include <new>

namespace {
constexpr uint64_t kMaxCapacity = 0xFFFFFC00u;  // the largest whole number of pages in 32 bits

uint64_t RoundToPages(uint64_t n) {
    return (n + CByteBuffer::kPage - 1) / CByteBuffer::kPage * CByteBuffer::kPage;
}
}  // namespace

bool CByteBuffer::Grow(uint64_t needed) {
    const uint64_t size = RoundToPages(needed);
    if (size > kMaxCapacity) return false;
    if (size <= capacity_) return true;
    std::unique_ptr<uint8_t[]> block(new (std::nothrow) uint8_t[size]);
    if (!block) return false;
    if (length_ > 0) std::memcpy(block.get(), block_.get(), length_);
    block_ = std::move(block);
    capacity_ = static_cast<uint32_t>(size);
    return true;
}

uint32_t CByteBuffer::Append(const void* bytes, uint32_t n) {
    if (n == 0 || bytes == nullptr) return 0;
    if (!Grow(static_cast<uint64_t>(length_) + n)) return 0;
    std::memcpy(block_.get() + length_, bytes, n);
    length_ += n;
    return n;
}

uint32_t CByteBuffer::Reserve(uint32_t n) {
    if (n < length_ || RoundToPages(n) < capacity_) return 0;
    if (!Grow(n)) return 0;
    return capacity_;
}

uint32_t CByteBuffer::Reset() {
    length_ = 0;
    return Reserve(kPage);
}

uint32_t CByteBuffer::Consume(uint32_t n) {
    const uint32_t dropped = n < length_ ? n : length_;
    if (dropped == 0) return 0;
    std::memmove(block_.get(), block_.get() + dropped, length_ - dropped);
    length_ -= dropped;
    return dropped;
}

uint8_t CByteBuffer::GetAt(int i) const {
    if (i < 0 || static_cast<uint32_t>(i) >= length_) return 0;
    return block_[static_cast<uint32_t>(i)];
}

int CByteBuffer::Find(const void* pattern, int n) const {
    if (n < 1 || pattern == nullptr || length_ < static_cast<uint32_t>(n)) return -1;
    const auto* p = static_cast<const uint8_t*>(pattern);
    const uint32_t last = length_ - static_cast<uint32_t>(n);
    for (uint32_t i = 0; i <= last; ++i) {
        if (block_[i] == p[0] && std::memcmp(block_.get() + i + 1, p + 1, static_cast<size_t>(n) - 1) == 0) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

#pragma once
// A growable byte store for received serial bytes: append, drop from the front, look for a pattern.
// The capacity is always a whole number of 1024-byte pages, so small chunks rarely cause a move.
#include <cstdint>
#include <memory>

class CByteBuffer {
public:
    static constexpr uint32_t kPage = 1024;

    CByteBuffer() = default;
    CByteBuffer(const CByteBuffer&) = delete;
    CByteBuffer& operator=(const CByteBuffer&) = delete;

    uint32_t GetLength() const { return length_; }
    uint32_t GetCapacity() const { return capacity_; }
    // Returns n, or 0 when the buffer cannot grow that far.
    uint32_t Append(const void* bytes, uint32_t n);
    // Grows to n rounded up to whole pages; never shrinks or drops held bytes. Returns the new
    // capacity, or 0 when n is below the length or the rounded size is below the capacity.
    uint32_t Reserve(uint32_t n);
    // Empties the buffer and keeps at least one page ready; returns as Reserve.
    uint32_t Reset();
    // Null while no block is held.
    uint8_t* GetPtr(uint32_t offset) { return block_ ? block_.get() + offset : nullptr; }
    const uint8_t* GetPtr(uint32_t offset) const { return block_ ? block_.get() + offset : nullptr; }
    // Drops the first min(n, length) bytes and returns that count.
    uint32_t Consume(uint32_t n);
    // The byte at i, or 0 outside the held bytes.
    uint8_t GetAt(int i) const;
    // Index of the first occurrence of the n-byte pattern, or -1.
    int Find(const void* pattern, int n) const;

private:
    bool Grow(uint64_t needed);

    std::unique_ptr<uint8_t[]> block_;
    uint32_t length_ = 0;
    uint32_t capacity_ = 0;
};

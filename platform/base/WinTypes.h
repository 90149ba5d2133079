#pragma once
// The handheld's integer types, kept so that sizes match its files and protocols
// ("%ld" and LONG are 32-bit there).
#include <cstddef>
#include <cstdint>

using BOOL = int;
constexpr BOOL TRUE = 1;
constexpr BOOL FALSE = 0;
using BYTE = uint8_t;
using WORD = uint16_t;
using DWORD = uint32_t;
using UINT = unsigned int;
using LONG = int32_t;
using UINT_PTR = uintptr_t;
using WPARAM = uintptr_t;
using LPARAM = intptr_t;
using LRESULT = intptr_t;
using INT_PTR = intptr_t;

// A window handle: an id that outlives its window. Messages to a dead or null handle do nothing.
class HWND {
public:
    constexpr HWND() = default;
    constexpr HWND(std::nullptr_t) {}
    explicit constexpr HWND(uint32_t id) : id_(id) {}
    constexpr uint32_t id() const { return id_; }
    explicit constexpr operator bool() const { return id_ != 0; }
    friend constexpr bool operator==(HWND, HWND) = default;

private:
    uint32_t id_ = 0;
};

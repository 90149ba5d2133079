#pragma once
// Serial port and speed of each connection kind the receiver can be reached by.
#include <cstdint>

// Kind 0 cable (COM5 at 9600), 1 Bluetooth card (COM3 at 57600), 2 built-in Bluetooth module
// (COM2 at 9600). Any other kind gives COM1 at 9600 and false.
bool GetConnectionPortBaud(int32_t kind, int32_t& port, int32_t& baud);

// The connection kind of the built-in Bluetooth module.
constexpr int32_t kBuiltInModuleLink = 2;

// A port typed by the user always opens at this speed.
constexpr int32_t kTypedPortBaud = 57600;

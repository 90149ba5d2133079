#pragma once
// A link to a paired device's serial-port profile over the host's Bluetooth stack (an RFCOMM socket),
// standing where a serial device would: it has no speed and no modem lines.
#include <cstdint>
#include <string>

// Connects to `address` ("00:16:A4:00:00:01", or the same twelve digits without colons) on `channel`,
// waiting at most `timeoutMs`; the socket, or -1 when the address is none or the link is refused or
// unreachable.
int OpenRfcommLink(const std::string& address, uint8_t channel, int timeoutMs);

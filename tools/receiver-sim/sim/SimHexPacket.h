#pragma once
// The hex packets of the binary board family on the wire: 02, 00 64, length n, n payload bytes, check
// byte, 03. A payload byte may be 0x0A, so a packet is cut by its length, never at a line end.
#include <string>

namespace sim {

// The length of the packet at the start of `bytes`: 0 when the bytes start none, std::string::npos
// when they start one that has not fully arrived.
size_t HexPacketLength(const std::string& bytes);

}  // namespace sim

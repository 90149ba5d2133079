#include "tools/receiver-sim/sim/SimHexPacket.h"

#include <cstdint>

namespace sim {

size_t HexPacketLength(const std::string& bytes) {
    static const uint8_t kHead[] = {0x02, 0x00, 0x64};
    for (size_t i = 0; i < sizeof kHead; ++i) {
        if (i == bytes.size()) return std::string::npos;
        if (static_cast<uint8_t>(bytes[i]) != kHead[i]) return 0;
    }
    if (bytes.size() < 4) return std::string::npos;
    const size_t total = 6 + static_cast<uint8_t>(bytes[3]);
    return bytes.size() < total ? std::string::npos : total;
}

}  // namespace sim

#include "platform/gdi/PcfPixelSize.h"

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string_view>

namespace {

constexpr std::string_view kMagic("\1fcp", 4);
constexpr uint32_t kPropertiesTable = 1;
constexpr uint32_t kBigEndianFormat = 1u << 2;
// A property table beyond these is no font's.
constexpr uint32_t kMaxTables = 64;
constexpr uint32_t kMaxTableBytes = 1u << 20;

std::string ReadAt(std::ifstream& in, uint64_t offset, uint64_t size) {
    std::string bytes(size, '\0');
    in.seekg(static_cast<std::streamoff>(offset));
    if (!in.read(bytes.data(), static_cast<std::streamsize>(size))) return {};
    return bytes;
}

// Reads the 32-bit words of one table, refusing any past its end.
class Words {
public:
    Words(std::string_view bytes, bool bigEndian) : bytes_(bytes), big_(bigEndian) {}
    bool At(uint64_t offset, uint32_t& value) const {
        if (offset + 4 > bytes_.size()) return false;
        value = 0;
        for (int i = 0; i < 4; ++i) {
            const auto byte = static_cast<uint8_t>(bytes_[offset + static_cast<uint64_t>(big_ ? i : 3 - i)]);
            value = value << 8 | byte;
        }
        return true;
    }

private:
    std::string_view bytes_;
    bool big_;
};

// The integer property `wanted` of a properties table, or 0.
int IntegerProperty(std::string_view table, std::string_view wanted) {
    uint32_t format = 0, count = 0, stringBytes = 0;
    if (!Words(table, false).At(0, format)) return 0;
    const Words words(table, (format & kBigEndianFormat) != 0);
    constexpr uint64_t kPropertyBytes = 9;  // name offset, string flag, value
    if (!words.At(4, count) || count > kMaxTableBytes / kPropertyBytes) return 0;
    const uint64_t properties = 8;
    const uint64_t strings = properties + ((count * kPropertyBytes + 3) & ~uint64_t{3}) + 4;
    if (!words.At(strings - 4, stringBytes) || strings + stringBytes > table.size()) return 0;
    const std::string_view names = table.substr(strings, stringBytes);
    for (uint64_t i = 0; i < count; ++i) {
        const uint64_t at = properties + i * kPropertyBytes;
        uint32_t name = 0, value = 0;
        if (!words.At(at, name) || !words.At(at + 5, value) || name >= names.size()) return 0;
        const std::string_view text = names.substr(name, names.find('\0', name) - name);
        if (text == wanted && table[at + 4] == 0) return std::abs(static_cast<int32_t>(value));
    }
    return 0;
}

}  // namespace

int PcfPixelSize(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    const std::string header = ReadAt(in, 0, 8);
    uint32_t tables = 0;
    if (header.size() != 8 || std::string_view(header).substr(0, 4) != kMagic ||
        !Words(header, false).At(4, tables) || tables > kMaxTables)
        return 0;
    const std::string toc = ReadAt(in, 8, uint64_t{tables} * 16);
    const Words entries(toc, false);
    for (uint32_t i = 0; i < tables; ++i) {
        uint32_t type = 0, size = 0, offset = 0;
        if (!entries.At(i * 16, type) || !entries.At(i * 16 + 8, size) || !entries.At(i * 16 + 12, offset))
            return 0;
        if (type != kPropertiesTable) continue;
        if (size > kMaxTableBytes) return 0;
        return IntegerProperty(ReadAt(in, offset, size), "PIXEL_SIZE");
    }
    return 0;
}

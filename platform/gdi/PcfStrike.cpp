#include "platform/gdi/PcfStrike.h"

#include <errno.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>

namespace {

constexpr uint32_t kMetricsTable = 1u << 2;
constexpr uint32_t kBitmapsTable = 1u << 3;
constexpr uint32_t kEncodingsTable = 1u << 5;
constexpr uint32_t kMaxTables = 64;
constexpr uint32_t kCompressedMetrics = 0x100;
constexpr uint32_t kBigEndianBytes = 1u << 2;
constexpr uint32_t kHighBitFirst = 1u << 3;
constexpr uint32_t kNoGlyph = 0xFFFF;

uint32_t Little(const uint8_t* p) {
    return p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24;
}

int16_t Signed(uint32_t value) {
    return static_cast<int16_t>(static_cast<uint16_t>(value));
}

// Bytes a row of `width` pixels takes with rows padded to 1, 2, 4 or 8 bytes.
int PitchOf(int width, uint32_t format) {
    const int pad = 1 << (format & 3);
    return (width + 8 * pad - 1) / (8 * pad) * pad;
}

uint8_t Reversed(uint8_t b) {
    b = static_cast<uint8_t>((b & 0xF0) >> 4 | (b & 0x0F) << 4);
    b = static_cast<uint8_t>((b & 0xCC) >> 2 | (b & 0x33) << 2);
    return static_cast<uint8_t>((b & 0xAA) >> 1 | (b & 0x55) << 1);
}

}  // namespace

std::unique_ptr<PcfStrike> PcfStrike::Open(const std::string& path) {
    std::unique_ptr<PcfStrike> strike(new PcfStrike);
    strike->fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    uint8_t header[8];
    if (strike->fd_ < 0 || !strike->Read(0, header, sizeof header) ||
        !std::equal(header, header + 4, "\1fcp"))
        return nullptr;
    const uint32_t tables = Little(header + 4);
    if (tables > kMaxTables) return nullptr;
    std::vector<uint8_t> toc(size_t{tables} * 16);
    if (!strike->Read(8, toc.data(), toc.size())) return nullptr;
    for (uint32_t i = 0; i < tables; ++i) {
        const uint8_t* entry = toc.data() + size_t{i} * 16;
        Table table{Little(entry + 4), Little(entry + 12), Little(entry + 8)};
        const uint32_t type = Little(entry);
        if (type == kMetricsTable) strike->metrics_ = table;
        if (type == kBitmapsTable) strike->bitmaps_ = table;
        if (type == kEncodingsTable) strike->encodings_ = table;
    }
    // Each table repeats its format in its first word; that one tells the byte order.
    for (Table* table : {&strike->metrics_, &strike->bitmaps_, &strike->encodings_}) {
        uint8_t format[4];
        if (table->size < 8 || !strike->Read(table->offset, format, 4)) return nullptr;
        table->format = Little(format);
    }
    uint32_t metricCount = 0, defaultChar = 0;
    const bool compressed = (strike->metrics_.format & kCompressedMetrics) != 0;
    if (!strike->Value(strike->metrics_, 4, compressed ? 2 : 4, metricCount) ||
        !strike->Value(strike->bitmaps_, 4, 4, strike->bitmapCount_) ||
        !strike->Value(strike->encodings_, 4, 2, strike->firstColumn_) ||
        !strike->Value(strike->encodings_, 6, 2, strike->lastColumn_) ||
        !strike->Value(strike->encodings_, 8, 2, strike->firstRow_) ||
        !strike->Value(strike->encodings_, 10, 2, strike->lastRow_) ||
        !strike->Value(strike->encodings_, 12, 2, defaultChar))
        return nullptr;
    if (strike->lastColumn_ < strike->firstColumn_ || strike->lastColumn_ > 0xFF ||
        strike->lastRow_ < strike->firstRow_ || strike->lastRow_ > 0xFF)
        return nullptr;
    strike->glyphs_ = std::min(metricCount, strike->bitmapCount_);
    // A default character outside the encoded range stands for the first one; one without a glyph
    // draws the strike's first glyph.
    uint32_t row = defaultChar >> 8, column = defaultChar & 0xFF;
    if (row < strike->firstRow_ || row > strike->lastRow_ || column < strike->firstColumn_ ||
        column > strike->lastColumn_) {
        row = strike->firstRow_;
        column = strike->firstColumn_;
    }
    const uint32_t entry = strike->EncodingEntry(row, column);
    strike->defaultGlyph_ = entry == kNoGlyph || entry >= strike->glyphs_ ? 0 : entry;
    return strike;
}

PcfStrike::~PcfStrike() {
    if (fd_ >= 0) ::close(fd_);
}

bool PcfStrike::Read(uint64_t offset, void* buffer, size_t count) const {
    auto* bytes = static_cast<uint8_t*>(buffer);
    size_t done = 0;
    while (done < count) {
        const ssize_t n = ::pread(fd_, bytes + done, count - done, static_cast<off_t>(offset + done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

bool PcfStrike::Value(const Table& table, uint64_t offset, int bytes, uint32_t& value) const {
    if (offset + static_cast<uint64_t>(bytes) > table.size) return false;
    uint8_t raw[4];
    if (!Read(table.offset + offset, raw, static_cast<size_t>(bytes))) return false;
    value = 0;
    const bool big = (table.format & kBigEndianBytes) != 0;
    for (int i = 0; i < bytes; ++i) value = value << 8 | raw[big ? i : bytes - 1 - i];
    return true;
}

uint32_t PcfStrike::EncodingEntry(uint32_t row, uint32_t column) const {
    const uint64_t at =
        uint64_t{row - firstRow_} * (lastColumn_ - firstColumn_ + 1) + (column - firstColumn_);
    uint32_t glyph = kNoGlyph;
    return Value(encodings_, 14 + 2 * at, 2, glyph) ? glyph : kNoGlyph;
}

uint32_t PcfStrike::GlyphIndex(char32_t ch) const {
    const uint32_t row = ch >> 8, column = ch & 0xFF;
    if (row < firstRow_ || row > lastRow_ || column < firstColumn_ || column > lastColumn_) return 0;
    const uint32_t glyph = EncodingEntry(row, column);
    return glyph == kNoGlyph || glyph >= glyphs_ ? 0 : glyph + 1;
}

bool PcfStrike::Load(uint32_t index, PcfGlyph& glyph) const {
    const uint32_t number = index == 0 ? defaultGlyph_ : index - 1;
    if (number >= glyphs_) return false;
    int16_t m[5] = {};  // left and right bearing, advance, ascent, descent
    if (metrics_.format & kCompressedMetrics) {
        uint8_t raw[5];
        if (uint64_t{number} * 5 + 11 > metrics_.size ||
            !Read(metrics_.offset + 6 + uint64_t{number} * 5, raw, 5))
            return false;
        for (int i = 0; i < 5; ++i) m[i] = static_cast<int16_t>(raw[i] - 0x80);
    } else {
        for (int i = 0; i < 5; ++i) {
            uint32_t value = 0;
            if (!Value(metrics_, 8 + uint64_t{number} * 12 + 2 * static_cast<uint64_t>(i), 2, value))
                return false;
            m[i] = Signed(value);
        }
    }
    // Damaged metrics leave the glyph without ink.
    if (m[1] < m[0] || m[3] + m[4] < 0) std::fill_n(m, 5, int16_t{0});
    glyph.advance = m[2];
    glyph.left = m[0];
    glyph.top = m[3];
    glyph.width = m[1] - m[0];
    glyph.height = m[3] + m[4];
    glyph.pitch = PitchOf(glyph.width, bitmaps_.format);
    uint32_t start = 0;
    if (!Value(bitmaps_, 8 + uint64_t{number} * 4, 4, start)) return false;
    const uint64_t data = 8 + uint64_t{bitmapCount_} * 4 + 16;
    const size_t bytes = static_cast<size_t>(glyph.pitch) * static_cast<size_t>(glyph.height);
    if (data + start + bytes > bitmaps_.size) return false;
    glyph.bits.resize(bytes);
    if (!Read(bitmaps_.offset + data + start, glyph.bits.data(), bytes)) return false;
    const uint32_t format = bitmaps_.format;
    if (!(format & kHighBitFirst))
        std::transform(glyph.bits.begin(), glyph.bits.end(), glyph.bits.begin(), Reversed);
    // Rows are stored in units of 1, 2 or 4 bytes, in the byte order the format names.
    const size_t unit = size_t{1} << ((format >> 4) & 3);
    if (((format & kBigEndianBytes) != 0) != ((format & kHighBitFirst) != 0) && unit > 1)
        for (size_t at = 0; at + unit <= bytes; at += unit)
            std::reverse(glyph.bits.begin() + at, glyph.bits.begin() + at + unit);
    return true;
}

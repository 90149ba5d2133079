#pragma once
// A bitmap strike in the X11 PCF format, read a glyph at a time: its tables stay in the file, so an
// open strike holds a few dozen bytes where loading them whole would hold a megabyte of metrics for
// the tens of thousands of glyphs a Chinese strike has.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// One glyph as the strike draws it: rows of bits, the leftmost pixel in the high bit of a row's
// first byte.
struct PcfGlyph {
    int advance = 0;
    int left = 0;  // ink offset from the pen position
    int top = 0;   // rows of ink above the baseline
    int width = 0;
    int height = 0;
    int pitch = 0;  // bytes a row
    std::vector<uint8_t> bits;

    bool At(int x, int y) const {
        return (bits[static_cast<size_t>(y) * pitch + (x >> 3)] >> (7 - (x & 7))) & 1;
    }
};

class PcfStrike {
public:
    // Null when the file is not an uncompressed PCF file with the tables a strike needs.
    static std::unique_ptr<PcfStrike> Open(const std::string& path);
    ~PcfStrike();
    PcfStrike(const PcfStrike&) = delete;
    PcfStrike& operator=(const PcfStrike&) = delete;

    // The glyph number of a character plus one; 0 when the strike has none for it.
    uint32_t GlyphIndex(char32_t ch) const;
    // Index 0 is the strike's default character. False when the glyph cannot be read.
    bool Load(uint32_t index, PcfGlyph& glyph) const;

    struct Table {
        uint32_t format = 0;
        uint32_t offset = 0;
        uint32_t size = 0;
    };

private:
    PcfStrike() = default;
    bool Read(uint64_t offset, void* buffer, size_t count) const;
    // A 16- or 32-bit value at `offset` in the byte order of `table`.
    bool Value(const Table& table, uint64_t offset, int bytes, uint32_t& value) const;
    uint32_t EncodingEntry(uint32_t row, uint32_t column) const;

    int fd_ = -1;
    Table metrics_, bitmaps_, encodings_;
    uint32_t glyphs_ = 0;       // with both metrics and a bitmap
    uint32_t bitmapCount_ = 0;  // the bitmap table's own count, which places its data
    uint32_t firstColumn_ = 0, lastColumn_ = 0, firstRow_ = 0, lastRow_ = 0;
    uint32_t defaultGlyph_ = 0;
};

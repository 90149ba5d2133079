#pragma once
// Fonts as the screens ask for them, realised through FreeType as monochrome glyphs and cached.
// "宋体" and other Chinese faces use the Chinese bitmap face at its nearest strike; Latin faces use
// the Latin outline face. A character missing from a font's face comes from the other face.
#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

#include "platform/gdi/GdiObjects.h"

// Pixels from..to (inclusive) of one row of a glyph's ink.
struct GlyphRun {
    int row;
    int from;
    int to;
};

struct Glyph {
    int advance = 0;
    int left = 0;  // ink offset from the pen position
    int top = 0;   // rows of ink above the baseline
    int width = 0;
    int height = 0;
    std::vector<uint8_t> ink;    // width x height, 1 where the glyph is drawn
    std::vector<GlyphRun> runs;  // the same ink, made once, for drawing a run at a time
    // The same ink a row to a word (bit x is column x); empty when the glyph is wider than a word.
    std::vector<uint64_t> rowBits;

    bool At(int x, int y) const { return ink[static_cast<size_t>(y) * width + x] != 0; }
};

struct FontMetrics {
    int ascent = 0;
    int descent = 0;
    int internalLeading = 0;
    int aveCharWidth = 0;
    int maxCharWidth = 0;
    int weight = FW_NORMAL;
    int height() const { return ascent + descent; }
};

class FontInstance {
public:
    struct Source;
    FontInstance(std::unique_ptr<Source> primary, std::unique_ptr<Source> fallback, const LOGFONT& lf);
    ~FontInstance();

    const FontMetrics& metrics() const { return metrics_; }
    bool underline() const { return underline_; }
    bool strikeOut() const { return strikeOut_; }
    // The glyph of one character, rasterised on first use. Control characters have no ink and no width.
    const Glyph& GetGlyph(char32_t ch) {
        if (ch < ascii_.size())
            if (const Glyph* known = ascii_[ch].load(std::memory_order_acquire)) return *known;
        return FindGlyph(ch);
    }
    int Advance(char32_t ch) { return GetGlyph(ch).advance; }
    // Whether the face or the one it falls back to draws the character; a control character
    // draws nothing and needs no glyph.
    bool HasGlyph(char32_t ch) const;

private:
    const Glyph& FindGlyph(char32_t ch);
    Glyph Rasterise(char32_t ch);

    std::unique_ptr<Source> primary_;
    std::unique_ptr<Source> fallback_;
    FontMetrics metrics_;
    bool underline_;
    bool strikeOut_;
    std::unordered_map<char32_t, Glyph> glyphs_;
    // The ASCII glyphs once made, read without the lock (the map's elements never move).
    std::array<std::atomic<const Glyph*>, 128> ascii_{};
};

// The shared instance for a logical font; never null (without font files it has no ink).
std::shared_ptr<FontInstance> RealizeFont(const LOGFONT& lf);

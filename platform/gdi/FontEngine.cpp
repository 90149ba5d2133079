#include "platform/gdi/FontEngine.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cwctype>
#include <map>
#include <mutex>
#include <string>
#include <string_view>
#include <tuple>

#include "platform/gdi/FontFiles.h"
#include "platform/gdi/PcfPixelSize.h"
#include "platform/gdi/PcfStrike.h"

// A face at one size: FreeType's, or a bitmap strike read a glyph at a time.
struct FontInstance::Source {
    FT_Face face;
    const PcfStrike* strike;
    int strikePixels;
    bool embolden;

    bool Scalable() const { return face && FT_IS_SCALABLE(face); }
    int EmPixels() const { return strike ? strikePixels : static_cast<int>(face->size->metrics.y_ppem); }
    // 0 when the face has no glyph for the character.
    uint32_t Index(char32_t ch) const {
        return strike ? strike->GlyphIndex(ch) : FT_Get_Char_Index(face, ch);
    }
    Glyph Render(uint32_t index) const;
};

namespace {

constexpr int kDefaultPixels = 12;

// One FreeType library and one face per file and pixel size, and one reader per bitmap strike, alive
// for the whole run. The one mutex guards them and every glyph cache: drawing is cheap next to
// sharing a face unguarded.
class FreeType {
public:
    FreeType() {
        if (FT_Init_FreeType(&library_) != 0) library_ = nullptr;
    }
    ~FreeType() {
        for (auto& [key, face] : faces_) FT_Done_Face(face);
        if (library_) FT_Done_FreeType(library_);
    }
    std::mutex& mutex() { return mutex_; }

    // The pixel size of a bitmap face's only strike, read without keeping the face; 0 when unreadable.
    int StrikePixels(const std::string& path) {
        if (const int pixels = PcfPixelSize(path); pixels > 0) return pixels;
        FT_Face face = nullptr;
        if (!library_ || FT_New_Face(library_, path.c_str(), 0, &face) != 0) return 0;
        const int pixels =
            face->num_fixed_sizes > 0 ? static_cast<int>((face->available_sizes[0].y_ppem + 32) >> 6) : 0;
        FT_Done_Face(face);
        return pixels;
    }

    // The face sized to `pixels`; a bitmap face keeps its only strike. Null when unreadable.
    FT_Face Face(const std::string& path, int pixels) {
        const auto key = std::make_pair(path, pixels);
        if (auto it = faces_.find(key); it != faces_.end()) return it->second;
        FT_Face face = nullptr;
        if (!library_ || path.empty() || FT_New_Face(library_, path.c_str(), 0, &face) != 0) return nullptr;
        const bool sized = FT_IS_SCALABLE(face) ? FT_Set_Pixel_Sizes(face, 0, pixels) == 0
                                                : face->num_fixed_sizes > 0 && FT_Select_Size(face, 0) == 0;
        if (!sized) {
            FT_Done_Face(face);
            return nullptr;
        }
        faces_[key] = face;
        return face;
    }

    // The Chinese face's strike in `path` read a glyph at a time; null when it is not an
    // uncompressed PCF file (FreeType opens that one whole).
    const PcfStrike* Strike(const std::string& path) {
        auto it = strikes_.find(path);
        if (it == strikes_.end()) it = strikes_.emplace(path, PcfStrike::Open(path)).first;
        return it->second.get();
    }

private:
    FT_Library library_ = nullptr;
    std::mutex mutex_;
    std::map<std::pair<std::string, int>, FT_Face> faces_;
    std::map<std::string, std::unique_ptr<PcfStrike>> strikes_;
};

FreeType& Engine() {
    static FreeType engine;
    return engine;
}

struct SongStrike {
    std::string path;
    int pixels;
};

// The Chinese face's strikes by pixel size (the em size FreeType reports for the strike). A strike
// is opened only when text of its size is drawn: each costs a megabyte or two and milliseconds.
const std::vector<SongStrike>& SongStrikes() {
    static const std::vector<SongStrike> strikes = [] {
        std::vector<SongStrike> list;
        for (const std::string& path : LocateFontFiles().songStrikes)
            if (const int pixels = Engine().StrikePixels(path); pixels > 0) list.push_back({path, pixels});
        return list;
    }();
    return strikes;
}

// Nearest in size; on a tie the smaller, which keeps small text crisp.
const SongStrike* NearestSong(int pixels) {
    const SongStrike* best = nullptr;
    for (const SongStrike& s : SongStrikes()) {
        if (!best || std::abs(s.pixels - pixels) < std::abs(best->pixels - pixels) ||
            (std::abs(s.pixels - pixels) == std::abs(best->pixels - pixels) && s.pixels < best->pixels)) {
            best = &s;
        }
    }
    return best;
}

bool IsChineseFace(const LOGFONT& lf) {
    const std::wstring face(lf.lfFaceName);
    if (face.empty()) return lf.lfCharSet == GB2312_CHARSET;
    std::wstring lower;
    for (wchar_t c : face) lower += static_cast<wchar_t>(std::towlower(c));
    // The handheld has no YaHei: text asked in it comes out in the system's Latin face, Chinese
    // glyphs linked in, as the layouts that name it were seen.
    if (face == L"微软雅黑" || lower == L"microsoft yahei") return false;
    if (std::any_of(face.begin(), face.end(), [](wchar_t c) { return c > 0x7F; })) return true;
    for (const wchar_t* name : {L"simsun", L"nsimsun", L"simhei", L"kaiti", L"fangsong"}) {
        if (lower == name) return true;
    }
    return false;
}

std::unique_ptr<FontInstance::Source> MakeSource(const std::string& path, int pixels, bool embolden) {
    FT_Face face = Engine().Face(path, pixels);
    if (!face) return nullptr;
    return std::make_unique<FontInstance::Source>(FontInstance::Source{face, nullptr, 0, embolden});
}

std::unique_ptr<FontInstance::Source> SongSource(int pixels, bool bold) {
    const SongStrike* song = NearestSong(pixels);
    if (!song) return nullptr;
    if (const PcfStrike* strike = Engine().Strike(song->path))
        return std::make_unique<FontInstance::Source>(
            FontInstance::Source{nullptr, strike, song->pixels, bold});
    return MakeSource(song->path, song->pixels, bold);
}

std::unique_ptr<FontInstance::Source> SansSource(int pixels, bool bold) {
    const FontFiles& files = LocateFontFiles();
    const bool ownBold = bold && !files.sansBold.empty();
    return MakeSource(ownBold ? files.sansBold : files.sans, pixels, bold && !ownBold);
}

// The cell above and below the baseline in font units, as the device measures it: the OS/2 table's
// Windows ascent and descent where the face has them (Tahoma's cell is taller than its hhea one).
struct CellUnits {
    int ascent;
    int descent;
};
CellUnits CellOf(FT_Face face) {
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    if (os2 && os2->version != 0xFFFF && os2->usWinAscent + os2->usWinDescent > 0)
        return {os2->usWinAscent, os2->usWinDescent};
    return {face->ascender, -face->descender};
}

// A positive height asks for the whole cell, a negative one for the em.
int LatinPixels(const LOGFONT& lf) {
    if (lf.lfHeight < 0) return -lf.lfHeight;
    if (lf.lfHeight == 0) return kDefaultPixels;
    FT_Face face = Engine().Face(LocateFontFiles().sans, kDefaultPixels);
    if (!face) return lf.lfHeight;
    const CellUnits cell = CellOf(face);
    if (cell.ascent + cell.descent <= 0) return lf.lfHeight;
    return static_cast<int>(
        std::lround(double(lf.lfHeight) * face->units_per_EM / (cell.ascent + cell.descent)));
}

// A glyph from a bitmap of `width` x `height` pixels, `on(x, y)` telling the ink; emboldening
// widens each stroke by a pixel to its right, but never into a one-pixel gap before the next
// stroke: closed, the two ticks of a ″ or the strokes of a small character run into a blot.
template <typename On>
Glyph FromBitmap(int width, int height, int advance, int left, int top, bool embolden, On on) {
    Glyph g;
    g.advance = advance + (embolden ? 1 : 0);
    g.left = left;
    g.top = top;
    g.width = width + (embolden && width > 0 ? 1 : 0);
    g.height = height;
    g.ink.assign(static_cast<size_t>(g.width) * g.height, 0);
    for (int y = 0; y < g.height; ++y)
        for (int x = 0; x < width; ++x) {
            if (!on(x, y)) continue;
            g.ink[static_cast<size_t>(y) * g.width + x] = 1;
            const bool gapAfter = x + 2 < width && !on(x + 1, y) && on(x + 2, y);
            if (embolden && !gapAfter) g.ink[static_cast<size_t>(y) * g.width + x + 1] = 1;
        }
    return g;
}

Glyph FromSlot(FT_GlyphSlot slot, bool embolden) {
    const FT_Bitmap& bm = slot->bitmap;
    // An outline face advances by its design widths rounded to the pixel, as the device's own
    // rasteriser does; hinting an outline without instructions of its own widens them.
    const int advance = FT_IS_SCALABLE(slot->face)
                            ? static_cast<int>((slot->linearHoriAdvance + 0x8000) >> 16)
                            : static_cast<int>((slot->advance.x + 32) >> 6);
    return FromBitmap(static_cast<int>(bm.width), static_cast<int>(bm.rows), advance, slot->bitmap_left,
                      slot->bitmap_top, embolden, [&bm](int x, int y) {
                          const unsigned char* row = bm.buffer + static_cast<ptrdiff_t>(y) * bm.pitch;
                          return bm.pixel_mode == FT_PIXEL_MODE_MONO
                                     ? ((row[x >> 3] >> (7 - (x & 7))) & 1) != 0
                                     : row[x] >= 128;
                      });
}

Glyph WithRunsAndRows(Glyph g) {
    const bool rowsFit = g.width <= 64;
    if (rowsFit) g.rowBits.assign(static_cast<size_t>(g.height), 0);
    for (int r = 0; r < g.height; ++r)
        for (int c = 0; c < g.width;) {
            if (!g.At(c, r)) {
                ++c;
                continue;
            }
            const int from = c;
            for (; c < g.width && g.At(c, r); ++c)
                if (rowsFit) g.rowBits[static_cast<size_t>(r)] |= uint64_t(1) << c;
            g.runs.push_back({r, from, c - 1});
        }
    return g;
}

}  // namespace

FontInstance::FontInstance(std::unique_ptr<Source> primary, std::unique_ptr<Source> fallback,
                           const LOGFONT& lf)
    : primary_(std::move(primary)),
      fallback_(std::move(fallback)),
      underline_(lf.lfUnderline != 0),
      strikeOut_(lf.lfStrikeOut != 0) {
    metrics_.weight = lf.lfWeight >= 600 ? FW_BOLD : FW_NORMAL;
    const int em = lf.lfHeight == 0 ? kDefaultPixels : std::abs(int(lf.lfHeight));
    if (!primary_) {
        metrics_.ascent = em - em / 5;
        metrics_.descent = em / 5;
    } else if (primary_->Scalable()) {
        // Rounded rather than grid-fitted, so that a cell height asked for is the height given.
        const FT_Face face = primary_->face;
        const double scale = double(face->size->metrics.y_ppem) / face->units_per_EM;
        const CellUnits cell = CellOf(face);
        metrics_.ascent = static_cast<int>(std::lround(cell.ascent * scale));
        metrics_.descent = static_cast<int>(std::lround(cell.descent * scale));
    } else {
        // The bitmap face declares generous ascent and descent; the ink of Chinese characters and
        // of the Latin descenders gives the tight cell a screen expects of a Song face.
        for (char32_t ch : std::u32string_view(U"宋国Wgjy")) {
            const Glyph& g = GetGlyph(ch);
            metrics_.ascent = std::max(metrics_.ascent, g.top);
            metrics_.descent = std::max(metrics_.descent, g.height - g.top);
        }
    }
    const int emPixels = primary_ ? primary_->EmPixels() : em;
    metrics_.internalLeading = std::max(0, metrics_.height() - emPixels);
    metrics_.aveCharWidth = Advance(U'x');
    metrics_.maxCharWidth = std::max(Advance(U'W'), Advance(U'国'));
}

FontInstance::~FontInstance() = default;

const Glyph& FontInstance::FindGlyph(char32_t ch) {
    std::lock_guard lock(Engine().mutex());
    auto it = glyphs_.find(ch);
    if (it == glyphs_.end()) it = glyphs_.emplace(ch, WithRunsAndRows(Rasterise(ch))).first;
    if (ch < ascii_.size()) ascii_[ch].store(&it->second, std::memory_order_release);
    return it->second;
}

bool FontInstance::HasGlyph(char32_t ch) const {
    if (ch < 0x20) return true;
    std::lock_guard lock(Engine().mutex());
    return (primary_ && primary_->Index(ch) != 0) || (fallback_ && fallback_->Index(ch) != 0);
}

Glyph FontInstance::Rasterise(char32_t ch) {
    if (ch < 0x20) return {};
    if (!primary_) {
        Glyph blank;
        blank.advance = std::max(1, metrics_.ascent / 2);
        return blank;
    }
    const Source* source = primary_.get();
    uint32_t index = source->Index(ch);
    if (index == 0 && fallback_) {
        if (const uint32_t other = fallback_->Index(ch); other != 0) {
            source = fallback_.get();
            index = other;
        }
    }
    return source->Render(index);
}

Glyph FontInstance::Source::Render(uint32_t index) const {
    if (strike) {
        PcfGlyph bitmap;
        if (!strike->Load(index, bitmap)) return {};
        return FromBitmap(bitmap.width, bitmap.height, bitmap.advance, bitmap.left, bitmap.top, embolden,
                          [&bitmap](int x, int y) { return bitmap.At(x, y); });
    }
    if (FT_Load_Glyph(face, index, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO) != 0) return {};
    return FromSlot(face->glyph, embolden);
}

std::shared_ptr<FontInstance> RealizeFont(const LOGFONT& lf) {
    const bool chinese = IsChineseFace(lf);
    const bool bold = lf.lfWeight >= 600;
    int pixels = kDefaultPixels;
    if (chinese) {
        // The Chinese face has no internal leading, so either sign of the height is its em.
        if (lf.lfHeight != 0) pixels = std::abs(int(lf.lfHeight));
    } else {
        std::lock_guard engineLock(Engine().mutex());
        pixels = LatinPixels(lf);
    }
    const auto key = std::make_tuple(chinese, pixels, bold, lf.lfUnderline != 0, lf.lfStrikeOut != 0);

    static std::mutex registryMutex;
    static std::map<decltype(key), std::shared_ptr<FontInstance>> registry;
    std::lock_guard lock(registryMutex);
    if (auto it = registry.find(key); it != registry.end()) return it->second;

    std::unique_ptr<FontInstance::Source> primary, fallback;
    {
        std::lock_guard engineLock(Engine().mutex());
        primary = chinese ? SongSource(pixels, bold) : SansSource(pixels, bold);
        const int fallbackPixels = primary ? primary->EmPixels() : pixels;
        fallback = chinese ? SansSource(fallbackPixels, bold) : SongSource(fallbackPixels, bold);
        if (!primary) std::swap(primary, fallback);
    }
    auto font = std::make_shared<FontInstance>(std::move(primary), std::move(fallback), lf);
    registry.emplace(key, font);
    return font;
}

#include "platform/gdi/PcfStrike.h"

#include <gtest/gtest.h>

#include <ft2build.h>
#include FT_FREETYPE_H

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "platform/gdi/FontFiles.h"

namespace {

// The strike's glyph against FreeType's rendering of the same file: metrics and every pixel.
void ExpectSameGlyph(FT_Face face, const PcfStrike& strike, uint32_t index) {
    SCOPED_TRACE(index);
    ASSERT_EQ(FT_Load_Glyph(face, index, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO), 0);
    const FT_GlyphSlot slot = face->glyph;
    PcfGlyph glyph;
    ASSERT_TRUE(strike.Load(index, glyph));
    EXPECT_EQ(glyph.advance, (slot->advance.x + 32) >> 6);
    EXPECT_EQ(glyph.left, slot->bitmap_left);
    EXPECT_EQ(glyph.top, slot->bitmap_top);
    ASSERT_EQ(glyph.width, static_cast<int>(slot->bitmap.width));
    ASSERT_EQ(glyph.height, static_cast<int>(slot->bitmap.rows));
    for (int y = 0; y < glyph.height; ++y)
        for (int x = 0; x < glyph.width; ++x) {
            const unsigned char* row = slot->bitmap.buffer + static_cast<ptrdiff_t>(y) * slot->bitmap.pitch;
            ASSERT_EQ(glyph.At(x, y), ((row[x >> 3] >> (7 - (x & 7))) & 1) != 0) << x << "," << y;
        }
}

std::filesystem::path TemporaryCopy(const std::string& path, size_t bytes) {
    std::ifstream in(path, std::ios::binary);
    std::string content(std::istreambuf_iterator<char>(in), {});
    content.resize(std::min(bytes, content.size()));
    const auto copy =
        std::filesystem::temp_directory_path() / ("qz-strike-" + std::to_string(getpid()) + ".pcf");
    std::ofstream(copy, std::ios::binary) << content;
    return copy;
}

}  // namespace

// Text in the Chinese face is drawn from these glyphs: they must be the ones FreeType gives, for
// every character of the basic plane, those the strike lacks and its default character included.
TEST(PcfStrike, AgreesWithFreeTypeOnTheInstalledStrikes) {
    FT_Library library = nullptr;
    ASSERT_EQ(FT_Init_FreeType(&library), 0);
    int compared = 0;
    for (const std::string& path : LocateFontFiles().songStrikes) {
        if (!path.ends_with(".pcf")) continue;
        SCOPED_TRACE(path);
        FT_Face face = nullptr;
        ASSERT_EQ(FT_New_Face(library, path.c_str(), 0, &face), 0);
        ASSERT_EQ(FT_Select_Size(face, 0), 0);
        const std::unique_ptr<PcfStrike> strike = PcfStrike::Open(path);
        ASSERT_TRUE(strike);
        for (char32_t ch = 0; ch <= 0x10000; ++ch) {
            const uint32_t index = FT_Get_Char_Index(face, ch);
            ASSERT_EQ(strike->GlyphIndex(ch), index) << static_cast<uint32_t>(ch);
            if (index != 0) {
                ASSERT_NO_FATAL_FAILURE(ExpectSameGlyph(face, *strike, index));
                ++compared;
            }
        }
        ASSERT_NO_FATAL_FAILURE(ExpectSameGlyph(face, *strike, 0));
        FT_Done_Face(face);
    }
    FT_Done_FreeType(library);
    if (compared == 0) GTEST_SKIP() << "no uncompressed Chinese strike installed";
}

// A strike cut short anywhere opens or is refused, and never draws from past its end.
TEST(PcfStrike, AStrikeCutShortIsRefusedOrDrawsWhatItHas) {
    const std::vector<std::string>& strikes = LocateFontFiles().songStrikes;
    if (strikes.empty() || !strikes.front().ends_with(".pcf"))
        GTEST_SKIP() << "no uncompressed Chinese strike";
    const auto size = static_cast<size_t>(std::filesystem::file_size(strikes.front()));
    EXPECT_FALSE(PcfStrike::Open("/nonexistent/font.pcf"));
    for (const size_t bytes : {size_t{0}, size_t{3}, size_t{8}, size_t{100}, size / 4, size / 2, size - 1}) {
        SCOPED_TRACE(bytes);
        const auto copy = TemporaryCopy(strikes.front(), bytes);
        const std::unique_ptr<PcfStrike> strike = PcfStrike::Open(copy.string());
        if (bytes < 100) {
            EXPECT_FALSE(strike);
        }
        for (const char32_t ch : {U'A', U'国', U'\uFFFD', U'\u0000'}) {
            PcfGlyph glyph;
            if (strike && strike->Load(strike->GlyphIndex(ch), glyph)) {
                EXPECT_EQ(glyph.bits.size(), static_cast<size_t>(glyph.pitch) * glyph.height);
                EXPECT_GE(glyph.pitch * 8, glyph.width);
            }
        }
        std::filesystem::remove(copy);
    }
}

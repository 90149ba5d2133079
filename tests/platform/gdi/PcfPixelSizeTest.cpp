#include "platform/gdi/PcfPixelSize.h"

#include <gtest/gtest.h>

#include <ft2build.h>
#include FT_FREETYPE_H

#include <unistd.h>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/gdi/FontFiles.h"

namespace {

std::string Word(uint32_t value, bool big) {
    std::string bytes(4, '\0');
    for (int i = 0; i < 4; ++i)
        bytes[static_cast<size_t>(big ? 3 - i : i)] = static_cast<char>(value >> (8 * i));
    return bytes;
}

// A PCF file with a properties table only: name/value pairs (a value of -1 is a string property
// "x"), in the byte order the table's format says.
std::string PcfWithProperties(const std::vector<std::pair<std::string, int32_t>>& properties, bool big) {
    std::string names, entries;
    for (const auto& [name, value] : properties) {
        const auto at = static_cast<uint32_t>(names.size());
        names += name + '\0';
        const bool isString = value == -1;
        entries += Word(at, big) + std::string(1, isString ? '\1' : '\0') +
                   Word(isString ? static_cast<uint32_t>(names.size()) : static_cast<uint32_t>(value), big);
        if (isString) names += std::string("x") + '\0';
    }
    while (entries.size() % 4) entries += '\0';
    const std::string table = Word(big ? 4u : 0u, false) +
                              Word(static_cast<uint32_t>(properties.size()), big) + entries +
                              Word(static_cast<uint32_t>(names.size()), big) + names;
    return std::string("\1fcp", 4) + Word(1, false) + Word(1, false) + Word(0, false) +
           Word(static_cast<uint32_t>(table.size()), false) + Word(24, false) + table;
}

int SizeOfBytes(const std::string& bytes) {
    const auto path = std::filesystem::temp_directory_path() / ("qz-pcf-" + std::to_string(getpid()));
    std::ofstream(path, std::ios::binary) << bytes;
    const int pixels = PcfPixelSize(path.string());
    std::filesystem::remove(path);
    return pixels;
}

}  // namespace

TEST(PcfPixelSize, ReadsThePropertyInEitherByteOrderAndRefusesDamage) {
    const std::vector<std::pair<std::string, int32_t>> props = {
        {"FOUNDRY", -1}, {"POINT_SIZE", 120}, {"PIXEL_SIZE", 12}, {"RESOLUTION_Y", 75}};
    const std::string good = PcfWithProperties(props, true);
    struct Case {
        const char* name;
        std::string bytes;
        int pixels;
    };
    const Case cases[] = {
        {"big-endian table", good, 12},
        {"little-endian table", PcfWithProperties(props, false), 12},
        {"negative size", PcfWithProperties({{"PIXEL_SIZE", -14}}, false), 14},
        {"no pixel size", PcfWithProperties({{"POINT_SIZE", 120}}, true), 0},
        {"pixel size as a string", PcfWithProperties({{"PIXEL_SIZE", -1}}, true), 0},
        {"not a PCF file", "\x1f\x8b" + good.substr(2), 0},
        {"cut in the table of contents", good.substr(0, 20), 0},
        {"cut in the properties", good.substr(0, good.size() - 30), 0},
        {"cut in the names", good.substr(0, good.size() - 3), 0},
        {"empty", "", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(SizeOfBytes(c.bytes), c.pixels);
    }
    EXPECT_EQ(PcfPixelSize("/nonexistent/font.pcf"), 0);
}

// The strikes are chosen by these sizes without being opened: they must be the ones FreeType gives.
TEST(PcfPixelSize, AgreesWithFreeTypeOnTheInstalledStrikes) {
    FT_Library library = nullptr;
    ASSERT_EQ(FT_Init_FreeType(&library), 0);
    for (const std::string& path : LocateFontFiles().songStrikes) {
        SCOPED_TRACE(path);
        FT_Face face = nullptr;
        ASSERT_EQ(FT_New_Face(library, path.c_str(), 0, &face), 0);
        ASSERT_GT(face->num_fixed_sizes, 0);
        // A compressed strike is sized by FreeType instead.
        const int expected =
            path.ends_with(".pcf") ? static_cast<int>((face->available_sizes[0].y_ppem + 32) >> 6) : 0;
        EXPECT_EQ(PcfPixelSize(path), expected);
        FT_Done_Face(face);
    }
    FT_Done_FreeType(library);
}

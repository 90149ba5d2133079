#include "resources/FoundationIcons.h"

#include <cstring>

// The pictures are drawn here as pixel art, one character per pixel ('.' transparent).
namespace {

COLORREF PaletteColor(char c) {
    switch (c) {
        case 'E':
            return RGB(96, 192, 96);
        case 'G':
            return RGB(200, 200, 200);
        case 'Y':
            return RGB(216, 160, 32);
        case 'b':
            return RGB(40, 96, 200);
        case 'e':
            return RGB(0, 128, 0);
        case 'g':
            return RGB(128, 128, 128);
        case 'k':
            return RGB(0, 0, 0);
        case 'o':
            return RGB(160, 112, 16);
        case 'r':
            return RGB(208, 32, 32);
        case 'w':
            return RGB(255, 255, 255);
        case 'y':
            return RGB(248, 208, 80);
        default:
            return RGB(0, 0, 0);
    }
}

template <size_t Rows>
CImage FromArt(const char* const (&rows)[Rows]) {
    const int width = static_cast<int>(std::strlen(rows[0]));
    CImage image(width, static_cast<int>(Rows));
    for (size_t y = 0; y < Rows; ++y)
        for (int x = 0; x < width; ++x)
            if (rows[y][x] != '.') image.SetPixel(x, static_cast<int>(y), PaletteColor(rows[y][x]));
    return image;
}

constexpr const char* kFolder[] = {
    "................", "................", ".oooooo.........", "oyyyyyyo........",
    "oyyyyyyyoooooooo", "oYYYYYYYYYYYYYYo", "oyyyyyyyyyyyyyyo", "oyyyyyyyyyyyyyyo",
    "oyyyyyyyyyyyyyyo", "oyyyyyyyyyyyyyyo", "oyyyyyyyyyyyyyyo", "oyyyyyyyyyyyyyyo",
    "oyyyyyyyyyyyyyyo", "oooooooooooooooo", "................", "................",
};

constexpr const char* kFile[] = {
    "................", "..gggggggg......", "..gwwwwwwgg.....", "..gwwwwwwgGg....",
    "..gwbbbbwgGGg...", "..gwwwwwwggggg..", "..gwbbbbbbbbwg..", "..gwwwwwwwwwwg..",
    "..gwbbbbbbbbwg..", "..gwwwwwwwwwwg..", "..gwbbbbbbwwwg..", "..gwwwwwwwwwwg..",
    "..gwbbbbbbbbwg..", "..gwwwwwwwwwwg..", "..gggggggggggg..", "................",
};

constexpr const char* kPoint[] = {
    "................", "................", ".......rr.......", ".......rr.......",
    "......r..r......", "......r..r......", ".....r....r.....", ".....r.kk.r.....",
    "....r..kk..r....", "....r......r....", "...r........r...", "...r........r...",
    "..rrrrrrrrrrrr..", "..rrrrrrrrrrrr..", "................", "................",
};

constexpr const char* kPick[] = {
    "............................", "..gggggggggggg..............", "..gwwwwwwwwwwg..............",
    "..gwkkwbbbbbwg..............", "..gwwwwwwwwwwg..............", "..gwkkwbbbbbwg.....ee.......",
    "..gwwwwwwwwwwg.....eEe......", "..gwkkwbbbbbwg.....eEEe.....", "..gwwwwwwwwwwg.....eEEEe....",
    "..gwkkwbbbbbwgeeeeeeEEEEe...", "..gwwwwwwwwwwgeEEEEEEEEEEe..", "..gwkkwbbbbbwgeEEEEEEEEEEe..",
    "..gwwwwwwwwwwgeeeeeeEEEEe...", "..gwkkwbbbbbwg.....eEEEe....", "..gwwwwwwwwwwg.....eEEe.....",
    "..gwkkwbbbbbwg.....eEe......", "..gwwwwwwwwwwg.....ee.......", "..gwkkwbbbbbwg..............",
    "..gwwwwwwwwwwg..............", "..gggggggggggg..............", "............................",
    "............................",
};

}  // namespace

CImage FolderIcon() {
    return FromArt(kFolder);
}
CImage FileIcon() {
    return FromArt(kFile);
}

CImage LoadIconResource(UINT id) {
    switch (id) {
        case IDI_PICK_FROM_LIBRARY:
            return FromArt(kPick);
        case IDB_LIBRARY_POINT:
            return FromArt(kPoint);
        default:
            return CImage();
    }
}

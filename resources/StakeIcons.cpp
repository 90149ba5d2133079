#include "resources/StakeIcons.h"

#include "resources/ViewIcons.h"

namespace {

constexpr int kSize = 28;

// Pixel art, one character a pixel: '.' white (transparent), the rest inks.
COLORREF Ink(char c) {
    switch (c) {
        case 'k':
            return RGB(0, 0, 0);
        case 'b':
            return RGB(40, 96, 200);
        case 'g':
            return RGB(0, 128, 0);
        case 'r':
            return RGB(208, 32, 32);
        case 'y':
            return RGB(248, 208, 80);
        case 'w':
            return RGB(200, 228, 255);
        default:
            return RGB(255, 255, 255);
    }
}

CImage FromArt(const char* const* rows, int width, int height) {
    CImage image(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) image.SetPixel(x, y, Ink(rows[y][x]));
    return image;
}

// A book of points: blue cover, white pages with red stake marks.
CImage Library() {
    static const char* const kArt[kSize] = {
        "............................", "............................", "....bbbbbbbbbbbbbbbbbbbb....",
        "....bwwwwwwwwwwwwwwwwwwb....", "....bwwwwwwwwwwwwwwwwwwb....", "....bwwrwwkkkkkkkkkkwwwb....",
        "....bwrrrwwwwwwwwwwwwwwb....", "....bwwrwwwwwwwwwwwwwwwb....", "....bwwwwwwwwwwwwwwwwwwb....",
        "....bwwrwwkkkkkkkkkkwwwb....", "....bwrrrwwwwwwwwwwwwwwb....", "....bwwrwwwwwwwwwwwwwwwb....",
        "....bwwwwwwwwwwwwwwwwwwb....", "....bwwrwwkkkkkkkkkkwwwb....", "....bwrrrwwwwwwwwwwwwwwb....",
        "....bwwrwwwwwwwwwwwwwwwb....", "....bwwwwwwwwwwwwwwwwwwb....", "....bwwrwwkkkkkkkkkkwwwb....",
        "....bwrrrwwwwwwwwwwwwwwb....", "....bwwrwwwwwwwwwwwwwwwb....", "....bwwwwwwwwwwwwwwwwwwb....",
        "....bbbbbbbbbbbbbbbbbbbb....", "....bbbbbbbbbbbbbbbbbbbb....", "............................",
        "............................", "............................", "............................",
        "............................",
    };
    return FromArt(kArt, kSize, kSize);
}

// A table of coordinates: a header row and three rows of values.
CImage CoordView() {
    static const char* const kArt[kSize] = {
        "............................", "............................", "...kkkkkkkkkkkkkkkkkkkkkk...",
        "...kggggggkggggggkgggggggk..", "...kggggggkggggggkgggggggk..", "...kkkkkkkkkkkkkkkkkkkkkk...",
        "...kwwwwwwkwwwwwwkwwwwwwwk..", "...kwkkkwwkwkkkwwkwkkkkwwk..", "...kwwwwwwkwwwwwwkwwwwwwwk..",
        "...kkkkkkkkkkkkkkkkkkkkkk...", "...kwwwwwwkwwwwwwkwwwwwwwk..", "...kwkkkwwkwkkkwwkwkkkkwwk..",
        "...kwwwwwwkwwwwwwkwwwwwwwk..", "...kkkkkkkkkkkkkkkkkkkkkk...", "...kwwwwwwkwwwwwwkwwwwwwwk..",
        "...kwkkkwwkwkkkwwkwkkkkwwk..", "...kwwwwwwkwwwwwwkwwwwwwwk..", "...kkkkkkkkkkkkkkkkkkkkkk...",
        "............................", "............................", "............................",
        "............................", "............................", "............................",
        "............................", "............................", "............................",
        "............................",
    };
    return FromArt(kArt, kSize, kSize);
}

}  // namespace

CImage StakeButtonIcon(UINT id) {
    switch (id) {
        case stakeicons::kLibrary:
            return Library();
        case stakeicons::kCoordView:
            return CoordView();
        case stakeicons::kSettings:
            return ViewButtonIcon(viewicons::kStoreSettings);
        default:
            return ViewButtonIcon(id);
    }
}

#include "platform/ui/ImageList.h"
#include "resources/GpsInfoDlg.h"

// Bitmap 230: the satellite table's two 16-pixel row images, a GPS satellite (blue panels) and a
// GLONASS satellite (red panels), on white (the list's transparent colour).
namespace {
constexpr const char* kArt[] = {
    "................................", "................................",
    ".......kk.......................", ".......kk.........kk.............",
    "bbbb..kkkk..bbbb..rrrr.kkkk.rrrr", "bBBb.kkkkkk.bBBb..rRRr.kkkk.rRRr",
    "bBBbkkkkkkkkbBBb..rRRrkkkkkkrRRr", "bBBb.kkkkkk.bBBb..rRRr.kkkk.rRRr",
    "bbbb..kkkk..bbbb..rrrr.kkkk.rrrr", ".......kk.........kk.kk.........",
    "......k..k.........k....k.......", ".....k....k.......k......k......",
    "................................", "................................",
    "................................", "................................",
};

COLORREF Colour(char c) {
    switch (c) {
        case 'b':
            return RGB(0, 64, 192);
        case 'B':
            return RGB(96, 160, 255);
        case 'r':
            return RGB(176, 0, 0);
        case 'R':
            return RGB(255, 96, 96);
        case 'k':
            return RGB(64, 64, 64);
        default:
            return RGB(255, 255, 255);
    }
}

CImage Strip() {
    CImage image(32, 16);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 32; ++x) image.SetPixel(x, y, Colour(kArt[y][x]));
    return image;
}

struct Registration {
    Registration() { RegisterBitmapResource(satlistpage::IDB_SATELLITE_SYSTEMS, Strip()); }
} const kRegistration;
}  // namespace

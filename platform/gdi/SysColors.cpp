#include "platform/gdi/SysColors.h"

#include <array>

namespace {

constexpr std::array<COLORREF, 27> kColors = {
    RGB(192, 192, 192),  // scroll bar
    RGB(0, 128, 128),    // desktop
    RGB(0, 0, 128),      // active caption
    RGB(128, 128, 128),  // inactive caption
    RGB(192, 192, 192),  // menu
    RGB(255, 255, 255),  // window
    RGB(0, 0, 0),        // window frame
    RGB(0, 0, 0),        // menu text
    RGB(0, 0, 0),        // window text
    RGB(255, 255, 255),  // caption text
    RGB(192, 192, 192),  // active border
    RGB(192, 192, 192),  // inactive border
    RGB(128, 128, 128),  // application work space
    RGB(0, 0, 128),      // highlight
    RGB(255, 255, 255),  // highlight text
    RGB(192, 192, 192),  // button face
    RGB(128, 128, 128),  // button shadow
    RGB(128, 128, 128),  // grey text
    RGB(0, 0, 0),        // button text
    RGB(192, 192, 192),  // inactive caption text
    RGB(255, 255, 255),  // button highlight
    RGB(0, 0, 0),        // 3-D dark shadow
    RGB(192, 192, 192),  // 3-D light
    RGB(0, 0, 0),        // tool-tip text
    RGB(255, 255, 225),  // tool-tip background
    RGB(192, 192, 192),  // static control background
    RGB(0, 0, 0),        // static control text
};

bool Known(int index) {
    return index >= 0 && index < static_cast<int>(kColors.size());
}

}  // namespace

COLORREF GetSysColor(int index) {
    return Known(index) ? kColors[index] : RGB(0, 0, 0);
}

CBrush* GetSysColorBrush(int index) {
    static std::array<CBrush, kColors.size()> brushes = [] {
        std::array<CBrush, kColors.size()> b;
        for (size_t i = 0; i < b.size(); ++i) {
            b[i].CreateSolidBrush(kColors[i]);
            MarkShared(b[i]);
        }
        return b;
    }();
    return Known(index) ? &brushes[index] : nullptr;
}

#include <gtest/gtest.h>
#include <png.h>

#include <cstdio>
#include <filesystem>

#include "platform/gdi/Png.h"
#include "platform/gdi/SysColors.h"

namespace {

// Reads an 8-bit RGB PNG back into a framebuffer.
bool ReadPng(const std::string& path, Framebuffer& out) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str())) return false;
    image.format = PNG_FORMAT_RGB;
    std::vector<png_byte> bytes(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, bytes.data(), 0, nullptr)) return false;
    out = Framebuffer(image.width, image.height);
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x) {
            const png_byte* p = &bytes[(static_cast<size_t>(y) * out.width() + x) * 3];
            out.row(y)[x] = Framebuffer::ToPixel(RGB(p[0], p[1], p[2]));
        }
    return true;
}

}  // namespace

TEST(GdiPng, WrittenFileReadsBackPixelForPixel) {
    Framebuffer fb(7, 5, GetSysColor(COLOR_BTNFACE));
    fb.row(0)[0] = Framebuffer::ToPixel(RGB(255, 0, 0));
    fb.row(4)[6] = Framebuffer::ToPixel(RGB(1, 2, 3));
    const std::string path = std::string(QZ_BINARY_DIR) + "/gdi_png_roundtrip.png";
    ASSERT_TRUE(WritePng(fb, path));
    Framebuffer back(1, 1);
    ASSERT_TRUE(ReadPng(path, back));
    EXPECT_EQ(back, fb);
    EXPECT_EQ(back.colorAt(6, 4), RGB(1, 2, 3));
    std::filesystem::remove(path);

    EXPECT_FALSE(WritePng(fb, std::string(QZ_BINARY_DIR) + "/no-such-folder/x.png"));
}

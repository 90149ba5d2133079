#include "platform/gdi/Png.h"

#include <png.h>

#include <csetjmp>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

struct FileCloser {
    void operator()(FILE* f) const { std::fclose(f); }
};

bool WriteRows(FILE* file, const Framebuffer& fb, png_structp png, png_infop info) {
    std::vector<png_byte> line(static_cast<size_t>(fb.width()) * 3);
    if (setjmp(png_jmpbuf(png))) return false;
    png_init_io(png, file);
    // Screens are mostly flat colour: the fastest deflate level without row filters keeps them
    // small at a quarter of the default's cost, and a screenshot is taken each time a screen settles.
    png_set_compression_level(png, 1);
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
    png_set_IHDR(png, info, fb.width(), fb.height(), 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < fb.height(); ++y) {
        const uint32_t* row = fb.row(y);
        for (int x = 0; x < fb.width(); ++x) {
            line[3 * x] = static_cast<png_byte>(row[x] >> 16);
            line[3 * x + 1] = static_cast<png_byte>(row[x] >> 8);
            line[3 * x + 2] = static_cast<png_byte>(row[x]);
        }
        png_write_row(png, line.data());
    }
    png_write_end(png, nullptr);
    return true;
}

}  // namespace

bool WritePng(const Framebuffer& fb, const std::string& path) {
    std::unique_ptr<FILE, FileCloser> file(std::fopen(path.c_str(), "wb"));
    return file && WritePng(fb, file.get());
}

bool WritePng(const Framebuffer& fb, FILE* file) {
    if (fb.width() == 0 || fb.height() == 0) return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (!png) return false;
    png_infop info = png_create_info_struct(png);
    const bool ok = info && WriteRows(file, fb, png, info);
    png_destroy_write_struct(&png, &info);
    return ok && std::fflush(file) == 0;
}

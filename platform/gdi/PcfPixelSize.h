#pragma once
// The pixel size a bitmap font file in the X11 PCF format declares (its PIXEL_SIZE property), read
// from the few bytes that hold it, so that choosing a strike does not load every strike's glyphs.
#include <string>

// 0 when the file is not an uncompressed PCF file or declares no pixel size.
int PcfPixelSize(const std::string& path);

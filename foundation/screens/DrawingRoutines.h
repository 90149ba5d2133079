#pragma once
// Drawing helpers shared by the map-like screens.
#include <cstdint>

#include "platform/gdi/CDC.h"

// A circle as a closed polygon of about one segment per pixel of its circumference, drawn with the
// current pen and raster operation. Large circles use at most 360 segments, and a circle wholly
// outside the clip draws nothing, so a zoomed-in map stays responsive.
void DrawCircle(CDC& dc, int32_t cx, int32_t cy, int32_t r);
// Segments of that circle: trunc(2 pi r), at most 360; 0 draws nothing.
int CircleSegmentCount(int32_t r);

// A line from (x1, y1) towards (x2, y2) in dashes of 3 pixels with gaps of 3, drawn with the current
// pen and raster operation; with R2_NOT a second call erases the first.
void DrawDashedLine(CDC& dc, int32_t x1, int32_t y1, int32_t x2, int32_t y2);

// Creates the font from the fourteen logical-font values and hands it to `font`. A face name
// longer than the record holds is cut to fit, terminator included.
void CreateFontObject(CFont& font, int height, int width, int escapement, int orientation, int weight,
                      BYTE italic, BYTE underline, BYTE strikeOut, BYTE charSet, BYTE outPrecision,
                      BYTE clipPrecision, BYTE quality, BYTE pitchAndFamily, const wchar_t* faceName);

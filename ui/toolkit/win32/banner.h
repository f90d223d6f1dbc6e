// The banner of the picture box: a PNG decoded with libpng into 8-bit RGBA, blended over the
// button-face colour and drawn stretched to the box.
#pragma once

#include <windows.h>

#include <cstdint>
#include <span>
#include <vector>

struct BannerImage {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgba;  // rows top to bottom, 4 bytes a pixel, not premultiplied

    bool Empty() const { return rgba.empty(); }
};

// The decoded image, or an empty one when the bytes are no PNG libpng can read.
BannerImage DecodeBanner(std::span<const uint8_t> png);

// Each pixel that is not fully opaque blended over `background` by its alpha, as 32-bit
// top-down DIB pixels (0x00RRGGBB).
std::vector<uint32_t> BlendOver(const BannerImage& image, COLORREF background);

// Fills `box` with the button-face colour, then draws the blended image stretched over all of it.
void PaintBanner(HDC dc, const RECT& box, const BannerImage& image);

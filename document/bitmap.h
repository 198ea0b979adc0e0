#pragma once

#include <QByteArray>

#include <cstdint>
#include <vector>

// Colours are 0x00BBGGRR values: red in the low byte.
using Colour = std::uint32_t;
inline constexpr Colour kWhite = 0xFFFFFF;
inline constexpr Colour kBlack = 0x000000;

// An in-memory device-independent bitmap. Depths 1, 4, 8, 16, 24 and 32 bits per pixel;
// depths up to 8 carry a colour table and their pixels are table indices.
struct Bitmap {
    int width = 0;
    int height = 0;
    int depth = 0;
    std::vector<Colour> colourTable;
    // Rows top first, each stride() bytes long, packed as in a BMP file row
    // (1-bit: most significant bit is the leftmost pixel; 24-bit: B, G, R).
    std::vector<std::uint8_t> pixels;

    bool isNull() const { return width <= 0 || height <= 0 || depth == 0; }
    int stride() const { return ((width * depth + 31) / 32) * 4; }
};

// Largest side the bitmap operations accept; keeps every allocation bounded.
inline constexpr int kMaxBitmapSide = 16384;

bool createBitmap(Bitmap& bitmap, int width, int height, int depth, Colour fill);
bool setPixel(Bitmap& bitmap, int x, int y, Colour colour);
// The colour of a pixel (the table entry for depths up to 8); 0 outside the picture.
Colour pixelColour(const Bitmap& bitmap, int x, int y);
Bitmap convertBitDepth(const Bitmap& bitmap, int depth);
Bitmap rotateQuarterTurn(const Bitmap& bitmap);
Bitmap rotateByAngle(const Bitmap& bitmap, float angleDegrees, Colour background);

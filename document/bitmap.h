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

// True when the operations can work on the bitmap: a supported depth, sides from 1 to kMaxBitmapSide,
// pixels for every row, and a colour table when the depth needs one.
bool isValidBitmap(const Bitmap& bitmap);

// The colour table createBitmap and convertBitDepth give a new bitmap of the depth:
// 1 bit black, white; 4 bits the sixteen Windows VGA colours (black, maroon, green, olive, navy, purple,
// teal, silver 0xC0C0C0, grey 0x808080, red, lime, yellow, blue, fuchsia, aqua, white);
// 8 bits the 6 x 6 x 6 colour cube (levels 0, 51, ..., 255; entry 36 b + 6 g + r) followed by the forty greys
// of the ramp 255 n / 45 (n = 0 to 45, rounded) that the cube lacks, darkest first. Empty above 8 bits.
std::vector<Colour> defaultColourTable(int depth);

// Setting a colour into a bitmap with a colour table stores the nearest entry; the distance is the sum of
// the squared differences of red, green and blue, and of two equally near entries the lower index wins.
// 16-bit pixels are 5-5-5 (red highest, top bit 0), 32-bit pixels B, G, R and a zero byte.

// Fails, leaving the bitmap untouched, on a side outside 1 to kMaxBitmapSide or an unsupported depth.
bool createBitmap(Bitmap& bitmap, int width, int height, int depth, Colour fill);
bool setPixel(Bitmap& bitmap, int x, int y, Colour colour);
// The colour of a pixel (the table entry for depths up to 8); 0 outside the picture.
Colour pixelColour(const Bitmap& bitmap, int x, int y);
// Sets every pixel of the w x h rectangle at (x, y) to the colour, as setPixel would, only faster. Fails and
// changes nothing when w or h is negative or the rectangle reaches outside the picture; an empty one is true.
bool fillRect(Bitmap& bitmap, int x, int y, int w, int h, Colour colour);
// A null bitmap when the source is not valid or the depth is not supported.
Bitmap convertBitDepth(const Bitmap& bitmap, int depth);
Bitmap rotateQuarterTurn(const Bitmap& bitmap);
// Clockwise on screen. Whole multiples of 90 degrees give exact turns; a non-finite angle, or one whose
// result would be empty or too big, gives a null bitmap.
Bitmap rotateByAngle(const Bitmap& bitmap, float angleDegrees, Colour background);

#pragma once

#include "document/bitmap.h"

#include <map>
#include <string>
#include <vector>

// Small pictures drawn as text, one string per row: 'X' is black, '.' is white, and the legend may name
// more colours. A ragged picture or an unknown character gives a null bitmap.
inline Bitmap bitmapFromArt(const std::vector<std::string>& rows, int depth = 1,
                            const std::map<char, Colour>& legend = {})
{
    std::map<char, Colour> colours { { 'X', kBlack }, { '.', kWhite } };
    for (const auto& [c, colour] : legend)
        colours[c] = colour;
    Bitmap bitmap;
    if (rows.empty() || !createBitmap(bitmap, static_cast<int>(rows.front().size()), static_cast<int>(rows.size()),
                                      depth, kWhite))
        return {};
    for (int y = 0; y < bitmap.height; ++y) {
        if (rows[y].size() != rows.front().size())
            return {};
        for (int x = 0; x < bitmap.width; ++x) {
            const auto found = colours.find(rows[y][x]);
            if (found == colours.end() || !setPixel(bitmap, x, y, found->second))
                return {};
        }
    }
    return bitmap;
}

// The inverse: each pixel's colour as its character, '?' for a colour the legend does not name.
inline std::vector<std::string> artFromBitmap(const Bitmap& bitmap, const std::map<char, Colour>& legend = {})
{
    std::map<Colour, char> names { { kBlack, 'X' }, { kWhite, '.' } };
    for (const auto& [c, colour] : legend)
        names[colour] = c;
    std::vector<std::string> rows;
    for (int y = 0; y < bitmap.height; ++y) {
        std::string row;
        for (int x = 0; x < bitmap.width; ++x) {
            const auto found = names.find(pixelColour(bitmap, x, y));
            row += found == names.end() ? '?' : found->second;
        }
        rows.push_back(row);
    }
    return rows;
}

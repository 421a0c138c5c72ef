// The pieces' pictures drawn at any size from their 23-pixel designs, for both windows: the
// Qt window's zoom and the Windows window's scaling. Masks are black on white and pieces lie on
// grey 808080 at every size, as the board's AND/OR painting needs. Neither Qt nor Windows is
// needed here.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace piece_drawing {

constexpr int DesignSize = 23;
constexpr uint32_t Black = 0xFF000000;
constexpr uint32_t White = 0xFFFFFFFF;
constexpr uint32_t Grey = 0xFF808080;
constexpr uint32_t Light = 0xFFC0C0C0;

// A designed picture, [y][x], as 0xFFRRGGBB.
using Design = std::array<std::array<uint32_t, DesignSize>, DesignSize>;

// The picture of kind 'M' (the mask), 'W' (the white piece) or 'B' (the black piece) of the
// piece designed by the three pictures, size x size pixels, row by row, as 0xFFRRGGBB.
std::vector<uint32_t> Draw(const Design& mask, const Design& white, const Design& black, char kind,
                           int size);

}  // namespace piece_drawing

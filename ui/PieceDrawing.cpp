#include "PieceDrawing.h"

#include <cmath>
#include <utility>

namespace piece_drawing {

namespace {

// One layer of a piece's design, a cell per design pixel.
using Layer = std::array<std::array<bool, DesignSize>, DesignSize>;

// The layer at a point given in design cells (a cell's centre at whole numbers): inside
// where the cells' values, blended linearly between their centres, reach one half. A
// staircase of cells becomes a straight edge and a corner is rounded off, so an edge is as
// fine as the size allows instead of steps a design pixel high.
bool Inside(const Layer& layer, double u, double v) {
    const int u0 = static_cast<int>(std::floor(u));
    const int v0 = static_cast<int>(std::floor(v));
    const double fu = u - u0;
    const double fv = v - v0;
    const auto at = [&layer](int x, int y) {
        return x >= 0 && y >= 0 && x < DesignSize && y < DesignSize && layer[y][x] ? 1.0 : 0.0;
    };
    const double value = at(u0, v0) * (1 - fu) * (1 - fv) + at(u0 + 1, v0) * fu * (1 - fv) +
                         at(u0, v0 + 1) * (1 - fu) * fv + at(u0 + 1, v0 + 1) * fu * fv;
    return value >= 0.5;
}

// The layers of a piece, read from its three designed pictures: the body (the mask's
// silhouette), the inner lines (black on the white piece, not at the edge), the shaded parts
// (light grey on the white piece) and the glints (white on the black piece, white on the
// white one). The outline is not a layer: it is drawn at every size as a line of its own.
struct Layers {
    Layer body{}, lines{}, shade{}, glint{};
};

Layers Read(const Design& mask, const Design& white, const Design& black) {
    Layers layers;
    for (int y = 0; y < DesignSize; ++y)
        for (int x = 0; x < DesignSize; ++x)
            layers.body[y][x] = mask[y][x] == Black;
    const auto edge = [&layers](int x, int y) {
        for (const auto& [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
            const int nx = x + dx, ny = y + dy;
            if (nx < 0 || ny < 0 || nx >= DesignSize || ny >= DesignSize || !layers.body[ny][nx])
                return true;
        }
        return false;
    };
    for (int y = 0; y < DesignSize; ++y) {
        for (int x = 0; x < DesignSize; ++x) {
            if (!layers.body[y][x] || edge(x, y)) continue;
            layers.lines[y][x] = white[y][x] == Black;
            layers.shade[y][x] = white[y][x] == Light;
            layers.glint[y][x] = white[y][x] == White && black[y][x] == White;
        }
    }
    return layers;
}

}  // namespace

std::vector<uint32_t> Draw(const Design& mask, const Design& white, const Design& black, char kind,
                           int size) {
    const Layers layers = Read(mask, white, black);
    const double scale = static_cast<double>(DesignSize) / size;
    const auto cell = [scale](int pixel) { return (pixel + 0.5) * scale - 0.5; };
    std::vector<std::vector<bool>> body(static_cast<size_t>(size), std::vector<bool>(size));
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            body[y][x] = Inside(layers.body, cell(x), cell(y));
    // The outline: a pixel wide, two on the largest squares.
    const int outline = size >= 60 ? 2 : 1;
    const auto onOutline = [&body, size, outline](int x, int y) {
        for (int d = 1; d <= outline; ++d) {
            for (const auto& [dx, dy] : {std::pair{d, 0}, {-d, 0}, {0, d}, {0, -d}}) {
                const int nx = x + dx, ny = y + dy;
                if (nx < 0 || ny < 0 || nx >= size || ny >= size || !body[ny][nx]) return true;
            }
        }
        return false;
    };

    std::vector<uint32_t> image(static_cast<size_t>(size * size), kind == 'M' ? White : Grey);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            if (!body[y][x]) continue;
            uint32_t colour = Black;
            if (kind != 'M' && !onOutline(x, y)) {
                const double u = cell(x), v = cell(y);
                const bool whitePiece = kind == 'W';
                if (Inside(layers.lines, u, v))
                    colour = whitePiece ? Black : White;
                else if (Inside(layers.glint, u, v))
                    colour = White;
                else if (Inside(layers.shade, u, v))
                    colour = whitePiece ? Light : Black;
                else
                    colour = whitePiece ? White : Black;
            }
            image[static_cast<size_t>(y * size + x)] = colour;
        }
    }
    return image;
}

}  // namespace piece_drawing

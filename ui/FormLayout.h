// Where the form's controls stand, in twips as designed, and where that puts them on the
// screen at a scale: one layout for the Qt window and the window for Windows. Neither Qt nor
// Windows is needed here.
#pragma once

#include <cmath>

namespace ostrand::form {

struct Twips {
    int left, top, width, height;
};

struct Pixels {
    int left, top, width, height;
    bool operator==(const Pixels&) const = default;
};

// The form's client area with its tool column: the design's client area ends at 4830 twips,
// short of the column, and the form is widened to show it, since "Force" and the editor
// are unreachable otherwise.
inline constexpr Twips Form{0, 0, 5895, 4890};
inline constexpr Twips Title{1440, 45, 1995, 330};              // Label16
inline constexpr Twips Logo{3105, 495, 1575, 1965};             // Picture1
inline constexpr Twips ProgressCaption{3105, 2520, 1500, 195};  // Label5
// Label1, Label2, Label3, Label17, Label18: the statistics run on to the tool column, so that
// a speed of eight digits fits.
inline constexpr Twips Statistics[5] = {{3105, 2745, 1845, 240},
                                        {3105, 3015, 1845, 240},
                                        {3105, 3285, 1845, 240},
                                        {3105, 3555, 1845, 240},
                                        {3105, 3825, 1845, 240}};
inline constexpr Twips Progress{135, 3465, 2895, 240};
inline constexpr Twips NewGame{135, 3735, 960, 330};
inline constexpr Twips Save{1080, 3735, 1005, 330};
inline constexpr Twips Load{2070, 3735, 960, 330};
inline constexpr Twips Credit{-90, 4320, 4875, 240};    // Label14
inline constexpr Twips Link{-90, 4545, 4875, 240};      // Label4
inline constexpr Twips EditFrame{4995, 540, 735, 375};  // Shape1
inline constexpr Twips Edit{5085, 585, 600, 285};       // CkEdit
// The palette: the engine's pieces (B column) and the player's (W column), pawn, knight,
// bishop, rook, queen, king from the top; then the eraser MM.
inline constexpr int PaletteLeft[2] = {4995, 5355};
inline constexpr int PaletteTop = 945;
inline constexpr Twips Eraser{4995, 3150, 735, 330};
inline constexpr Twips Force{4995, 3510, 780, 330};
inline constexpr Twips Rotate{4995, 3870, 780, 330};
inline constexpr Twips EngineColour{4995, 4230, 780, 285};  // PicCompColor
inline constexpr Twips PlayerColour{4995, 4545, 780, 285};  // PicHumanColor
// A square's or palette box's side, and the pitch at which they overlap by their border.
inline constexpr int Box = 375;
inline constexpr int Pitch = 360;

// A board square's place: file and rank 1..8 as the engine counts them, for the player's
// side (0 white, 1 black), before any turn of the board.
constexpr Twips Square(int file, int rank, int playerSide) {
    const int left = playerSide == 0 ? Pitch * file - 225 : 3015 - Pitch * file;
    return {left, 3375 - Pitch * rank, Box, Box};
}

// The place of a square turned by 180 degrees, which a second turn gives back.
constexpr Twips Turned(const Twips& square) {
    return {2790 - square.left, 3510 - square.top, Box, Box};
}

constexpr Twips PaletteBox(int column, int row) {
    return {PaletteLeft[column], PaletteTop + Pitch * row, Box, Box};
}

// Twips to pixels at a scale in per cent of 96 dots per inch: 15 twips a pixel at 100 %.
inline int Px(double twips, int percent) {
    return static_cast<int>(std::lround(twips * percent / 1500.0));
}

// From the edges, so that controls side by side in the design stay side by side. A box of
// 375 twips is a cell of the 360-twip pitch and its one-pixel border, which it shares with
// the next: it stays so at every scale.
inline Pixels OnScreen(const Twips& twips, int percent) {
    const auto extent = [percent](int from, int length) {
        return length == Box ? Px(from + Pitch, percent) - Px(from, percent) + 1
                             : Px(from + length, percent) - Px(from, percent);
    };
    return {Px(twips.left, percent), Px(twips.top, percent), extent(twips.left, twips.width),
            extent(twips.top, twips.height)};
}

}  // namespace ostrand::form

// The commands of the menus, the shortcuts and the form's controls, as WM_COMMAND carries them,
// and the resources the window is built from.
#pragma once

namespace ostrand::win {

enum class Command : int {
    NewGame = 100,
    Save,
    Load,
    CopyPosition,
    PastePosition,
    OpenPgn,
    SavePgn,
    CopyGame,
    TimeNone,
    TimeFirst,  // the listed time controls follow in order
    TimeCustom = TimeFirst + 6,
    StandardRules,
    OfferDraw,
    Resign,
    VaryOpenings,
    Quit,
    TakeBack,
    Redo,
    First,
    Last,
    MoveNow,
    Force,
    Hint,
    LevelFirst,  // the levels follow, strongest first
    Rotate = LevelFirst + 6,
    ShowStatistics,
    ShowLegalMoves,
    ShowCoordinates,
    PlaySounds,
    ZoomFirst,  // 100, 150, 200 and 300 %
    ZoomIn = ZoomFirst + 4,
    ZoomOut,
    ShowMoveList,
    LanguageSystem,
    LanguageFirst,  // English, then the translated languages
    HowToPlay = LanguageFirst + 8,
    About,
    // The form's controls.
    EditBox,
    Link,
    MoveListBox,
    // Where the player types a move.
    TypeMove,
};

// Resources of ostrand-chess.rc.
inline constexpr int IconResource = 1;
inline constexpr int TimeDialog = 101;
inline constexpr int ChooseDialog = 102;
inline constexpr int DialogPrompt = 1001;
inline constexpr int DialogMinutes = 1002;
inline constexpr int DialogIncrementPrompt = 1003;
inline constexpr int DialogIncrement = 1004;
inline constexpr int DialogList = 1005;
// The sounds are WAVE resources named by sounds::Sound: 201 the move's and so on.
inline constexpr int FirstSound = 201;

}  // namespace ostrand::win

// Where the window keeps the player's preferences, one place for every part of it, and the
// keys it keeps them under.
#pragma once

#include <QSettings>

inline QSettings Preferences() {
    return QSettings("ostrand-chess", "ostrand-chess");
}

namespace preference {

constexpr const char* Level = "level";
constexpr const char* VaryOpenings = "varyOpenings";
constexpr const char* Statistics = "showStatistics";
constexpr const char* Language = "language";
constexpr const char* Zoom = "zoom";
// The window's size, which sets the form's scale; kept over the zoom step.
constexpr const char* WindowSize = "windowSize";
constexpr const char* LegalMoves = "showLegalMoves";
constexpr const char* TimeControl = "timeControl";
// The standard rules instead of the engine's own, for the next games.
constexpr const char* StandardRules = "standardRules";
constexpr const char* MoveList = "showMoveList";
constexpr const char* Coordinates = "showCoordinates";
constexpr const char* Sounds = "playSounds";
// The folder of the last PGN file opened or saved.
constexpr const char* PgnFolder = "pgnFolder";
// The engine of "Analyse game" (empty: the built-in one) and its milliseconds per position.
constexpr const char* AnalysisEngine = "analysisEngine";
constexpr const char* AnalysisTime = "analysisTime";

}  // namespace preference

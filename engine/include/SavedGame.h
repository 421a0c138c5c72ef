// The saved-game file: the move counter, the nine castling flags and all 144 board cells,
// one value per line. It holds neither the position history nor the stage.
#pragma once

#include <string>

namespace ostrand {

// The file's name in the program's folder.
constexpr const char* SavedGameName = "Board.txt";

// Writes the game to path. The file is written beside the old one and renamed into place,
// so a failed save (unwritable folder, full disk) keeps the last good save. Returns false
// with a message naming the file and the problem.
[[nodiscard]] bool SaveGame(const std::string& path, std::string& error);

// Reads a saved game from path and, only if the whole file is valid, replaces MoveCount,
// CastleFlags and Board with it and brings the castling flags up to date. Otherwise the
// game is left exactly as it was and the message names the file, the line and the problem.
// PositionHistory is not touched. The file has no place for an en passant right (standard
// rules): it is not saved, and a loaded game has none.
[[nodiscard]] bool LoadGame(const std::string& path, std::string& error);

}  // namespace ostrand

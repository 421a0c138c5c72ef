// What the fuzz targets check of the engine's state after every input, and how they fail.
#pragma once

#include <unistd.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "GameState.h"
#include "TestBoard.h"
#include "Variables.h"

namespace ostrand::fuzz {

// libFuzzer takes an abort for a crash and keeps the input that caused it.
inline void Require(bool condition, const char* what) {
    if (condition) return;
    std::fprintf(stderr, "check failed: %s\n", what);
    std::abort();
}

using test::GameState;

using test::BorderIntact;

// Every square empty or holding one of the twelve piece codes.
inline bool SquaresHoldPieces() {
    constexpr int16_t magnitudes[] = {Piece::Pawn, Piece::Knight, Piece::Bishop,
                                      Piece::Rook, Piece::Queen,  Piece::King};
    for (int x = 1; x <= 8; ++x)
        for (int y = 1; y <= 8; ++y) {
            const int v = Board(x, y);
            bool known = v == EmptyCell;
            for (int16_t m : magnitudes)
                known = known || v == m || v == -m;
            if (!known) return false;
        }
    return true;
}

// A file of this process's own in the temporary folder, removed at exit, so that
// parallel fuzzing jobs do not share it. The process id is padded: a path of the same length
// in every process keeps the fuzzer's coverage, and so a seeded run, the same.
class TemporaryFile {
  public:
    explicit TemporaryFile(const std::string& name) {
        char id[16];
        std::snprintf(id, sizeof id, "%010d", static_cast<int>(getpid()));
        path_ =
            (std::filesystem::temp_directory_path() / ("ostrand-fuzz-" + name + "-" + id + ".txt"))
                .string();
    }
    ~TemporaryFile() {
        std::error_code ignored;
        std::filesystem::remove(path_, ignored);
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    const std::string& path() const { return path_; }

  private:
    std::string path_;
};

}  // namespace ostrand::fuzz

#include "Hint.h"

#include <QCoreApplication>
#include <algorithm>

#include "Display.h"
#include "EngineBoard.h"
#include "F_Board.h"
#include "GameSnapshot.h"
#include "San.h"
#include "Search.h"

namespace chess = ostrand::chess;

namespace {

// Keeps the window alive (repaints, a running clock) and its input refused, and shows
// nothing: the board on the engine's side is the mirrored copy.
class HintDisplay : public ostrand::Display {
  public:
    explicit HintDisplay(F_Board& board) : board_(board) {}
    void SetEnabled(bool enabled) override { board_.SetEnabled(enabled); }
    void RedrawBoard() override {}
    void ShowMessage(const std::string&) override {}
    void SetLabel(ostrand::StatusLabel, const std::string&) override {}
    std::string LabelText(ostrand::StatusLabel) const override { return {}; }
    void SetProgressMaximum(int) override {}
    void SetProgressValue(int) override {}
    void ProcessEvents() override { QCoreApplication::processEvents(); }
    void PollInput() override { board_.PollInput(); }

  private:
    F_Board& board_;
};

}  // namespace

std::optional<Hint> FindHint(const GameRecord& record, F_Board& board) {
    const chess::Colour engine = record.Engine();
    const chess::Colour player =
        engine == chess::Colour::White ? chess::Colour::Black : chess::Colour::White;
    const chess::Position& now = record.Final();
    if (!record.HasGame() || now.toMove != player || chess::LegalMoves(now).empty()) return {};

    const ostrand::GameSnapshot game = ostrand::GameSnapshot::Capture();
    const ostrand::TimeBudget budget = ostrand::SearchBudget;
    HintDisplay quiet(board);
    ostrand::SetDisplay(&quiet);
    // The engine always plays its own pieces: set up for it as the player's colour, it
    // searches the player's move.
    chess::SetUpEngine(now, player);
    // The window learns of the search as of the engine's own, then the hint's time applies.
    quiet.SetEnabled(false);
    ostrand::SearchBudget = {HintTime, HintTime};
    const std::string found = ostrand::FindBestMove();
    ostrand::SearchBudget = budget;
    quiet.SetEnabled(true);
    ostrand::SetDisplay(&board);
    game.Restore();

    const std::optional<chess::Move> move = chess::StandardMove(found, now, player);
    if (!move) return {};
    // The engine's board stands mirrored when the engine plays white.
    const auto rank = [engine](int square) {
        return chess::Mirrored(engine) ? 9 - chess::RankOf(square) : chess::RankOf(square);
    };
    return Hint{chess::FileOf(move->from), rank(move->from), chess::FileOf(move->to),
                rank(move->to), chess::SanText(now, *move)};
}

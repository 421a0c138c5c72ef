#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <algorithm>

#include "AnalysisPanel.h"
#include "AnalysisRun.h"
#include "BoardArrow.h"
#include "ClipboardAndFiles.h"
#include "EngineBoard.h"
#include "EvaluationGraph.h"
#include "F_Board.h"
#include "MainWindow.h"
#include "Messages.h"
#include "MoveList.h"
#include "San.h"

// The main window's analysis of the game: the run beside the game, the marks in the move
// list, the panel beside it and the better move's arrow on the board.
namespace {

namespace chess = ostrand::chess;
namespace game = ostrand::game;

// The move list's moves in order, each with the step that shows it.
std::vector<game::MoveCell> ListedMoves(const game::GameMoves& moves) {
    std::vector<game::MoveCell> cells;
    for (const game::MoveRow& row : moves.rows)
        for (const auto* cell : {&row.white, &row.black})
            if (*cell) cells.push_back(**cell);
    return cells;
}

// The game the move list shows, the moves redo replays included: the moves on show are the
// record's, the others are read back from their SAN.
game::GameAnalysis ListedGame(const game::GameSession& session) {
    const GameRecord& record = session.Record();
    game::GameAnalysis listed;
    listed.start = record.StartPosition();
    listed.moves = record.Moves();
    chess::Position position = record.Final();
    const std::vector<game::MoveCell> cells = ListedMoves(session.Moves());
    for (size_t i = listed.moves.size(); i < cells.size(); ++i) {
        chess::Move move;
        std::string error;
        if (!chess::ParseSan(position, cells[i].san, move, error,
                             chess::CastlingRule::PawnsIgnored))
            break;
        chess::Play(position, move);
        listed.moves.push_back(move);
    }
    return listed;
}

std::vector<std::string> SanOf(const game::GameAnalysis& analysis) {
    std::vector<std::string> sans;
    chess::Position position = analysis.start;
    for (const chess::Move& move : analysis.moves) {
        sans.push_back(chess::SanText(position, move));
        chess::Play(position, move);
    }
    return sans;
}

// A standard square on the form, whose board stands mirrored when the engine plays White.
game::Square OnForm(int square, chess::Colour engine) {
    const int rank = chess::RankOf(square);
    return {chess::FileOf(square), chess::Mirrored(engine) ? 9 - rank : rank};
}

}  // namespace

std::optional<AnalysisChoice> MainWindow::AskAnalysis() {
    AnalysisDialog dialog(this);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.Choice();
}

void MainWindow::AnalyseGame() {
    if (const std::optional<AnalysisChoice> choice = AskAnalysis()) {
        AnalysisDialog::Keep(*choice);
        Analyse(AnalysisDialog::EngineOf(*choice));
    }
}

bool MainWindow::Analyse(const game::EngineChoice& engine) {
    if (!session_->CurrentStatus().hasGame) {
        Warn(tr("Analyse game"), tr("The board holds no chess position."));
        return false;
    }
    game::GameAnalysis listed = ListedGame(*session_);
    if (listed.moves.empty()) {
        Warn(tr("Analyse game"), tr("The game has no moves to analyse yet."));
        return false;
    }
    analysedSan_ = SanOf(listed);
    analysis_ = std::move(listed);
    chosenMove_.reset();
    analysisCancelled_ = false;
    analysisRun_->Start(*analysis_, engine);
    analysisProgress_->setRange(0, static_cast<int>(analysis_->moves.size() + 1));
    analysisProgress_->setValue(0);
    analysisProgress_->show();
    cancelAnalysis_->show();
    ShowAnalysisPanel(true);
    ShowAnalysis();
    return true;
}

const game::GameAnalysis* MainWindow::ShownAnalysis() const {
    return analysis_ ? &*analysis_ : nullptr;
}

bool MainWindow::AnalysisRunning() const {
    return analysisRun_->Running();
}

void MainWindow::CancelAnalysis() {
    analysisCancelled_ = true;
    analysisRun_->Cancel();
}

void MainWindow::OnAnalysed(size_t index, const game::PositionAnalysis& position, size_t total) {
    if (!analysis_ || index > analysis_->positions.size()) return;
    if (index == analysis_->positions.size())
        analysis_->positions.push_back(position);
    else
        analysis_->positions[index] = position;
    analysisProgress_->setRange(0, static_cast<int>(total));
    analysisProgress_->setValue(static_cast<int>(index + 1));
    ShowAnalysis();
}

// The player's own cancel needs no box; an engine's failure does, and what it found stays.
void MainWindow::OnAnalysisEnded(const QString& error) {
    analysisProgress_->hide();
    cancelAnalysis_->hide();
    if (error.isEmpty())
        Notify(tr("Analysis done"));
    else if (analysisCancelled_)
        Notify(tr("Analysis cancelled"));
    else
        Warn(tr("Analyse game"),
             tr("The analysis stopped: %1.\n\nThe positions analysed so far are kept.")
                 .arg(messages::Translated(error)));
    analysisCancelled_ = false;
}

void MainWindow::FollowAnalysis() {
    if (!analysis_) return;
    std::vector<std::string> listed;
    for (const game::MoveCell& cell : ListedMoves(session_->Moves()))
        listed.push_back(cell.san);
    const bool goesOn = session_->CurrentStatus().hasGame &&
                        session_->Record().StartPosition() == analysis_->start &&
                        listed.size() >= analysedSan_.size() &&
                        std::equal(analysedSan_.begin(), analysedSan_.end(), listed.begin());
    if (goesOn) return;
    analysisRun_->Abandon();
    analysis_.reset();
    analysedSan_.clear();
    chosenMove_.reset();
    analysisProgress_->hide();
    cancelAnalysis_->hide();
    ShowAnalysisPanel(false);
    ShowAnalysis();
}

std::optional<size_t> MainWindow::ChosenMove() const {
    const std::vector<game::MoveCell> cells = ListedMoves(session_->Moves());
    if (chosenMove_ && *chosenMove_ < cells.size() &&
        cells[*chosenMove_].step == session_->CurrentStep())
        return chosenMove_;
    const auto last = std::find_if(cells.begin(), cells.end(),
                                   [](const game::MoveCell& cell) { return cell.last; });
    if (last == cells.end()) return std::nullopt;
    return static_cast<size_t>(last - cells.begin());
}

void MainWindow::ChooseMove(size_t move) {
    const std::vector<game::MoveCell> cells = ListedMoves(session_->Moves());
    if (move >= cells.size()) return;
    chosenMove_ = move;
    GoToStep(cells[move].step);
    ShowAnalysis();
}

void MainWindow::ShowAnalysis() {
    QStringList marks;
    std::optional<game::SquareMove> arrow;
    if (analysis_) {
        for (size_t move = 0; move < analysis_->moves.size(); ++move)
            marks << QString::fromUtf8(game::MarkText(analysis_->Verdict(move).mark));
        const std::optional<size_t> chosen = ChosenMove();
        analysisPanel_->Show(*analysis_, chosen);
        if (chosen && *chosen < analysis_->moves.size()) {
            const game::MoveVerdict verdict = analysis_->Verdict(*chosen);
            const chess::Colour engine = session_->Record().Engine();
            if (verdict.betterFrom >= 0 && verdict.betterTo >= 0)
                arrow = game::SquareMove{OnForm(verdict.betterFrom, engine),
                                         OnForm(verdict.betterTo, engine)};
        }
    }
    if (marks != moveList_->Marks()) {
        moveList_->SetMarks(marks);
        ShowMoves();
    }
    arrow_->Show(arrow);
}

// Shown, the panel widens the window rather than shrink the board, as far as the screen
// allows.
void MainWindow::ShowAnalysisPanel(bool shown) {
    if (analysisPanel_->isVisible() == shown) return;
    analysisPanel_->setVisible(shown);
    if (!isMaximized() && !isFullScreen() && !board_->EngineBusy()) {
        resize(NaturalSize().boundedTo(ScreenRoom()));
        givenSize_ = size();
    }
    FitSoon();
}

// The game on show and the analysis both begin the move list's game: the shorter one's
// moves are annotated.
chess::PgnGame MainWindow::AnnotatedGame(const chess::PgnGame& game) const {
    if (!analysis_ || game.start != analysis_->start) return game;
    game::GameAnalysis shared = *analysis_;
    const size_t moves = std::min(shared.moves.size(), game.moves.size());
    shared.moves.resize(moves);
    shared.positions.resize(std::min(shared.positions.size(), moves + 1));
    if (shared.readMarks.size() > moves) shared.readMarks.resize(moves);
    return game::AnnotatedPgn(shared, game);
}

void MainWindow::ReadAnalysis(const chess::PgnGame& game) {
    game::GameAnalysis read;
    if (!game::AnalysisFromPgn(game, read)) return;
    // The record may leave out what the engine's board cannot hold (an en passant square).
    read.start = session_->Record().StartPosition();
    analysisRun_->Abandon();
    analysedSan_ = SanOf(read);
    analysis_ = std::move(read);
    chosenMove_.reset();
    ShowAnalysisPanel(true);
    ShowAnalysis();
}

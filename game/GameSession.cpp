#include "GameSession.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <filesystem>
#include <string_view>
#include <system_error>
#include <utility>

#include "Display.h"
#include "EngineBoard.h"
#include "GameSnapshot.h"
#include "GameSteps.h"
#include "MoveGenerator.h"
#include "San.h"
#include "SavedGame.h"
#include "Search.h"
#include "SearchSettings.h"
#include "Support.h"
#include "TimePlan.h"
#include "Variables.h"
#include "Version.h"

namespace ostrand::game {

namespace {

using chess::Colour;

// How long a hint may search, in seconds.
constexpr double HintSeconds = 1.0;
// The engine takes a draw when its last search found it at least a pawn behind.
constexpr int DrawAcceptedAtOrBelow = -100;
// The engine's own words for the end of a game.
constexpr const char* CheckMateWords = "Check Mate!";
constexpr const char* StaleMateWords = "Stale Mate!";

bool OnBoard(Square square) {
    return square.file >= 1 && square.file <= 8 && square.rank >= 1 && square.rank <= 8;
}

bool IsPieceCode(int16_t code) {
    return code == EmptyCell || (std::abs(code) <= Piece::King && KindOf(code) != 0);
}

// A text pasted from a page or a file may come with blanks and line breaks in and round it.
std::string Simplified(const std::string& text) {
    std::string simple;
    bool blank = false;
    for (const char c : text) {
        if (std::isspace(static_cast<unsigned char>(c)) != 0) {
            blank = !simple.empty();
            continue;
        }
        if (blank) simple += ' ';
        blank = false;
        simple += c;
    }
    return simple;
}

// The engine's judgement of the player's move, as EngineCommand makes it: the move must be
// one the engine commits, and may not leave the king attacked.
Refusal JudgePlayerMove(Square from, Square to) {
    if (!OnBoard(from) || !OnBoard(to) || Board(from.file, from.rank) >= 0 ||
        CommittedPlayerMove(from.file, from.rank, to.file, to.rank).empty())
        return Refusal::CannotMoveThere;
    if (WhiteInCheckAfter(from.file, from.rank, to.file, to.rank) == Yes)
        return Refusal::KingAttacked;
    return Refusal::None;
}

// The player's pawn reaching the last rank, which becomes another piece.
bool Promotes(SquareMove move) {
    return OnBoard(move.from) && move.to.rank == 8 &&
           Board(move.from.file, move.from.rank) == -Piece::Pawn;
}

// The castling rule of the player's moves: the engine's own king may castle past a square
// that only a pawn attacks, and the standard rules let no king do so.
chess::CastlingRule PlayerCastling() {
    return ostrand::Rules == RuleSet::Standard ? chess::CastlingRule::Standard
                                               : chess::CastlingRule::PawnsIgnored;
}

// A standard square on the form: the engine's board stands mirrored when the engine plays
// white.
Square OnForm(int index, Colour engine) {
    const int rank = chess::RankOf(index);
    return {chess::FileOf(index), chess::Mirrored(engine) ? 9 - rank : rank};
}

SquareMove OnForm(const chess::Move& move, Colour engine) {
    return {OnForm(move.from, engine), OnForm(move.to, engine)};
}

// The move a player's text names in here: long algebraic ("g1f3") as it stands, SAN among
// the legal moves, else among all the pieces' steps, so that a move that leaves the king in
// check is refused as a click on its squares would be. The engine's king may castle past a
// square that only a pawn attacks.
Refusal ReadMove(const chess::Position& here, const std::string& text, chess::Move& move) {
    std::string plain;
    for (const char c : text)
        if (std::isspace(static_cast<unsigned char>(c)) == 0 && c != '-' && c != 'x') plain += c;
    while (!plain.empty() && std::string_view("+#!?").find(plain.back()) != std::string_view::npos)
        plain.pop_back();
    if (chess::ParseMove(plain, move)) return Refusal::None;
    const std::string san = Simplified(text);
    std::string error;
    const chess::CastlingRule rule = PlayerCastling();
    if (chess::ParseSan(here, san, chess::LegalMoves(here, rule), move, error) ||
        (error == "illegal move" &&
         chess::ParseSan(here, san, chess::PseudoLegalMoves(here, rule), move, error)))
        return Refusal::None;
    if (error == "ambiguous move") return Refusal::Ambiguous;
    return error == "illegal move" ? Refusal::CannotMoveThere : Refusal::NotAMove;
}

// What the engine says of a position it is to move in and cannot, as Force would answer.
std::string EngineWordsAt(const GameRecord& record, Ending ending) {
    if (!record.HasGame() || record.Final().toMove != record.Engine()) return {};
    if (ending == Ending::PlayerMates) return CheckMateWords;
    if (ending == Ending::Stalemate) return StaleMateWords;
    return {};
}

}  // namespace

// The session's state, and the display the engine reports to while the session lives.
class GameSession::Impl : private Display {
  public:
    Impl(SessionListener& listener, TimeSource now) : listener_(listener), clock_(now) {
        record_.StartAtBoard(Engine(), player_);
        steps_.Start({GameSnapshot::Capture(), record_, ostrand::Rules});
        SetDisplay(this);
    }
    ~Impl() override { SetDisplay(nullptr); }
    Impl(const Impl&) = delete;
    Impl& operator=(const Impl&) = delete;

    SessionListener& listener_;
    GameClock clock_;
    Level level_ = DefaultLevel;
    // The rules of the next new game or set-up; the game on show keeps those it started with.
    RuleSet nextRules_ = RuleSet::Designed;
    bool book_ = false;
    TimeControl nextControl_;
    Colour player_ = Colour::White;
    // The game on show in standard notation; the engine's globals hold the same game.
    GameRecord record_;
    GameSteps steps_;
    std::string setUpNote_;
    // What the search wrote for the statistics; what a hint's search writes goes to hidden_.
    std::array<std::string, 5> statistics_, hidden_;
    int progress_ = 0;
    int progressMaximum_ = 1;
    // The engine's last search score, for a draw offer; none since the game changed otherwise.
    std::optional<int> engineScore_;
    // A command or a hint runs: every action waits.
    bool thinking_ = false;
    // A hint's search, which shows nothing.
    bool quiet_ = false;
    // An opened game's moves, drawn once at the end.
    bool replaying_ = false;
    // The player's move that the running command is about to commit, and the engine's game
    // once it did (or before a Force): where a move the engine makes too late is taken back to.
    std::optional<chess::Move> pendingMove_;
    GameSnapshot beforeEngineMove_;
    // "Check Mate!" or "Stale Mate!" when the engine said so during the command.
    std::string engineWords_;
    // The board as last drawn: while the engine thinks, its own board holds the search's
    // trial moves (or a hint's mirrored copy).
    Grid shown_;

    Colour Engine() const { return chess::Other(player_); }
    Ending CurrentEnding() const { return EndingOf(record_); }
    // No move may be made: no chess position, or the game is over.
    bool Closed() const { return !record_.HasGame() || CurrentEnding() != Ending::None; }

    // The clock of the side to move runs, none once the game is over.
    void FollowClock() {
        if (Closed()) {
            clock_.Stop();
            return;
        }
        clock_.Run(record_.Final().toMove == Engine() ? Side::Engine : Side::Player);
    }

    void PushStep() { steps_.Push({GameSnapshot::Capture(), record_, ostrand::Rules}); }

    // The game as it now stands becomes a step, and every listener hears of it; an ending
    // stops both clocks before anyone does.
    void Conclude(const std::string& words, bool announce = true) {
        const Ending ending = CurrentEnding();
        FollowClock();
        PushStep();
        listener_.BoardChanged();
        listener_.GameChanged();
        listener_.ClocksChanged();
        if (announce && ending != Ending::None) listener_.GameEnded(ending, words);
    }

    // The engine's search for play, at the level and with the book; on the clock, by the
    // budget its time allows, as in the UCI mode.
    SearchSettings PlaySettings(bool onClock) const {
        SearchSettings settings = SearchSettings::AtLevel(level_, book_);
        const TimeControl& control = clock_.Control();
        if (onClock && control.Timed()) {
            GoClock go;
            go.timeLeft = clock_.Remaining(Side::Engine);
            go.increment = std::llround(control.increment * 1000);
            settings.budget = level_.style == SearchStyle::Master
                                  ? PlanMasterBudget(go, record_.Final().fullmove)
                                  : PlanBudget(go);
        }
        return settings;
    }

    // Sends a command that makes the engine search for its move.
    std::string RunEngine(const std::string& command, bool onClock) {
        engineWords_.clear();
        engineScore_.reset();
        const SearchSettings settings = PlaySettings(onClock);
        SetThinking(true);
        const std::string reply = Command(command, settings);
        // A stop asked for after the search had ended must not cut the next one short.
        StopRequested = false;
        SetThinking(false);
        return reply;
    }

    void SetThinking(bool thinking) {
        if (thinking) shown_ = Board;
        thinking_ = thinking;
        listener_.ThinkingChanged(thinking);
    }

    // The engine has answered a command of the game with reply. A move made after its flag
    // fell came too late: the engine's game goes back to before it, and the time decides.
    void EngineAnswered(const std::string& reply, bool onClock) {
        pendingMove_.reset();
        const bool moved = IsMoveText(reply);
        if (moved && onClock && clock_.Control().Timed() && clock_.Remaining(Side::Engine) <= 0) {
            beforeEngineMove_.Restore();
            clock_.Stop();
            record_.Settle(GameRecord::Settlement::EngineOutOfTime);
            Conclude({});
            return;
        }
        if (moved) {
            record_.Follow("Force", reply);
            clock_.Press(Side::Engine);
        }
        Conclude(engineWords_);
    }

    Refusal Play(SquareMove move, char promotion) {
        if (thinking_) return Refusal::Busy;
        if (!record_.HasGame()) return Refusal::NoPosition;
        if (CurrentEnding() != Ending::None) return Refusal::GameOver;
        if (const Refusal refusal = JudgePlayerMove(move.from, move.to); refusal != Refusal::None)
            return refusal;
        int16_t piece = Piece::Queen;
        if (Promotes(move)) {
            piece = PromotionOfLetter(promotion);
            if (ostrand::Rules == RuleSet::Designed && promotion != 0 && piece != Piece::Queen)
                return Refusal::QueenOnly;
            if (ostrand::Rules == RuleSet::Standard && piece == 0) return Refusal::ChoosePiece;
            if (piece == 0) piece = Piece::Queen;
        }
        std::string text;
        AppendMove(text, move.from.file, move.from.rank, move.to.file, move.to.rank, piece);
        // Out of turn a game cannot hold the move: the record starts again here.
        chess::Position here = record_.Final();
        here.toMove = player_;
        const std::optional<chess::Move> standard = chess::StandardMove(text, here, Engine());
        std::string played, error;
        if (!standard || !chess::EngineMove(here, *standard, Engine(), played, error))
            return Refusal::CannotMoveThere;
        const GameRecord before = record_;
        if (record_.Final().toMove != player_) record_.Start(here, Engine());

        const bool onClock = clock_.Running().has_value();
        pendingMove_ = standard;
        GameRecord after = record_;
        after.Add(*standard);
        if (after.DrawnBy() != GameRecord::DrawRule::None) {
            // A draw by a rule the engine does not know: the move is played without an answer.
            const MoveSquares squares = DecodeMove(played);
            PlayMove(squares.x1, squares.y1, squares.x2, squares.y2, squares.promotion);
            Conclude({});
            return Refusal::None;
        }
        const std::string reply = RunEngine(text, onClock);
        if (pendingMove_) {
            // Refused after all, before anything was played.
            pendingMove_.reset();
            record_ = before;
            FollowClock();
            return Refusal::CannotMoveThere;
        }
        EngineAnswered(reply, onClock);
        return Refusal::None;
    }

    // The standard position the player moves in; out of turn, the player to move all the same.
    chess::Position PlayerPosition() const {
        chess::Position here = record_.Final();
        here.toMove = player_;
        return here;
    }

    Refusal PlayText(const std::string& text) {
        if (thinking_) return Refusal::Busy;
        if (!record_.HasGame()) return Refusal::NoPosition;
        if (CurrentEnding() != Ending::None) return Refusal::GameOver;
        chess::Move move;
        if (const Refusal refusal = ReadMove(PlayerPosition(), text, move);
            refusal != Refusal::None)
            return refusal;
        const SquareMove squares = OnForm(move, Engine());
        if (ostrand::Rules == RuleSet::Designed && move.promotion != 0 && move.promotion != 'q') {
            const Refusal refusal = JudgePlayerMove(squares.from, squares.to);
            return refusal != Refusal::None ? refusal : Refusal::QueenOnly;
        }
        return Play(squares, move.promotion);
    }

    std::vector<std::string> LegalSan() const {
        std::vector<std::string> moves;
        if (thinking_ || Closed()) return moves;
        const chess::Position here = PlayerPosition();
        for (const chess::Move& move : chess::LegalMoves(here, PlayerCastling())) {
            const SquareMove squares = OnForm(move, Engine());
            if ((ostrand::Rules == RuleSet::Standard || move.promotion == 0 ||
                 move.promotion == 'q') &&
                JudgePlayerMove(squares.from, squares.to) == Refusal::None)
                moves.push_back(chess::SanText(here, move));
        }
        return moves;
    }

    bool Force() {
        if (thinking_ || Closed()) return false;
        const bool onClock = clock_.Running().has_value();
        beforeEngineMove_ = GameSnapshot::Capture();
        // Forced out of turn, the engine thinks on its own clock, and the player, who made no
        // move, earns nothing.
        clock_.Run(Side::Engine);
        const std::string reply = RunEngine("Force", onClock);
        EngineAnswered(reply, onClock);
        return IsMoveText(reply);
    }

    // The engine's move text of the record's last move when the engine made it.
    std::string LastEngineText() const {
        if (!record_.HasGame() || record_.Moves().empty()) return {};
        const std::vector<chess::Position> positions = record_.Positions();
        const chess::Position& before = positions[positions.size() - 2];
        std::string text, error;
        if (before.toMove != Engine() ||
            !chess::EngineMove(before, record_.Moves().back(), Engine(), text, error))
            return {};
        return text;
    }

    void NewGame(Colour player) {
        if (thinking_) return;
        player_ = player;
        engineScore_.reset();
        // A reply from the book writes no statistics: the last game's must not stay.
        for (size_t i = 0; i < statistics_.size(); ++i) {
            statistics_[i].clear();
            listener_.StatisticChanged(static_cast<StatusLabel>(i), {});
        }
        progress_ = 0;
        listener_.ProgressChanged(progress_, progressMaximum_);
        ostrand::Rules = nextRules_;
        EngineCommand("NewGame");
        record_.Start(chess::StartPosition(), Engine());
        clock_.Start(nextControl_);
        // Playing black, the player faces the engine's opening move, made before the clocks
        // start.
        if (player == Colour::Black) {
            const std::string reply = RunEngine("Force", false);
            if (IsMoveText(reply)) record_.Follow("Force", reply);
        }
        steps_.Start({GameSnapshot::Capture(), record_, ostrand::Rules});
        Conclude({}, false);
    }

    // Puts a step back: the engine's game and its record. A flag that is down stays down: the
    // step shows the game lost on time, and no new step for that loss drops the later ones.
    void ReturnTo(const Step& step) {
        step.engine.Restore();
        record_ = step.record;
        ostrand::Rules = step.rules;
        if (clock_.Control().Timed() && !Closed()) {
            if (clock_.Remaining(Side::Player) <= 0)
                record_.Settle(GameRecord::Settlement::PlayerOutOfTime);
            else if (clock_.Remaining(Side::Engine) <= 0)
                record_.Settle(GameRecord::Settlement::EngineOutOfTime);
        }
        engineScore_.reset();
        FollowClock();
        listener_.BoardChanged();
        listener_.GameChanged();
        listener_.ClocksChanged();
    }

    void Settle(GameRecord::Settlement settlement) {
        record_.Settle(settlement);
        Conclude({});
    }

    // The game ends on time for the side whose flag fell.
    void SettleOnTime(Side side) {
        clock_.Stop();
        if (Closed()) return;
        Settle(side == Side::Player ? GameRecord::Settlement::PlayerOutOfTime
                                    : GameRecord::Settlement::EngineOutOfTime);
    }

    void Tick() {
        if (!clock_.Running()) return;
        listener_.ClocksChanged();
        const std::optional<Side> flagged = clock_.Flagged();
        if (!flagged) return;
        if (!thinking_) {
            SettleOnTime(*flagged);
        } else if (*flagged == Side::Engine && !quiet_) {
            // The search stops at once; the game ends when the engine has answered.
            StopRequested = true;
        }
    }

    // A position set up, or a game opened, is a game of its own on full clocks, as a new game
    // is; the engine moves at once when the position gives it the move, in the same step.
    void FinishSetUp() {
        clock_.Start(nextControl_);
        engineScore_.reset();
        if (record_.Final().toMove != Engine() || Closed()) {
            ConcludeFound();
            return;
        }
        FollowClock();
        listener_.BoardChanged();
        listener_.GameChanged();
        Force();
    }

    bool SetUpFen(const std::string& fen, std::string& error) {
        chess::Position position;
        if (!chess::ParseFen(Simplified(fen), position, error)) return false;
        ostrand::Rules = nextRules_;
        setUpNote_ = chess::SetUpEngine(position, Engine());
        record_.Start(position, Engine());
        FinishSetUp();
        return true;
    }

    bool SetUpGame(const chess::PgnGame& game, std::string& error) {
        error = game.error;
        if (!error.empty()) return false;
        const RuleSet before = std::exchange(ostrand::Rules, nextRules_);
        std::vector<std::string> texts;
        if (!chess::EngineMoves(game.start, game.moves, Engine(), texts, error)) {
            std::string ignored;
            ostrand::Rules = RuleSet::Standard;
            if (nextRules_ == RuleSet::Designed &&
                chess::EngineMoves(game.start, game.moves, Engine(), texts, ignored))
                error += ": the standard rules (Game menu) would play it";
            ostrand::Rules = before;
            return false;
        }
        // The engine would draw every move it commits; the board is drawn once, at the end.
        replaying_ = true;
        setUpNote_ = chess::SetUpEngine(game.start, Engine());
        record_.Start(game.start, Engine());
        // A step wherever the player has the move, as if they had played the game.
        if (game.start.toMove != Engine()) PushStep();
        for (size_t i = 0; i < texts.size(); ++i) {
            const MoveSquares squares = DecodeMove(texts[i]);
            PlayMove(squares.x1, squares.y1, squares.x2, squares.y2, squares.promotion);
            record_.Add(game.moves[i]);
            if (record_.Final().toMove != Engine()) PushStep();
        }
        replaying_ = false;
        FinishSetUp();
        return true;
    }

    // A game found over with no move made is announced as the engine and the window always
    // did: the engine's mate or stalemate in its words, and the endings the engine does not
    // know; a player found mated or stalemated only learns it from the status.
    void ConcludeFound() {
        const Ending ending = CurrentEnding();
        const std::string words = EngineWordsAt(record_, ending);
        const bool byPosition = ending == Ending::PlayerMates || ending == Ending::EngineMates ||
                                ending == Ending::Stalemate;
        Conclude(words, !byPosition || !words.empty());
    }

    // The board as the player or a file left it: the record starts again there, the player
    // to move. The editor's positions are set up a piece at a time: none is announced.
    void TakeBoard(bool edited) {
        record_.Follow({}, {});
        engineScore_.reset();
        if (edited)
            Conclude({}, false);
        else
            ConcludeFound();
    }

    std::optional<Hint> FindHint() {
        if (thinking_ || Closed() || record_.Final().toMove != player_) return std::nullopt;
        const chess::Position now = record_.Final();
        const GameSnapshot game = GameSnapshot::Capture();
        // At the Master level the hint is the Master search's.
        SearchSettings settings;
        settings.style = level_.style;
        settings.budget = {HintSeconds, HintSeconds};
        quiet_ = true;
        SetThinking(true);
        // The engine always plays its own pieces: set up for it as the player's colour, it
        // searches the player's move.
        chess::SetUpEngine(now, player_);
        const std::string found = Search(settings);
        StopRequested = false;
        game.Restore();
        quiet_ = false;
        SetThinking(false);
        // The player's flag may have fallen meanwhile.
        Tick();
        const std::optional<chess::Move> move = chess::StandardMove(found, now, player_);
        if (!move || Closed()) return std::nullopt;
        return Hint{OnForm(*move, Engine()), chess::SanText(now, *move)};
    }

    std::string Result() const {
        const bool playerWhite = player_ == Colour::White;
        switch (ScoreOf(CurrentEnding())) {
            case Score::PlayerWins: return playerWhite ? "1-0" : "0-1";
            case Score::EngineWins: return playerWhite ? "0-1" : "1-0";
            case Score::Draw: return "1/2-1/2";
            case Score::Open: break;
        }
        return "*";
    }

    std::array<std::string, 5>& Texts() { return quiet_ ? hidden_ : statistics_; }

  private:
    void SetEnabled(bool) override {}

    // The player's move is committed first: the record takes it and the player's clock is
    // pressed before the engine thinks, so that the move list shows it at once.
    void RedrawBoard() override {
        if (pendingMove_) {
            record_.Add(*std::exchange(pendingMove_, std::nullopt));
            beforeEngineMove_ = GameSnapshot::Capture();
            clock_.Press(Side::Player);
            listener_.GameChanged();
            listener_.ClocksChanged();
        }
        if (quiet_ || replaying_) return;
        shown_ = Board;
        listener_.BoardChanged();
    }

    // The engine's announcement of a mate waits until the game has settled; anything else
    // is a fault the player must hear of.
    void ShowMessage(const std::string& text) override {
        if (text == CheckMateWords || text == StaleMateWords) {
            if (!quiet_) engineWords_ = text;
            return;
        }
        listener_.Problem(text);
    }

    void SetLabel(StatusLabel label, const std::string& text) override {
        Texts()[static_cast<size_t>(label)] = text;
        if (!quiet_) listener_.StatisticChanged(label, text);
    }

    std::string LabelText(StatusLabel label) const override {
        return (quiet_ ? hidden_ : statistics_)[static_cast<size_t>(label)];
    }

    // An empty range would make a busy indicator of the bar.
    void SetProgressMaximum(int maximum) override {
        if (quiet_) return;
        progressMaximum_ = std::max(maximum, 1);
        listener_.ProgressChanged(progress_, progressMaximum_);
    }

    // A value past the end raises the end, so the bar shows full rather than ignoring it.
    void SetProgressValue(int value) override {
        if (quiet_) return;
        progressMaximum_ = std::max(progressMaximum_, value);
        progress_ = value;
        listener_.ProgressChanged(progress_, progressMaximum_);
    }

    void ProcessEvents() override {
        if (!quiet_ && clock_.Flagged() == Side::Engine) StopRequested = true;
        listener_.ProcessEvents();
    }

    void ReportDepth(int depth) override {
        if (!quiet_) listener_.DepthReached(depth);
    }

    void ReportScore(int score) override {
        if (!quiet_) engineScore_ = score;
    }

    void PollInput() override { listener_.PollInput(); }
};

GameSession::GameSession(SessionListener& listener, TimeSource now)
    : impl_(std::make_unique<Impl>(listener, now)) {}

GameSession::~GameSession() = default;

void GameSession::SetLevel(const Level& level) {
    impl_->level_ = level;
}

const Level& GameSession::PlayingLevel() const {
    return impl_->level_;
}

void GameSession::SetBook(bool book) {
    impl_->book_ = book;
}

bool GameSession::Book() const {
    return impl_->book_;
}

void GameSession::SetTimeControl(const TimeControl& control) {
    impl_->nextControl_ = control;
}

const TimeControl& GameSession::NextTimeControl() const {
    return impl_->nextControl_;
}

void GameSession::NewGame(chess::Colour player) {
    impl_->NewGame(player);
}

chess::Colour GameSession::PlayerColour() const {
    return impl_->player_;
}

void GameSession::SetRules(RuleSet rules) {
    impl_->nextRules_ = rules;
}

RuleSet GameSession::NextRules() const {
    return impl_->nextRules_;
}

RuleSet GameSession::Rules() const {
    return ostrand::Rules;
}

Refusal GameSession::Play(SquareMove move, char promotion) {
    return impl_->Play(move, promotion);
}

bool GameSession::NeedsPromotion(SquareMove move) const {
    return ostrand::Rules == RuleSet::Standard && !impl_->thinking_ && !impl_->Closed() &&
           Promotes(move) && JudgePlayerMove(move.from, move.to) == Refusal::None;
}

Refusal GameSession::PlayText(const std::string& text) {
    return impl_->PlayText(text);
}

std::vector<std::string> GameSession::LegalSan() const {
    return impl_->LegalSan();
}

std::vector<Square> GameSession::LegalTargets(Square from) const {
    std::vector<Square> targets;
    if (impl_->thinking_ || impl_->Closed()) return targets;
    for (int rank = 1; rank <= 8; ++rank)
        for (int file = 1; file <= 8; ++file)
            if (JudgePlayerMove(from, {file, rank}) == Refusal::None)
                targets.push_back({file, rank});
    return targets;
}

bool GameSession::Force() {
    return impl_->Force();
}

void GameSession::MoveNow() {
    if (impl_->thinking_) StopRequested = true;
}

void GameSession::Resign() {
    if (impl_->thinking_ || impl_->Closed()) return;
    impl_->Settle(GameRecord::Settlement::PlayerResigned);
}

bool GameSession::OfferDraw() {
    Impl& s = *impl_;
    if (s.thinking_ || s.Closed() || !s.engineScore_ || *s.engineScore_ > DrawAcceptedAtOrBelow)
        return false;
    s.Settle(GameRecord::Settlement::DrawAgreed);
    return true;
}

std::optional<Hint> GameSession::FindHint() {
    return impl_->FindHint();
}

bool GameSession::CanTakeBack() const {
    return impl_->steps_.CanTakeBack();
}

bool GameSession::CanRedo() const {
    return impl_->steps_.CanRedo();
}

void GameSession::TakeBack() {
    if (CanTakeBack()) GoTo(CurrentStep() - 1);
}

void GameSession::Redo() {
    if (CanRedo()) GoTo(CurrentStep() + 1);
}

void GameSession::GoTo(size_t step) {
    if (impl_->thinking_ || step >= StepCount()) return;
    impl_->ReturnTo(impl_->steps_.GoTo(step));
}

size_t GameSession::StepCount() const {
    return impl_->steps_.Size();
}

size_t GameSession::CurrentStep() const {
    return impl_->steps_.Current();
}

void GameSession::Place(Square square, int16_t code) {
    if (impl_->thinking_ || !OnBoard(square) || !IsPieceCode(code)) return;
    Board(square.file, square.rank) = code;
    impl_->TakeBoard(true);
}

bool GameSession::SetUpFen(const std::string& fen, std::string& error) {
    if (impl_->thinking_) {
        error = "the engine is thinking";
        return false;
    }
    return impl_->SetUpFen(fen, error);
}

bool GameSession::SetUpGame(const chess::PgnGame& game, std::string& error) {
    if (impl_->thinking_) {
        error = "the engine is thinking";
        return false;
    }
    return impl_->SetUpGame(game, error);
}

const std::string& GameSession::SetUpNote() const {
    return impl_->setUpNote_;
}

// The folder is made on the first save; if it cannot be, the save says so.
bool GameSession::Save(const std::string& path, std::string& error) const {
    if (impl_->thinking_) {
        error = "the engine is thinking";
        return false;
    }
    std::error_code ignored;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ignored);
    return SaveGame(path, error);
}

bool GameSession::Load(const std::string& path, std::string& error) {
    if (impl_->thinking_) {
        error = "the engine is thinking";
        return false;
    }
    if (!LoadGame(path, error)) return false;
    impl_->TakeBoard(false);
    return true;
}

void GameSession::Tick() {
    impl_->Tick();
}

int16_t GameSession::PieceAt(Square square) const {
    if (!OnBoard(square)) return EmptyCell;
    return (impl_->thinking_ ? impl_->shown_ : Board)(square.file, square.rank);
}

Status GameSession::CurrentStatus() const {
    const GameRecord& record = impl_->record_;
    Status status;
    status.thinking = impl_->thinking_;
    status.hasGame = record.HasGame();
    status.problem = record.Problem();
    if (!status.hasGame) return status;
    const chess::Position& now = record.Final();
    status.ending = impl_->CurrentEnding();
    status.playerToMove = now.toMove == impl_->player_;
    status.check = chess::InCheck(now, now.toMove);
    return status;
}

std::optional<SquareMove> GameSession::LastEngineMove() const {
    const std::string text = impl_->LastEngineText();
    if (text.empty()) return std::nullopt;
    // The engine's castling comes as a code, not as squares.
    if (text == "9191") return SquareMove{{7, 8}, {6, 8}};
    if (text == "9898") return SquareMove{{3, 8}, {4, 8}};
    const MoveSquares squares = DecodeMove(text);
    return SquareMove{{squares.x1, squares.y1}, {squares.x2, squares.y2}};
}

GameMoves GameSession::Moves() const {
    return ListMoves(impl_->steps_, impl_->record_);
}

std::string GameSession::Result() const {
    return impl_->Result();
}

const std::string& GameSession::Statistic(StatusLabel label) const {
    return impl_->statistics_[static_cast<size_t>(label)];
}

int GameSession::Progress() const {
    return impl_->progress_;
}

int GameSession::ProgressMaximum() const {
    return impl_->progressMaximum_;
}

int64_t GameSession::Remaining(Side side) const {
    return impl_->clock_.Remaining(side);
}

std::optional<Side> GameSession::ClockRunning() const {
    return impl_->clock_.Running();
}

const TimeControl& GameSession::Control() const {
    return impl_->clock_.Control();
}

const GameRecord& GameSession::Record() const {
    return impl_->record_;
}

std::string GameSession::Fen() const {
    return impl_->record_.HasGame() ? impl_->record_.Fen() : std::string();
}

chess::PgnGame GameSession::Pgn(const std::string& date) const {
    const GameRecord& record = impl_->record_;
    chess::PgnGame game = record.Pgn(PlayerName, EngineName(), date, Result(),
                                     std::string(Termination(impl_->CurrentEnding())));
    if (Control().Timed()) game.SetTag("TimeControl", Control().PgnTag());
    return game;
}

std::string GameSession::EngineName() {
    return std::string("Ostrand Chess ") + Version;
}

}  // namespace ostrand::game

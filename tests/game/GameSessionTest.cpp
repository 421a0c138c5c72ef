// Whole games through the session, without a window and without waiting: the clocks run on a
// time source the tests advance.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <utility>
#include <vector>

#include "EngineBoard.h"
#include "GameSession.h"
#include "GameSnapshot.h"
#include "OpeningBook.h"
#include "Pgn.h"

namespace ostrand::game {
namespace {

using chess::Colour;
using Endings = std::vector<std::pair<Ending, std::string>>;

double now = 1000;
double Now() {
    return now;
}

// Records what a front end hears, and lets a test act when it hears it.
class Listener : public SessionListener {
  public:
    void BoardChanged() override {
        if (onBoard) onBoard();
    }
    void GameChanged() override {}
    void ThinkingChanged(bool) override {}
    void DepthReached(int depth) override {
        if (onDepth) onDepth(depth);
    }
    void StatisticChanged(StatusLabel, const std::string&) override {}
    void ProgressChanged(int, int) override {}
    void GameEnded(Ending ending, const std::string& message) override {
        ended.emplace_back(ending, message);
        if (onEnded) onEnded();
    }
    void Problem(const std::string& message) override { ADD_FAILURE() << message; }
    void ProcessEvents() override {}
    void PollInput() override {
        if (onPoll) onPoll();
    }

    Endings ended;
    std::function<void()> onBoard, onEnded, onPoll;
    std::function<void(int)> onDepth;
};

class SessionTest : public ::testing::Test {
  protected:
    SessionTest() {
        now = 1000;
        SeedChoices(1);
        session.SetLevel(Levels[4]);  // depth 2
        session.NewGame(Colour::White);
    }

    // A move as the player names it ("e2e4"), on the form's squares.
    SquareMove Move(std::string_view move) const {
        const bool mirrored = session.PlayerColour() == Colour::Black;
        const auto square = [mirrored](char file, char rank) {
            return Square{file - 'a' + 1, mirrored ? '9' - rank : rank - '0'};
        };
        return {square(move[0], move[1]), square(move[2], move[3])};
    }
    Refusal Play(std::string_view move) { return session.Play(Move(move)); }

    // A FEN, or a PGN game when the text begins with a move number.
    bool SetUpText(const std::string& text) {
        std::string error;
        std::vector<chess::PgnGame> games;
        if (text.rfind("1.", 0) != 0) return session.SetUpFen(text, error);
        return chess::ReadPgn(text, games, error, chess::CastlingRule::PawnsIgnored) &&
               session.SetUpGame(games.front(), error);
    }

    std::string PgnText() const { return chess::WritePgn(session.Pgn("2026.01.01")); }

    Listener listener;
    GameSession session{listener, Now};
};

TEST_F(SessionTest, AGameLostOnTimeKeepsItsMovesWhateverIsTriedAfter) {
    session.SetTimeControl({0.1, 2});
    session.NewGame(Colour::White);
    EXPECT_EQ(session.ClockRunning(), Side::Player);
    now += 1;
    ASSERT_EQ(Play("e2e4"), Refusal::None);
    EXPECT_EQ(session.Remaining(Side::Player), 7000);
    EXPECT_EQ(session.Remaining(Side::Engine), 8000);
    ASSERT_EQ(Play("b1c3"), Refusal::None);
    now += 20;
    session.Tick();
    ASSERT_EQ(listener.ended, (Endings{{Ending::PlayerOutOfTime, ""}}));
    EXPECT_FALSE(session.ClockRunning());
    const std::string pgn = PgnText();
    for (const char* tag :
         {"[Result \"0-1\"]", "[Termination \"time forfeit\"]", "[TimeControl \"6+2\"]"})
        EXPECT_NE(pgn.find(tag), std::string::npos) << tag << "\n" << pgn;

    // Earlier steps show the flag down; nothing tried there drops the later ones.
    const size_t steps = session.StepCount();
    session.TakeBack();
    session.TakeBack();
    EXPECT_EQ(session.CurrentStatus().ending, Ending::PlayerOutOfTime);
    for (const char* move : {"a2a5", "a2a3"})
        EXPECT_EQ(Play(move), Refusal::GameOver);
    EXPECT_FALSE(session.Force());
    EXPECT_EQ(session.StepCount(), steps);
    session.GoTo(steps - 1);
    EXPECT_EQ(session.Record().Moves().size(), 4u);
    EXPECT_EQ(listener.ended.size(), 1u);
}

// A set-up, the player's move that ends the game, how it ended and its result.
struct GameEnd {
    const char* name;
    const char* setUp;
    const char* move;
    Ending ending;
    const char* message;
    const char* termination;
    const char* result;
};

class GameEnds : public SessionTest, public ::testing::WithParamInterface<GameEnd> {};

TEST_P(GameEnds, AreAnnouncedOnceWithTheClocksStoppedAndTakenBack) {
    const GameEnd& end = GetParam();
    session.SetTimeControl({5, 0});
    ASSERT_TRUE(SetUpText(end.setUp));
    ASSERT_EQ(session.CurrentStatus().ending, Ending::None);
    listener.onEnded = [this] { EXPECT_FALSE(session.ClockRunning()); };
    ASSERT_EQ(Play(end.move), Refusal::None);
    ASSERT_EQ(listener.ended, (Endings{{end.ending, end.message}}));
    EXPECT_EQ(session.Result(), end.result);
    EXPECT_NE(PgnText().find(std::string("[Termination \"") + end.termination + "\"]"),
              std::string::npos)
        << PgnText();

    const GameSnapshot over = GameSnapshot::Capture();
    const size_t steps = session.StepCount();
    EXPECT_EQ(Play("a1a2"), Refusal::GameOver);
    EXPECT_FALSE(session.Force());
    EXPECT_EQ(GameSnapshot::Capture(), over);
    EXPECT_EQ(session.StepCount(), steps);
    session.TakeBack();
    EXPECT_EQ(session.CurrentStatus().ending, Ending::None);
    EXPECT_EQ(session.ClockRunning(), Side::Player);
    EXPECT_TRUE(session.CanRedo());
}

INSTANTIATE_TEST_SUITE_P(
    EachRule, GameEnds,
    ::testing::Values(GameEnd{"Repetition", "1. e4 Nf6 2. Nf3 Ng8 3. Ng1 Nf6 4. Nf3 Ng8 *", "f3g1",
                              Ending::Repetition, "", "Draw by threefold repetition", "1/2-1/2"},
                      GameEnd{"FiftyMoves", "7k/8/8/8/8/8/R7/K7 w - - 99 80", "a2a3",
                              Ending::FiftyMoves, "", "Draw by the fifty-move rule", "1/2-1/2"},
                      GameEnd{"Material", "7k/8/8/8/8/8/1p6/1K6 w - - 0 1", "b1b2",
                              Ending::Material, "", "Draw by insufficient material", "1/2-1/2"},
                      GameEnd{"Stalemate", "7k/8/4Q3/8/8/8/8/K7 w - - 0 1", "e6f7",
                              Ending::Stalemate, "Stale Mate!", "Stalemate", "1/2-1/2"},
                      GameEnd{"Checkmate", "6k1/8/6K1/8/8/8/8/R7 w - - 0 1", "a1a8",
                              Ending::PlayerMates, "Check Mate!", "Checkmate", "1-0"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SessionTest, TheMasterLevelTakesTheShortestMate) {
    session.SetLevel(Levels.front());
    ASSERT_EQ(session.PlayingLevel().name, "Master");
    // A mate in one among mates in two, which the designed search's scores do not tell apart.
    ASSERT_TRUE(SetUpText("8/8/8/8/6q1/5k2/8/7K b - - 0 1"));
    EXPECT_EQ(listener.ended.back(), std::pair(Ending::EngineMates, std::string("Check Mate!")));
    EXPECT_EQ(session.Fen(), "8/8/8/8/8/5k2/6q1/7K w - - 1 2");
}

TEST_F(SessionTest, TheEnginesMateIsRecordedAndStaysAMateWhateverTimePassesLater) {
    session.SetLevel(Levels[3]);  // depth 4, which sees the mate
    session.SetTimeControl({0.25, 0});
    ASSERT_TRUE(SetUpText("6k1/8/8/8/P7/8/r4PPP/6K1 w - - 0 1"));
    listener.onEnded = [this] {
        EXPECT_FALSE(session.ClockRunning());
        EXPECT_EQ(session.Record().Final().toMove, Colour::White);  // the mate is recorded
        EXPECT_EQ(session.Result(), "0-1");
    };
    ASSERT_EQ(Play("a4a5"), Refusal::None);
    ASSERT_EQ(listener.ended, (Endings{{Ending::EngineMates, "Check Mate!"}}));
    now += 100;
    session.Tick();
    EXPECT_EQ(session.CurrentStatus().ending, Ending::EngineMates);
    EXPECT_NE(PgnText().find("[Termination \"Checkmate\"]"), std::string::npos);

    // The same mate as the engine's first move after the set-up.
    ASSERT_TRUE(SetUpText("6k1/8/8/8/P7/8/r4PPP/6K1 b - - 0 1"));
    EXPECT_EQ(listener.ended.back(), std::pair(Ending::EngineMates, std::string("Check Mate!")));
    EXPECT_EQ(session.Fen(), "6k1/8/8/8/P7/8/5PPP/r5K1 w - - 1 2");
}

TEST_F(SessionTest, AMoveTheEngineMakesAfterItsFlagFellDoesNotCount) {
    session.SetLevel(Levels[3]);  // depth 4: the flag falls in its second iteration
    session.SetTimeControl({0.1, 2});
    ASSERT_TRUE(SetUpText("k7/8/8/8/8/8/Pr3PPP/1Q4K1 w - - 0 1"));
    listener.onDepth = [](int depth) { now += depth > 2 ? 10 : 0; };
    ASSERT_EQ(Play("a2a3"), Refusal::None);
    EXPECT_EQ(listener.ended, (Endings{{Ending::EngineOutOfTime, ""}}));
    EXPECT_EQ(session.Fen().substr(0, 28), "k7/8/8/8/8/P7/1r3PPP/1Q4K1 b");
    EXPECT_EQ(session.Result(), "1-0");
}

// The tenths appear only under ten seconds, the hours only from an hour; a fallen flag never
// shows a negative time.
TEST(ClockText, ShowsTenthsAndHoursOnlyWhereTheyMatter) {
    const std::vector<std::pair<int64_t, std::string>> rows = {
        {-5, "0:00.0"},     {9999, "0:09.9"},     {10000, "0:10"},     {299999, "4:59"},
        {3599999, "59:59"}, {3600000, "1:00:00"}, {3723000, "1:02:03"}};
    for (const auto& [milliseconds, text] : rows)
        EXPECT_EQ(ostrand::game::ClockText(milliseconds), text) << milliseconds;
}

TEST_F(SessionTest, ABookReplyIsOnTheClockAndANewGameShowsNoOldStatistics) {
    ASSERT_EQ(Play("e2e4"), Refusal::None);
    ASSERT_FALSE(session.Statistic(StatusLabel::Nodes).empty());
    chess::Position afterE4 = chess::StartPosition();
    chess::Move e4;
    ASSERT_TRUE(chess::ParseMove("e2e4", e4));
    chess::Play(afterE4, e4);
    OpeningBook = {{chess::EngineKey(afterE4, Colour::Black), {{"5755", 1}}},
                   {chess::EngineKey(chess::StartPosition(), Colour::White), {{"5755", 1}}}};
    session.SetBook(true);
    session.NewGame(Colour::Black);
    for (int label = 0; label < 5; ++label)
        EXPECT_EQ(session.Statistic(static_cast<StatusLabel>(label)), "");

    session.SetTimeControl({1, 5});
    session.NewGame(Colour::White);
    now += 1;
    ASSERT_EQ(Play("e2e4"), Refusal::None);
    OpeningBook.clear();
    EXPECT_EQ(session.Fen().substr(0, 43), "rnbqkbnr/pppp1ppp/8/4p3/4P3/8/PPPP1PPP/RNBQ");
    EXPECT_EQ(session.Remaining(Side::Player), 64000);
    EXPECT_EQ(session.Remaining(Side::Engine), 65000);
    EXPECT_EQ(session.ClockRunning(), Side::Player);
}

// The engine takes a draw only when its last search found it a pawn behind or more.
TEST_F(SessionTest, DrawOffersAndResignationEndTheGameAsStepsOfTheirOwn) {
    EXPECT_FALSE(session.OfferDraw());  // before any search
    ASSERT_TRUE(SetUpText("k7/8/8/8/8/8/1Q6/KQ6 b - - 0 1"));
    ASSERT_TRUE(session.OfferDraw());
    EXPECT_EQ(session.Result(), "1/2-1/2");
    EXPECT_NE(PgnText().find("[Termination \"Draw by agreement\"]"), std::string::npos);
    session.TakeBack();
    session.Resign();
    EXPECT_EQ(session.Result(), "0-1");
    EXPECT_NE(PgnText().find("[Termination \"Player resigned\"]"), std::string::npos);
    EXPECT_EQ(listener.ended, (Endings{{Ending::DrawAgreed, ""}, {Ending::PlayerResigned, ""}}));
    session.TakeBack();
    EXPECT_EQ(session.CurrentStatus().ending, Ending::None);
}

// Each row: the player's colour, the position (the player to move), the hint's move.
class Hints : public SessionTest,
              public ::testing::WithParamInterface<std::tuple<Colour, const char*, const char*>> {};

TEST_P(Hints, AreTheFullStrengthMoveAtTheWeakestLevelAndChangeNothing) {
    const auto& [colour, fen, move] = GetParam();
    session.NewGame(colour);
    session.SetLevel(Levels.back());
    ASSERT_TRUE(SetUpText(fen));
    const GameSnapshot game = GameSnapshot::Capture();
    const std::string nodes = session.Statistic(StatusLabel::Nodes);
    for (int i = 0; i < 3; ++i) {
        const std::optional<Hint> hint = session.FindHint();
        ASSERT_TRUE(hint);
        EXPECT_EQ(hint->move, Move(move));
    }
    EXPECT_EQ(GameSnapshot::Capture(), game);
    EXPECT_EQ(session.Statistic(StatusLabel::Nodes), nodes);
}

INSTANTIATE_TEST_SUITE_P(
    EitherColour, Hints,
    ::testing::Values(std::tuple(Colour::White, "4k3/8/8/3n4/8/8/8/3RK3 w - - 0 1", "d1d5"),
                      std::tuple(Colour::Black, "3rk3/8/8/8/3N4/8/8/4K3 b - - 0 1", "d8d4")));

TEST_F(SessionTest, NoMoveIsMadeInAGameThatIsOverOrOnABoardThatIsNoPosition) {
    // Set-ups already over: the engine mated, the player stalemated.
    ASSERT_TRUE(SetUpText("k7/1Q6/1K6/8/8/8/8/8 b - - 0 1"));
    EXPECT_FALSE(session.Force());
    ASSERT_TRUE(SetUpText("k7/8/8/8/8/8/5q2/7K w - - 0 1"));
    // Only the engine announces: the player learns of their stalemate from the status.
    EXPECT_EQ(listener.ended, (Endings{{Ending::PlayerMates, "Check Mate!"}}));
    EXPECT_EQ(session.CurrentStatus().ending, Ending::Stalemate);
    // Saved and loaded again, the stalemate stays.
    const std::string path =
        (std::filesystem::temp_directory_path() / "ostrand-session-test" / "Board.txt").string();
    std::string error;
    ASSERT_TRUE(session.Save(path, error)) << error;
    session.NewGame(Colour::White);
    ASSERT_TRUE(session.Load(path, error)) << error;
    std::filesystem::remove_all(std::filesystem::path(path).parent_path());
    EXPECT_EQ(session.CurrentStatus().ending, Ending::Stalemate);
    const GameSnapshot stalemate = GameSnapshot::Capture();
    EXPECT_FALSE(session.Force());
    EXPECT_EQ(Play("h1g1"), Refusal::GameOver);
    EXPECT_EQ(GameSnapshot::Capture(), stalemate);

    // An edited board without the player's king.
    session.NewGame(Colour::White);
    session.Place({5, 1}, EmptyCell);
    const GameSnapshot edited = GameSnapshot::Capture();
    EXPECT_FALSE(session.CurrentStatus().hasGame);
    EXPECT_EQ(Play("e2e4"), Refusal::NoPosition);
    EXPECT_FALSE(session.Force());
    EXPECT_TRUE(session.LegalTargets({5, 2}).empty());
    EXPECT_EQ(GameSnapshot::Capture(), edited);
}

TEST_F(SessionTest, ThePlayersMoveIsListedAndDrawnBeforeTheEngineThinks) {
    session.SetLevel(Levels[3]);  // depth 4: long enough to poll for input
    std::optional<GameMoves> first;
    std::optional<Grid> drawn;
    listener.onBoard = [&] {
        if (!session.CurrentStatus().thinking || first) return;
        first = session.Moves();
        drawn = Board;
    };
    int polls = 0, misdrawn = 0;
    listener.onPoll = [&] {
        ++polls;
        for (int square = 0; square < 64; ++square) {
            const int file = square % 8 + 1, rank = square / 8 + 1;
            misdrawn += session.PieceAt({file, rank}) != (*drawn)(file, rank);
        }
    };
    ASSERT_EQ(Play("e2e4"), Refusal::None);
    ASSERT_TRUE(first && first->rows.size() == 1 && first->rows[0].white);
    EXPECT_EQ(first->rows[0].white->san, "e4");
    EXPECT_FALSE(first->rows[0].black);
    EXPECT_GT(polls, 0);
    EXPECT_EQ(misdrawn, 0);
    listener.onPoll = nullptr;

    // Taken back, the later moves stay listed for redo.
    ASSERT_EQ(Play("d2d4"), Refusal::None);
    session.TakeBack();
    const GameMoves list = session.Moves();
    ASSERT_EQ(list.rows.size(), 2u);
    EXPECT_TRUE(list.rows[0].black->played && list.rows[0].black->last);
    EXPECT_FALSE(list.rows[1].white->played);
    EXPECT_EQ(list.rows[1].white->step, 2u);
}

// Each row: what the menu or the command line writes, its text and PGN tag (none: refused).
class TimeControls
    : public ::testing::TestWithParam<std::tuple<const char*, const char*, const char*>> {};

TEST_P(TimeControls, AreReadAndWrittenInAnyLocale) {
    const auto& [text, written, tag] = GetParam();
    const std::optional<TimeControl> control = TimeControl::Parse(text);
    ASSERT_EQ(control.has_value(), *written != 0);
    if (!control) return;
    EXPECT_EQ(control->Text(), written);
    EXPECT_EQ(control->PgnTag(), tag);
}

INSTANTIATE_TEST_SUITE_P(Texts, TimeControls,
                         ::testing::Values(std::tuple("5+0", "5+0", "300+0"),
                                           std::tuple(" 0.1+0 ", "0.1+0", "6+0"),
                                           std::tuple("3+2", "3+2", "180+2"),
                                           std::tuple("0+5", "", ""), std::tuple("5", "", ""),
                                           std::tuple("5+-1", "", ""), std::tuple("1441+0", "", ""),
                                           std::tuple("1+2+3", "", "")));

// Each row: the player's colour, the position (the player to move), the typed text, and the
// move played in long algebraic notation or the refusal.
struct Typed {
    Colour player;
    const char* fen;
    const char* text;
    const char* played;
    Refusal refusal = Refusal::None;
};
void PrintTo(const Typed& typed, std::ostream* os) {
    *os << typed.text;
}

class TypedMoves : public SessionTest, public ::testing::WithParamInterface<Typed> {};

TEST_P(TypedMoves, ArePlayedOrRefusedAsTheirSquaresWouldBe) {
    const Typed& typed = GetParam();
    session.NewGame(typed.player);
    ASSERT_TRUE(SetUpText(typed.fen));
    const GameSnapshot before = GameSnapshot::Capture();
    ASSERT_EQ(session.PlayText(typed.text), typed.refusal);
    if (typed.refusal != Refusal::None) {
        EXPECT_EQ(GameSnapshot::Capture(), before);
        return;
    }
    ASSERT_FALSE(session.Record().Moves().empty());
    EXPECT_EQ(chess::MoveText(session.Record().Moves().front()), typed.played);
}

constexpr const char* Castles = "r3k2r/pppppppp/8/8/8/8/PPPPPPPP/R3K2R w KQkq - 0 1";
constexpr const char* BlackCastles = "r3k2r/pppppppp/8/8/8/8/PPPPPPPP/R3K2R b KQkq - 0 1";
constexpr const char* Promotes = "8/4P2k/8/8/8/8/8/K7 w - - 0 1";
constexpr const char* BlackPromotes = "k7/8/8/8/8/8/4p2K/8 b - - 0 1";
constexpr const char* Start = "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1";

INSTANTIATE_TEST_SUITE_P(
    SanAndLongAlgebraic, TypedMoves,
    ::testing::Values(
        Typed{Colour::White, Start, "e4", "e2e4"}, Typed{Colour::White, Start, "g1f3", "g1f3"},
        Typed{Colour::White, Start, "Nc3!?", "b1c3"}, Typed{Colour::White, Castles, "O-O", "e1g1"},
        Typed{Colour::White, Castles, "e1c1", "e1c1"},
        Typed{Colour::Black, BlackCastles, "0-0-0", "e8c8"},
        Typed{Colour::White, "4k3/8/8/3p4/4P3/8/8/4K3 w - - 0 1", "exd5", "e4d5"},
        Typed{Colour::Black, "4k3/8/8/3p4/4P3/8/8/4K3 b - - 0 1", "d5e4", "d5e4"},
        Typed{Colour::White, Promotes, "e8=Q", "e7e8q"},
        Typed{Colour::Black, BlackPromotes, "e2e1q", "e2e1q"},
        Typed{Colour::Black, BlackPromotes, "e1", "e2e1q"},
        // Refused: the engine's rules, the king, and texts that name no one move.
        Typed{Colour::White, Promotes, "e8=N", "", Refusal::QueenOnly},
        Typed{Colour::White, "4k3/8/8/3pP3/8/8/8/4K3 w - d6 0 2", "exd6", "",
              Refusal::CannotMoveThere},
        Typed{Colour::White, "4k3/4r3/8/8/8/8/4N3/4K3 w - - 0 1", "Nf4", "", Refusal::KingAttacked},
        Typed{Colour::Black, "4k3/4n3/8/8/8/8/4R3/4K3 b - - 0 1", "e7c6", "",
              Refusal::KingAttacked},
        Typed{Colour::White, Start, "Ke2", "", Refusal::CannotMoveThere},
        Typed{Colour::White, Start, "e2e5", "", Refusal::CannotMoveThere},
        Typed{Colour::White, "4k3/8/8/8/8/8/8/1N2KN2 w - - 0 1", "Nd2", "", Refusal::Ambiguous},
        Typed{Colour::White, Start, "hello", "", Refusal::NotAMove},
        Typed{Colour::White, Start, "", "", Refusal::NotAMove}));

// Each row, under the standard rules: the player's colour, the position, the move as
// clicked ("e5d6") or typed, the piece chosen, its SAN, and a square it empties (the pawn
// taken en passant).
struct StandardMove {
    Colour player;
    const char* fen;
    const char* move;
    char promotion;
    const char* san;
    const char* emptied;
};

class StandardRules : public SessionTest, public ::testing::WithParamInterface<StandardMove> {};

TEST_P(StandardRules, PlayEnPassantAndEveryPromotion) {
    const StandardMove& row = GetParam();
    session.SetRules(RuleSet::Standard);
    EXPECT_EQ(session.Rules(), RuleSet::Designed) << "the game on show keeps its rules";
    session.NewGame(row.player);
    ASSERT_TRUE(SetUpText(row.fen));
    ASSERT_EQ(session.Rules(), RuleSet::Standard);
    const std::string move = row.move;
    if (row.promotion != 0) {
        EXPECT_TRUE(session.NeedsPromotion(Move(move)));
        const GameSnapshot before = GameSnapshot::Capture();
        EXPECT_EQ(session.Play(Move(move)), Refusal::ChoosePiece);
        EXPECT_EQ(GameSnapshot::Capture(), before);
    }
    ASSERT_EQ(move.find('=') == std::string::npos ? session.Play(Move(move), row.promotion)
                                                  : session.PlayText(move),
              Refusal::None);
    EXPECT_NE(PgnText().find(std::string(" ") + row.san + " "), std::string::npos) << PgnText();
    const std::string emptied = row.emptied;
    EXPECT_EQ(session.PieceAt(Move(emptied + emptied).from), EmptyCell);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, StandardRules,
    ::testing::Values(
        StandardMove{Colour::White, "4k3/8/8/3pP3/8/8/8/4K3 w - d6 0 2", "e5d6", 0, "exd6", "d5"},
        StandardMove{Colour::Black, "4k3/8/8/8/3Pp3/8/8/4K3 b - d3 0 2", "e4d3", 0, "exd3", "d4"},
        StandardMove{Colour::White, "4k3/P7/8/8/8/8/8/4K3 w - - 0 1", "a7a8", 'n', "a8=N", "a7"},
        StandardMove{Colour::Black, "4k3/8/8/8/8/8/p6K/8 b - - 0 1", "a2a1", 'r', "a1=R", "a2"},
        StandardMove{Colour::White, Promotes, "e8=N", 0, "e8=N", "e7"}));

// The engine's knight promotion forks king and queen: its reply, a letter where the rank
// stands, is recorded and listed as any other.
TEST_F(SessionTest, TheEnginesUnderPromotionIsRecorded) {
    session.SetLevel(Levels[3]);  // depth 4, which sees the queen fall
    session.SetRules(RuleSet::Standard);
    session.NewGame(Colour::White);
    ASSERT_TRUE(SetUpText("7k/p7/8/8/8/5K2/2Q1p3/8 b - - 0 1"));
    EXPECT_NE(PgnText().find(" e1=N+ "), std::string::npos) << PgnText();
    EXPECT_EQ(session.CurrentStatus().playerToMove, true);
    EXPECT_EQ(session.LastEngineMove(), Move("e2e1"));
}

TEST_F(SessionTest, AGameWithEnPassantIsOpenedUnderTheStandardRulesOnly) {
    const chess::PgnGame game = [] {
        std::vector<chess::PgnGame> games;
        std::string error;
        chess::ReadPgn("1. e4 Nf6 2. e5 d5 3. exd6 *", games, error, chess::CastlingRule::Standard);
        return games.front();
    }();
    const GameSnapshot before = GameSnapshot::Capture();
    std::string error;
    EXPECT_FALSE(session.SetUpGame(game, error));
    EXPECT_NE(error.find("exd6"), std::string::npos) << error;
    EXPECT_NE(error.find(": the standard rules (Game menu) would play it"), std::string::npos);
    EXPECT_EQ(GameSnapshot::Capture(), before);
    EXPECT_EQ(session.Rules(), RuleSet::Designed);

    session.SetRules(RuleSet::Standard);
    ASSERT_TRUE(session.SetUpGame(game, error)) << error;
    EXPECT_EQ(session.Record().Moves().size(), 6u) << "the engine answered";
    session.GoTo(0);
    EXPECT_EQ(session.Rules(), RuleSet::Designed) << "the game before keeps its rules";
}

TEST_F(SessionTest, TheLegalMovesInSanAreThoseTheEngineTakes) {
    std::vector<std::string> moves = session.LegalSan();
    EXPECT_EQ(moves.size(), 20u);
    EXPECT_NE(std::find(moves.begin(), moves.end(), "Nf3"), moves.end());
    // No under-promotion, no en passant; castling past a square only a pawn attacks.
    ASSERT_TRUE(SetUpText("4k3/1P6/8/3pP3/8/8/6p1/4K2R w K d6 0 2"));
    moves = session.LegalSan();
    std::sort(moves.begin(), moves.end());
    EXPECT_EQ(moves,
              (std::vector<std::string>{"Kd1", "Kd2", "Ke2", "Kf2", "O-O", "Rf1", "Rg1", "Rh2",
                                        "Rh3", "Rh4", "Rh5", "Rh6", "Rh7", "Rh8+", "b8=Q+", "e6"}));
    ASSERT_TRUE(SetUpText("k7/1Q6/1K6/8/8/8/8/8 b - - 0 1"));
    EXPECT_TRUE(session.LegalSan().empty());
}

}  // namespace
}  // namespace ostrand::game

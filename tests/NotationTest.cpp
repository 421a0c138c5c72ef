// Standard chess notation: FEN, SAN and PGN, and their mapping onto the engine's board.
#include <gtest/gtest.h>

#include <sstream>

#include "BookFile.h"
#include "EngineBoard.h"
#include "GameRecord.h"
#include "GameState.h"
#include "Levels.h"
#include "OpeningBook.h"
#include "Pgn.h"
#include "San.h"
#include "Search.h"
#include "Support.h"

namespace ostrand {
namespace {

using namespace chess;

Position Fen(const std::string& fen) {
    Position position;
    std::string error;
    EXPECT_TRUE(ParseFen(fen, position, error)) << fen << ": " << error;
    return position;
}

Move Long(const std::string& text) {
    Move move;
    EXPECT_TRUE(ParseMove(text, move)) << text;
    return move;
}

uint64_t Perft(const Position& position, int depth) {
    if (depth == 0) return 1;
    uint64_t count = 0;
    for (const Move& move : LegalMoves(position)) {
        Position next = position;
        Play(next, move);
        count += Perft(next, depth - 1);
    }
    return count;
}

// The published move counts of well-known test positions: castling, en passant and
// promotions all take part.
TEST(StandardChess, MoveCountsMatchTheKnownFigures) {
    EXPECT_EQ(Perft(StartPosition(), 3), 8902u);
    const Position tricky =
        Fen("r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1");
    EXPECT_EQ(Perft(tricky, 1), 48u);
    EXPECT_EQ(Perft(tricky, 2), 2039u);
    EXPECT_EQ(Perft(Fen("8/2p5/3p4/KP5r/1R3p1k/8/4P1P1/8 w - - 0 1"), 3), 2812u);
}

// Castling both ways, partial rights, a mate, a stalemate, promoted pieces.
class FenRoundTrip : public testing::TestWithParam<const char*> {};

TEST_P(FenRoundTrip, ThroughTheEnginesBoardForEitherColour) {
    const Position position = Fen(GetParam());
    EXPECT_EQ(FenText(position), GetParam());
    for (Colour engine : {Colour::White, Colour::Black}) {
        EXPECT_EQ(SetUpEngine(position, engine), "");
        Position back;
        std::string error;
        ASSERT_TRUE(EnginePosition(engine, position.toMove, back, error)) << error;
        EXPECT_EQ(FenText(back), GetParam());
    }
}

INSTANTIATE_TEST_SUITE_P(Positions, FenRoundTrip,
                         testing::Values("rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1",
                                         "r3k2r/8/8/8/8/8/8/R3K2R b Kq - 0 37",
                                         "1n1Rkb1r/p4ppp/4q3/4p1B1/4P3/8/PPP2PPP/2K5 b k - 0 17",
                                         "5bnr/4p1pq/4Qpkr/7p/7P/4P3/PPPP1PP1/RNB1KBNR b KQ - 0 10",
                                         "QQ6/8/8/7k/8/8/8/4K2q w - - 0 60"));

TEST(EngineBoard, MoveCountAndCastlingFlagsFollowTheFen) {
    const Position position = Fen("r3k2r/8/8/8/8/8/8/R3K2R b Kq - 0 37");
    SetUpEngine(position, Colour::Black);
    EXPECT_EQ(MoveCount, 73);
    EXPECT_EQ(CastleFlags, (std::array<int16_t, 9>{No, No, Yes, Yes, No, No, Yes, Yes, No}));
    EXPECT_EQ(PositionHistory, std::vector<std::string>{""});
    // Mirrored, White's king-side right is the engine's and Black's queen-side the player's.
    SetUpEngine(position, Colour::White);
    EXPECT_EQ(Board(5, 8), Piece::King);
    EXPECT_EQ(CastleFlags, (std::array<int16_t, 9>{No, Yes, No, No, Yes, Yes, No, No, Yes}));
}

TEST(EngineBoard, AnEnPassantThatMattersIsLeftOutAndSaidSo) {
    EXPECT_EQ(SetUpEngine(Fen("4k3/8/8/3pP3/8/8/8/4K3 w - d6 0 40"), Colour::Black),
              "set up without en passant on d6: the engine's rules have no en passant");
    EXPECT_EQ(SetUpEngine(Fen("4k3/8/8/3p4/8/8/8/4K3 w - d6 0 40"), Colour::Black), "");
}

struct Refused {
    const char* input;
    const char* reason;
};
void PrintTo(const Refused& c, std::ostream* os) {
    *os << c.reason;
}

class FenRefused : public testing::TestWithParam<Refused> {};

TEST_P(FenRefused, WithItsReasonAndNothingChanged) {
    Position position = Fen("4k3/8/8/8/8/8/8/4K3 b - - 0 9");
    const Position before = position;
    std::string error;
    EXPECT_FALSE(ParseFen(GetParam().input, position, error));
    EXPECT_NE(error.find(GetParam().reason), std::string::npos) << error;
    EXPECT_EQ(position, before);
}

INSTANTIATE_TEST_SUITE_P(
    Damaged, FenRefused,
    testing::Values(Refused{"", "a FEN has the placement"},
                    Refused{"KKKKKKKK/8/8/8/8/8/8/k7 w - - 0 1", "8 white kings and 1 black king"},
                    Refused{"rnbqkbnr/ppppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1",
                            "rank 7 of the FEN has 9 squares, not 8"},
                    Refused{"8/8/8/8/8/8/8 w - - 0 1", "7 ranks, not 8"},
                    Refused{"4k3/8/8/8/8/8/8/4K2X w - - 0 1", "unexpected 'X'"},
                    Refused{"4k3/8/8/8/8/8/8/4K3 x - - 0 1", "side to move"},
                    Refused{"4k3/8/8/8/8/8/8/4K3 w KQxq - 0 1", "castling field"},
                    Refused{"4k3/8/8/8/8/8/8/4K2p w - - 0 1", "pawn on h1"},
                    Refused{"4k2R/8/8/8/8/8/8/4K3 w - - 0 1",
                            "Black is in check but it is White's move"},
                    Refused{"4k3/8/8/8/8/8/8/4K3 w - e6 0 1", "en passant square 'e6'"},
                    Refused{"4k3/8/8/8/8/8/8/4K3 w - - x 1", "move counters"}));

struct SanCase {
    const char* fen;
    const char* move;
    const char* san;
};
void PrintTo(const SanCase& c, std::ostream* os) {
    *os << c.san;
}

class San : public testing::TestWithParam<SanCase> {};

TEST_P(San, WrittenAndReadBack) {
    const Position position = Fen(GetParam().fen);
    EXPECT_EQ(SanText(position, Long(GetParam().move)), GetParam().san);
    Move read;
    std::string error;
    ASSERT_TRUE(ParseSan(position, GetParam().san, read, error)) << error;
    EXPECT_EQ(MoveText(read), GetParam().move);
}

INSTANTIATE_TEST_SUITE_P(
    KnownCases, San,
    testing::Values(SanCase{"4k3/8/8/8/8/8/8/1N2KN2 w - - 0 1", "b1d2", "Nbd2"},
                    SanCase{"4k3/8/8/R7/8/8/8/R3K3 w - - 0 1", "a1a3", "R1a3"},
                    SanCase{"4k3/8/8/R7/8/8/8/R3K3 w - - 0 1", "a5a3", "R5a3"},
                    SanCase{"4k3/8/8/8/8/Q7/8/Q1Q1K3 w - - 0 1", "a1b2", "Qa1b2"},
                    // The knight on e2 is pinned: the one on b1 needs no file.
                    SanCase{"4k3/4r3/8/8/8/8/4N3/1N2K3 w - - 0 1", "b1c3", "Nc3"},
                    SanCase{"4k3/8/8/8/8/8/8/R3K3 w - - 0 1", "a1a8", "Ra8+"},
                    SanCase{"6k1/5ppp/8/8/8/8/8/R3K3 w - - 0 1", "a1a8", "Ra8#"},
                    SanCase{"r3k3/1P6/8/8/8/8/8/4K3 w - - 0 1", "b7a8q", "bxa8=Q+"},
                    SanCase{"4k3/P7/8/8/8/8/8/4K3 w - - 0 1", "a7a8n", "a8=N"},
                    SanCase{"r3k2r/8/8/8/8/8/8/R3K2R w KQkq - 0 1", "e1g1", "O-O"},
                    SanCase{"r3k2r/8/8/8/8/8/8/R3K2R b KQkq - 0 1", "e8c8", "O-O-O"},
                    SanCase{"4k3/8/8/3pP3/8/8/8/4K3 w - d6 0 2", "e5d6", "exd6"}));

struct SanRead {
    const char* fen;
    const char* text;
    const char* result;  // the move, or the reason it is refused
};
void PrintTo(const SanRead& c, std::ostream* os) {
    *os << c.text;
}

class SanReading : public testing::TestWithParam<SanRead> {};

TEST_P(SanReading, ToleratesWhatPlayersWriteAndRefusesTheRest) {
    Move move;
    std::string error;
    const bool read = ParseSan(Fen(GetParam().fen), GetParam().text, move, error);
    EXPECT_EQ(read ? MoveText(move) : error, GetParam().result);
}

constexpr const char* Start = "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1";

INSTANTIATE_TEST_SUITE_P(
    Variants, SanReading,
    testing::Values(SanRead{"r3k2r/8/8/8/8/8/8/R3K2R w KQkq - 0 1", "0-0-0", "e1c1"},
                    SanRead{"r3k2r/8/8/8/8/8/8/R3K2R w KQkq - 0 1", "o-o", "e1g1"},
                    SanRead{Start, "Nf3!?", "g1f3"}, SanRead{Start, "Ng1-f3", "g1f3"},
                    SanRead{Start, "e2e4", "e2e4"}, SanRead{Start, "e4!!", "e2e4"},
                    SanRead{"4k3/P7/8/8/8/8/8/4K3 w - - 0 1", "a8N", "a7a8n"},
                    SanRead{"4k3/P7/8/8/8/8/8/4K3 w - - 0 1", "a8", "a7a8q"},
                    SanRead{"4k3/8/8/3pP3/8/8/8/4K3 w - d6 0 2", "exd6e.p.", "e5d6"},
                    SanRead{"6k1/5ppp/8/8/8/8/8/R3K3 w - - 0 1", "Ra8", "a1a8"},
                    SanRead{"4k3/8/8/8/8/8/8/1N2KN2 w - - 0 1", "Nd2", "ambiguous move"},
                    SanRead{Start, "Ke2", "illegal move"}, SanRead{Start, "O-O", "illegal move"},
                    SanRead{Start, "Zz9", "not a move"}, SanRead{Start, "e", "not a move"}));

// The games as the writer writes them: a mate with comments and castling queen-side, a
// stalemate, and a game from a FEN with castling on both wings and promotions.
constexpr const char* Games = R"([Event "Casual game"]
[Site "Paris"]
[Date "1858.??.??"]
[Round "?"]
[White "White player"]
[Black "Black players"]
[Result "1-0"]

1. e4 e5 2. Nf3 d6 3. d4 Bg4 {Pins the knight} 4. dxe5 Bxf3 5. Qxf3 dxe5 6. Bc4
Nf6 7. Qb3 Qe7 8. Nc3 c6 9. Bg5 b5 10. Nxb5 cxb5 11. Bxb5+ Nbd7 12. O-O-O Rd8
13. Rxd7 Rxd7 14. Rd1 Qe6 15. Bxd7+ Nxd7 16. Qb8+ Nxb8 17. Rd8# 1-0

[Event "Shortest stalemate"]
[Site "?"]
[Date "????.??.??"]
[Round "?"]
[White "?"]
[Black "?"]
[Result "1/2-1/2"]

1. e3 a5 2. Qh5 Ra6 3. Qxa5 h5 4. h4 Rah6 5. Qxc7 f6 6. Qxd7+ Kf7 7. Qxb7 Qd3
8. Qxb8 Qh7 9. Qxc8 Kg6 10. Qe6 1/2-1/2

[Event "Say \"promote\" \\ \"castle\""]
[Site "?"]
[Date "????.??.??"]
[Round "?"]
[White "?"]
[Black "?"]
[Result "*"]
[SetUp "1"]
[FEN "r3k2r/1P6/8/8/8/8/6p1/R3K2R b KQkq - 0 25"]

25... O-O 26. O-O-O g1=Q 27. Rhxg1+ Kh8 28. b8=Q Rfxb8 *

)";

struct DrawCase {
    const char* name;
    const char* fen;
    const char* moves;  // SAN, separated by blanks
    GameRecord::DrawRule rule;
};

class Draws : public testing::TestWithParam<DrawCase> {};

TEST_P(Draws, JudgedOnTheFinalPosition) {
    GameRecord record;
    record.Start(Fen(GetParam().fen), Colour::Black);
    std::istringstream moves(GetParam().moves);
    for (std::string san; moves >> san;) {
        Move move;
        std::string error;
        ASSERT_TRUE(ParseSan(record.Final(), san, move, error)) << san << ": " << error;
        record.Add(move);
    }
    EXPECT_EQ(record.DrawnBy(), GetParam().rule);
}

constexpr const char* Rooks = "r3k2r/8/8/8/8/8/8/R3K2R w KQkq - 0 1";
constexpr const char* PawnsMeet = "4k3/8/8/8/4p3/8/3P4/4K3 w - - 0 1";
using Rule = GameRecord::DrawRule;
INSTANTIATE_TEST_SUITE_P(
    Rules, Draws,
    testing::Values(
        DrawCase{"KingAgainstKing", "8/8/8/4k3/8/8/8/4K3 w - - 0 1", "", Rule::Material},
        DrawCase{"Knight", "8/8/8/4k3/8/8/3N4/4K3 w - - 0 1", "", Rule::Material},
        DrawCase{"BishopTakenDown", "8/8/8/4k3/8/8/3Nb3/4K3 w - - 0 1", "Kxe2", Rule::Material},
        DrawCase{"BishopsOnOneColour", "8/8/8/4k3/2b5/3B4/8/4K3 w - - 0 1", "", Rule::Material},
        DrawCase{"BishopsOnBothColours", "8/8/8/4k3/2b5/8/3B4/4K3 w - - 0 1", "", Rule::None},
        DrawCase{"TwoKnights", "8/8/8/4k3/8/8/3NN3/4K3 w - - 0 1", "", Rule::None},
        DrawCase{"Pawn", "8/8/8/4k3/8/8/3P4/4K3 w - - 0 1", "", Rule::None},
        DrawCase{"Twice", Start, "Nf3 Nf6 Ng1 Ng8", Rule::None},
        DrawCase{"ThreeTimes", Start, "Nf3 Nf6 Ng1 Ng8 Nf3 Nf6 Ng1 Ng8", Rule::Repetition},
        DrawCase{"ThreeTimesByOtherRoads", Start, "Nc3 Nf6 Nb1 Ng8 Nf3 Nc6 Ng1 Nb8",
                 Rule::Repetition},
        DrawCase{"ThirdTimeWithoutCastlingRights", Rooks, "Rb1 Rb8 Ra1 Ra8 Rb1 Rb8 Ra1 Ra8",
                 Rule::None},
        DrawCase{"ThreeTimesWithoutCastlingRights", Rooks,
                 "Rb1 Rb8 Ra1 Ra8 Rb1 Rb8 Ra1 Ra8 Rb1 Rb8 Ra1 Ra8", Rule::Repetition},
        DrawCase{"FirstTimeWithEnPassant", PawnsMeet, "d4 Kd8 Kd1 Ke8 Ke1 Kd8 Kd1 Ke8 Ke1",
                 Rule::None},
        DrawCase{"ThreeTimesWithoutEnPassant", PawnsMeet,
                 "d4 Kd8 Kd1 Ke8 Ke1 Kd8 Kd1 Ke8 Ke1 Kd8 Kd1 Ke8 Ke1", Rule::Repetition},
        DrawCase{"FiftyMoves", "7k/8/8/8/8/8/R7/K7 w - - 99 80", "Ra3", Rule::FiftyMoves},
        DrawCase{"FiftyMovesEndedByAPawn", "7k/8/8/8/8/8/P7/K7 w - - 99 80", "a3", Rule::None},
        DrawCase{"MateOnTheHundredthHalfMove", "7k/8/6K1/8/8/8/8/R7 w - - 99 80", "Ra8#",
                 Rule::None}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Pgn, GamesRoundTripThroughTheReaderAndTheEnginesBoard) {
    std::vector<PgnGame> games;
    std::string error;
    ASSERT_TRUE(ReadPgn(Games, games, error)) << error;
    ASSERT_EQ(games.size(), 3u);
    EXPECT_EQ(games[2].Tag("Event"), R"(Say "promote" \ "castle")");
    std::string written;
    for (const PgnGame& game : games) {
        EXPECT_EQ(game.error, "");
        written += WritePgn(game);
        for (Colour engine : {Colour::White, Colour::Black}) {
            std::string note;
            ASSERT_TRUE(ReplayOnEngine(game.start, game.moves, engine, note, error)) << error;
            EXPECT_EQ(PositionKey(), EngineKey(game.Final(), engine));
            EXPECT_EQ(PositionHistory.size(), game.moves.size() + 1);
        }
    }
    EXPECT_EQ(written, Games);
    const Position mate = games[0].Final(), stalemate = games[1].Final();
    EXPECT_TRUE(InCheck(mate, mate.toMove) && LegalMoves(mate).empty());
    EXPECT_TRUE(!InCheck(stalemate, stalemate.toMove) && LegalMoves(stalemate).empty());
}

TEST(Pgn, ReadingSkipsWhatIsNotTheGame) {
    const char* text =
        "% an escaped line\n[Event \"x\"]\n1.e4 $1 e5 (1...c5 2.Nf3 {open (1...e6)}) 2.Nf3!? ; "
        "good\nNc6 3.Bb5 {the\n  Spanish\r\n\tgame} a6 4.Ba4 Nf6 5.0-0 Be7\n"
        "[Event \"next\"]\n1. d4 1-0";
    std::vector<PgnGame> games;
    std::string error;
    ASSERT_TRUE(ReadPgn(text, games, error)) << error;
    ASSERT_EQ(games.size(), 2u);
    EXPECT_EQ(WritePgn(games[0]).substr(WritePgn(games[0]).find("\n\n") + 2),
              "1. e4 $1 e5 (1... c5 2. Nf3) 2. Nf3 {good} 2... Nc6 3. Bb5 {the Spanish game}\n"
              "3... a6 4. Ba4 Nf6 5. O-O Be7 *\n\n");
    EXPECT_EQ(games[1].moves.size(), 1u);
    EXPECT_EQ(games[1].result, "1-0");
}

std::string IllegalAtMove23() {
    std::string text;
    for (int move = 1; move <= 22; ++move)
        text += std::to_string(move) + (move % 2 ? ". Nf3 Nf6 " : ". Ng1 Ng8 ");
    return text + "23. Qxh7 Nc6 *";
}

class PgnRefused : public testing::TestWithParam<Refused> {};

TEST_P(PgnRefused, WithItsReason) {
    std::vector<PgnGame> games(1);
    const auto before = games;
    std::string error;
    if (ReadPgn(GetParam().input, games, error)) {
        ASSERT_EQ(games.size(), 1u);
        error = games[0].error;
    } else {
        EXPECT_EQ(games, before);
    }
    EXPECT_EQ(error, GetParam().reason);
}

INSTANTIATE_TEST_SUITE_P(
    Damaged, PgnRefused,
    testing::Values(
        Refused{"", "no game in the file"}, Refused{" {only a comment}\n", "no game in the file"},
        Refused{"\x7f"
                "ELF\x02\x01\x01",
                "not a PGN file: it holds binary data (byte 0x7f on line 1)"},
        Refused{"1. e4\n\n\x01", "not a PGN file: it holds binary data (byte 0x01 on line 3)"},
        Refused{"1. e4 e5 2. Nf3 Ke6", "move 2 (...Ke6): illegal move"},
        Refused{"1. e4 {unclosed", "line 1: a comment '{' is not closed"},
        Refused{"1. e4 (1. d4\n", "line 1: a variation '(' is not closed"},
        Refused{"1. e4 {over\ntwo lines} e5 (1... c5\n", "line 2: a variation '(' is not closed"},
        Refused{"[Event Paris]\n1. e4 *", "line 1: a tag is not of the form [Name \"value\"]"},
        Refused{"[FEN \"8/8/8/8/8/8/8/8 w - - 0 1\"]\n*",
                "FEN tag: the position has no white king and no black king; it needs one of each"},
        Refused{"1. e4 e5 2. -- *", "move 2 (--): null move"}));

TEST(Pgn, AnIllegalMoveIsNamedWithItsNumber) {
    std::vector<PgnGame> games;
    std::string error;
    ASSERT_TRUE(ReadPgn(IllegalAtMove23(), games, error));
    EXPECT_EQ(games[0].error, "move 23 (Qxh7): illegal move");
    EXPECT_EQ(games[0].moves.size(), 44u);
}

TEST(EngineBoard, MovesInTheEnginesTerms) {
    const Position castling = Fen("r3k2r/8/8/8/8/8/8/R3K2R w KQkq - 0 1");
    const std::vector<Move> moves = {Long("e1g1"), Long("e8c8")};
    const std::vector<std::pair<Colour, std::vector<std::string>>> expected = {
        {Colour::Black, {"0101", "9898"}}, {Colour::White, {"9191", "0808"}}};
    for (const auto& [engine, texts] : expected) {
        std::vector<std::string> found;
        std::string error;
        ASSERT_TRUE(EngineMoves(castling, moves, engine, found, error)) << error;
        EXPECT_EQ(found, texts);
        Position position = castling;
        for (size_t i = 0; i < moves.size(); ++i) {
            EXPECT_EQ(StandardMove(texts[i], position, engine), moves[i]);
            Play(position, moves[i]);
        }
    }
    EXPECT_EQ(StandardMove("0000", StartPosition(), Colour::Black), std::nullopt);
    EXPECT_EQ(StandardMove("5254", StartPosition(), Colour::White), Long("e7e5"));
}

// Under the standard rules the engine's board follows en passant and promotions to any
// piece, for either colour of the engine (mirrored when it plays White), and keeps the en
// passant square.
TEST(EngineBoard, TheStandardRulesFollowEnPassantAndEveryPromotion) {
    Rules = RuleSet::Standard;
    const Position start = Fen("4k3/1P6/8/8/3p4/8/4P3/4K3 w - - 0 1");
    const std::vector<Move> moves = {Long("e2e4"), Long("d4e3"), Long("b7b8n"),
                                     Long("e3e2"), Long("e1d2"), Long("e2e1b")};
    for (const Colour engine : {Colour::Black, Colour::White}) {
        std::vector<std::string> texts;
        std::string note, error;
        ASSERT_TRUE(EngineMoves(start, moves, engine, texts, error)) << error;
        Position position = start;
        for (size_t i = 0; i < moves.size(); ++i) {
            EXPECT_EQ(StandardMove(texts[i], position, engine), moves[i]) << texts[i];
            Play(position, moves[i]);
        }
        ASSERT_TRUE(ReplayOnEngine(start, {moves[0]}, engine, note, error)) << error;
        Position onBoard;
        ASSERT_TRUE(EnginePosition(engine, Colour::Black, onBoard, error)) << error;
        EXPECT_EQ(SquareName(onBoard.enPassant), "e3");
        ASSERT_TRUE(ReplayOnEngine(start, moves, engine, note, error)) << error;
        EXPECT_EQ(PositionKey(), EngineKey(position, engine));
    }
    Rules = RuleSet::Designed;
}

TEST(EngineBoard, AGameTheEngineCannotFollowChangesNothing) {
    SetUpEngine(StartPosition(), Colour::Black);
    PlayMove(5, 2, 5, 4);
    const test::GameState before;
    for (const auto& [fen, move, reason] :
         {std::tuple{"4k3/8/8/3pP3/8/8/8/4K3 w - d6 0 2", "e5d6",
                     "move 2 (exd6): en passant, which the engine's rules do not have"},
          std::tuple{"4k3/P7/8/8/8/8/8/4K3 w - - 0 1", "a7a8n",
                     "move 1 (a8=N): promotion to a piece other than a queen, which the engine's "
                     "rules do not have"}}) {
        std::string note, error;
        EXPECT_FALSE(ReplayOnEngine(Fen(fen), {Long(move)}, Colour::Black, note, error));
        EXPECT_EQ(error, reason);
        EXPECT_EQ(test::GameState(), before);
    }
}

TEST(BookFile, DamagedBooksAreRefusedWithTheirLineAndLeaveNoBook) {
    const std::string weights = "expected moves and then a weight from 1 to 1000";
    for (const auto& [text, error] :
         {std::pair<std::string, std::string>{"e2e4 e7e5 10\ne2e5 3\n",
                                              "line 2: 'e2e5' is not a legal move here"},
          {"# a comment\n\ne2e4\n", "line 3: " + weights},
          {"e2e4 0\n", "line 1: " + weights},
          {"e2e4 1001\n", "line 1: " + weights},
          {"e2e4 e7e5 ten\n", "line 1: " + weights},
          {"e2e4 d7d5 e4e5 f7f5 e5f6 1\n",
           "line 1: 'e5f6' is en passant, which the engine's rules do not have"}}) {
        std::istringstream good("e2e4 c7c5 1\n"), damaged(text);
        std::string problem;
        ASSERT_TRUE(ReadBook(good, problem)) << problem;
        EXPECT_FALSE(ReadBook(damaged, problem)) << text;
        EXPECT_EQ(problem, error);
        EXPECT_TRUE(OpeningBook.empty());
    }
}

TEST(BookFile, WeightsAddUpAlongTheLinesAndTheEnginePlaysByThem) {
    std::istringstream in("e2e4 e7e5 g1f3 3\n  e2e4 c7c5 1\nd2d4 2\n");
    std::string problem;
    ASSERT_TRUE(ReadBook(in, problem)) << problem;
    // Keys and moves are the mover's view: White's mirrored onto the engine's board.
    Position afterE4 = StartPosition();
    Play(afterE4, {SquareOf(5, 2), SquareOf(5, 4), 0});
    EXPECT_EQ(OpeningBook.size(), 3u);
    EXPECT_EQ(OpeningBook[EngineKey(StartPosition(), Colour::White)],
              (std::vector<BookMove>{{"5755", 4}, {"4745", 2}}));
    EXPECT_EQ(OpeningBook[EngineKey(afterE4, Colour::Black)],
              (std::vector<BookMove>{{"5755", 3}, {"3735", 1}}));

    SetUpEngine(StartPosition(), Colour::White);
    UseBook = true;
    SeedChoices(7);
    int kingsPawn = 0;
    for (int i = 0; i < 300; ++i)
        kingsPawn += FindBestMove() == "5755";
    EXPECT_GT(kingsPawn, 170);  // two in three
    EXPECT_LT(kingsPawn, 230);
    // Out of the book the engine searches.
    SetUpEngine(afterE4, Colour::White);
    DepthLimit = 2;
    EXPECT_EQ(FindBestMove().size(), 4u);
    DepthLimit = 0;
    UseBook = false;
    OpeningBook.clear();
}

}  // namespace
}  // namespace ostrand

// Who could still mate when the other side's time is up.
TEST(StandardChess, CanMateWithTheOtherSidesHelp) {
    const struct {
        const char* fen;
        bool whiteCan, blackCan;
    } cases[] = {
        {"4k3/8/8/8/8/8/8/4K3 w - - 0 1", false, false},
        {"4k3/8/8/8/8/8/4P3/4K3 w - - 0 1", true, false},
        {"4k3/8/8/8/8/8/8/3NK3 w - - 0 1", false, false},
        {"4k3/4p3/8/8/8/8/8/3NK3 w - - 0 1", true, true},
        {"4k3/8/8/8/8/8/8/2NNK3 w - - 0 1", true, false},
        {"4k3/8/8/8/8/8/8/2BBK3 w - - 0 1", true, false},
        {"4k3/8/8/8/8/8/8/1B1BK3 w - - 0 1", false, false},
        {"3bk3/8/8/8/8/8/8/1B2K3 w - - 0 1", true, true},
        {"2b1k3/8/8/8/8/8/8/1B2K3 w - - 0 1", false, false},
        {"4k2r/8/8/8/8/8/8/4K3 w - - 0 1", false, true},
    };
    for (const auto& c : cases) {
        ostrand::chess::Position position;
        std::string error;
        ASSERT_TRUE(ostrand::chess::ParseFen(c.fen, position, error)) << c.fen;
        EXPECT_EQ(ostrand::chess::CanMate(position, ostrand::chess::Colour::White), c.whiteCan)
            << c.fen;
        EXPECT_EQ(ostrand::chess::CanMate(position, ostrand::chess::Colour::Black), c.blackCan)
            << c.fen;
    }
}

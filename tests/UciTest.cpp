#include <gtest/gtest.h>

#include "Search.h"
#include "StandardChess.h"
#include "Support.h"
#include "TestBoard.h"
#include "Uci.h"

namespace ostrand {
namespace {

using chess::Position;

uint64_t Perft(const Position& position, int depth) {
    if (depth == 0) return 1;
    uint64_t count = 0;
    for (const chess::Move& move : chess::LegalMoves(position)) {
        Position next = position;
        chess::Play(next, move);
        count += Perft(next, depth - 1);
    }
    return count;
}

Position Fen(const std::string& fen) {
    Position position;
    std::string error;
    EXPECT_TRUE(chess::ParseFen(fen, position, error)) << error;
    return position;
}

// The published move counts of two well-known test positions: castling, en passant and
// promotions all take part.
TEST(StandardChess, MoveCountsMatchTheKnownFigures) {
    EXPECT_EQ(Perft(chess::StartPosition(), 3), 8902u);
    const Position tricky =
        Fen("r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1");
    EXPECT_EQ(Perft(tricky, 1), 48u);
    EXPECT_EQ(Perft(tricky, 2), 2039u);
    const Position endgame = Fen("8/2p5/3p4/KP5r/1R3p1k/8/4P1P1/8 w - - 0 1");
    EXPECT_EQ(Perft(endgame, 3), 2812u);
}

TEST(StandardChess, FensThatAreNoPositionAreRefused) {
    Position position;
    std::string error;
    for (const char* fen : {"", "8/8/8/8/8/8/8/8 w - - 0 1", "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP w",
                            "rnbqkbnr/pppppppp/9/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1",
                            "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR x KQkq - 0 1",
                            "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQxq - 0 1",
                            "4k3/8/8/8/8/8/8/4K2p w - - 0 1", "4k3/8/8/8/8/8/8/R3K3 b - - 0 1x",
                            "4k2R/8/8/8/8/8/8/4K3 w - - 0 1"}) {
        error.clear();
        const bool read = chess::ParseFen(fen, position, error);
        EXPECT_FALSE(read && error.empty()) << fen;
    }
}

TEST(Uci, StartPositionIsTheEnginesOwnInitialPosition) {
    InitNewGame();
    const std::string initialKey = PositionKey();
    Board.cells.fill(0);
    uci::SetUpEngine(chess::StartPosition(), {});
    EXPECT_EQ(PositionKey(), initialKey);
    EXPECT_EQ(MoveCount, 0);
    EXPECT_EQ(CastleFlags, (std::array<int16_t, 9>{No, Yes, Yes, Yes, Yes, No, No, No, No}));
    EXPECT_EQ(PositionHistory, std::vector<std::string>{""});
    EXPECT_TRUE(uci::Mirrored(chess::StartPosition()));
}

TEST(Uci, BlackToMoveIsNotMirrored) {
    Position position = chess::StartPosition();
    chess::Play(position, {chess::SquareOf(5, 2), chess::SquareOf(5, 4), 0});
    uci::SetUpEngine(chess::StartPosition(), {position});
    EXPECT_EQ(Board(5, 4), -Piece::Pawn);
    EXPECT_EQ(Board(5, 8), Piece::King);
    EXPECT_EQ(MoveCount, 1);
    ASSERT_EQ(PositionHistory.size(), 2u);
    EXPECT_EQ(PositionHistory[1], PositionKey());
}

TEST(Uci, OpponentsEnPassantAndUnderPromotionAreApplied) {
    // White takes en passant on d6, then Black under-promotes to a knight on b1.
    Position start = Fen("4k3/8/8/3pP3/8/8/1p6/4K3 w - d6 0 40");
    std::vector<Position> played;
    Position p = start;
    for (const char* text : {"e5d6", "b2b1n"}) {
        chess::Move move;
        ASSERT_TRUE(chess::ParseMove(text, move));
        chess::Play(p, move);
        played.push_back(p);
    }
    uci::SetUpEngine(start, played);
    // White is to move, so the engine plays the positive pieces, mirrored in rank.
    EXPECT_EQ(Board(4, 3), Piece::Pawn);     // the pawn on d6
    EXPECT_EQ(Board(4, 4), EmptyCell);       // the passed pawn on d5 is gone
    EXPECT_EQ(Board(2, 8), -Piece::Knight);  // the new knight on b1
    EXPECT_EQ(Board(5, 8), Piece::King);     // White's king on e1
    EXPECT_EQ(MoveCount, 2 * 39 + 2);
    EXPECT_EQ(PositionHistory.size(), 3u);
}

TEST(Uci, MirroredPositionsGiveMirroredMoves) {
    const Position white =
        Fen("r1bqk2r/pppp1ppp/2n2n2/2b1p3/2B1P3/3P1N2/PPP2PPP/RNBQK2R w KQkq - 1 5");
    const Position black =
        Fen("rnbqk2r/ppp2ppp/3p1n2/2b1p3/2B1P3/2N2N2/PPPP1PPP/R1BQK2R b KQkq - 1 5");
    DepthLimit = 4;
    uci::SetUpEngine(white, {});
    const chess::Move fromWhite = uci::StandardMove(FindBestMove(), white);
    uci::SetUpEngine(black, {});
    const chess::Move fromBlack = uci::StandardMove(FindBestMove(), black);
    DepthLimit = 0;
    auto mirror = [](int square) {
        return chess::SquareOf(chess::FileOf(square), 9 - chess::RankOf(square));
    };
    EXPECT_EQ(fromBlack.from, mirror(fromWhite.from));
    EXPECT_EQ(fromBlack.to, mirror(fromWhite.to));
}

TEST(Uci, EngineCastlingAndPromotionInStandardTerms) {
    const Position white = Fen("4k3/8/8/8/8/8/8/R3K2R w KQ - 0 30");
    EXPECT_EQ(chess::MoveText(uci::StandardMove("9191", white)), "e1g1");
    EXPECT_EQ(chess::MoveText(uci::StandardMove("9898", white)), "e1c1");
    const Position black = Fen("r3k2r/8/8/8/8/8/8/4K3 b kq - 0 30");
    EXPECT_EQ(chess::MoveText(uci::StandardMove("9191", black)), "e8g8");
    const Position promotions = Fen("4k3/1P6/8/8/8/8/8/4K3 w - - 0 30");
    // On the engine's mirrored board White's pawn on b7 stands on (2,2) and goes to (2,1).
    EXPECT_EQ(chess::MoveText(uci::StandardMove("2221", promotions)), "b7b8q");
}

TEST(Uci, CastlingThroughAPawnsAttackIsNotOffered) {
    // The pawn on g2 attacks f1; the engine's own maps would not count it.
    const Position position = Fen("4k3/8/8/8/8/8/6p1/4K2R w K - 0 30");
    uci::SetUpEngine(position, {});
    EXPECT_EQ(CastleFlags[Castle::BlackKingNow], No);
    const Position open = Fen("4k3/8/8/8/8/8/8/4K2R w K - 0 30");
    uci::SetUpEngine(open, {});
    EXPECT_EQ(CastleFlags[Castle::BlackKingNow], Yes);
}

}  // namespace
}  // namespace ostrand

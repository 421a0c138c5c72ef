#include "ReferenceEvaluation.h"

#include <cmath>

#include "Evaluation.h"
#include "MoveGeneratorInternal.h"
#include "PieceRules.h"
#include "Support.h"
#include "Variables.h"

namespace ostrand::reference {

namespace {

// Every square the piece of colour C on (x, y) covers, whatever stands there: border cells
// too for pawns, knights and kings, a slider's rays as ray counts them.
template <rules::Colour C>
void MarkControl(Grid& map, int x, int y, void (*ray)(int, int, int, int)) {
    using S = rules::Side<C>;
    auto mark = [&](int dx, int dy) { ++map(x + dx, y + dy); };
    switch (S::Sign * Board(x, y)) {
        case Piece::Pawn:
            for (int dx : {0, 1, -1})
                mark(dx, S::Ahead);
            return;
        case Piece::Knight:
            for (const rules::Step& s : rules::KnightOffsets)
                mark(s.dx, s.dy);
            return;
        case Piece::King:
            for (const rules::Step& s : rules::KingOffsets)
                mark(s.dx, s.dy);
            return;
        case Piece::Bishop:
        case Piece::Rook:
        case Piece::Queen:
            rules::WalkSliderRays(S::Sign * Board(x, y),
                                  [&](int dx, int dy) { ray(x, y, dx, dy); });
            return;
        default: return;
    }
}

}  // namespace

void MarkBlackPieceControl(int x, int y) {
    MarkControl<rules::Colour::Black>(BlackAttacks, x, y, MarkBlackRay);
}

void MarkWhitePieceControl(int x, int y) {
    MarkControl<rules::Colour::White>(WhiteAttacks, x, y, MarkWhiteRay);
}

int16_t PawnStructure() {
    auto holds = [](int x, int y, int code) { return Board(x, y) == code; };
    // A pawn with no pawn of its colour on the six squares of the neighbouring files.
    auto isolated = [&](int x, int y, int code) {
        return !holds(x - 1, y, code) && !holds(x + 1, y, code) && !holds(x - 1, y + 1, code) &&
               !holds(x + 1, y + 1, code) && !holds(x - 1, y - 1, code) &&
               !holds(x + 1, y - 1, code);
    };
    int score = 0;
    for (int x = 1; x <= 8; ++x) {
        int black = 0, white = 0;
        for (int y = 1; y <= 8; ++y) {
            if (Board(x, y) == Piece::Pawn) {
                ++black;
                if (isolated(x, y, Piece::Pawn)) score -= 25;
            }
            if (Board(x, y) == -Piece::Pawn) {
                ++white;
                if (isolated(x, y, -Piece::Pawn)) score += 25;
            }
        }
        if (black >= 2) score -= 25;
        if (white >= 2) score += 25;
    }
    return static_cast<int16_t>(score);
}

int16_t ComputeControlMaps() {
    ClearAttackMaps();
    for (int x = 1; x <= 8; ++x)
        for (int y = 1; y <= 8; ++y) {
            if (Board(x, y) < 0) MarkWhitePieceControl(x, y);
            if (Board(x, y) > 0) MarkBlackPieceControl(x, y);
        }
    return 0;
}

int16_t KingSafety(int16_t sign) {
    int16_t bx = 0, by = 0, wx = 0, wy = 0;
    FindKings(bx, by, wx, wy);
    int attacks = 3 * BlackAttacks(wx, wy) - 2 * WhiteAttacks(bx, by);
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
            if (dx != 0 || dy != 0) attacks -= WhiteAttacks(bx + dx, by + dy);
    int term = 25 * attacks;
    if (Board(bx, by - 1) == Piece::Pawn) term += 40;
    if (Board(bx + 1, by - 1) == Piece::Pawn) term += 30;
    if (Board(bx - 1, by - 1) == Piece::Pawn) term += 30;
    if (Board(wx, wy + 1) == -Piece::Pawn) term -= 40;
    if (Board(wx + 1, wy + 1) == -Piece::Pawn) term -= 30;
    if (Board(wx - 1, wy + 1) == -Piece::Pawn) term -= 30;
    const int distance = static_cast<int>(
        std::floor(std::sqrt(static_cast<double>((by - wy) * (by - wy) + (bx - wx) * (bx - wx)))));
    // Sums wrap in 16 bits, as the whole evaluation does.
    return static_cast<int16_t>(static_cast<int16_t>(term) - distance * 30 * sign);
}

int16_t Evaluate() {
    const StageTable* tables[] = {&StageTable1, &StageTable2, &StageTable3, &StageTable4};
    if (Stage < 1 || Stage > 4) return 0;
    const StageTable& table = *tables[Stage - 1];
    int sum = 0;
    for (int x = 1; x <= 8; ++x)
        for (int y = 1; y <= 8; ++y)
            sum += table(Board(x, y), x, y);
    const auto tableSum = static_cast<int16_t>(sum);
    if (Stage != 4) return static_cast<int16_t>(tableSum + PawnStructure());
    const auto partial = static_cast<int16_t>(tableSum + ComputeControlMaps() + PawnStructure());
    return static_cast<int16_t>(partial + KingSafety(partial > 0 ? -1 : 1));
}

}  // namespace ostrand::reference

// The evaluation written as plainly as its rules read: a sweep over the board with the attack
// maps refilled by control marking. The engine keeps its evaluation up to date move by move
// (EvaluationInternal.h); the tests hold it against this one.
#pragma once

#include <cstdint>

namespace ostrand::reference {

// The score of the position on Board for the current Stage; 0 for a Stage outside 1..4.
int16_t Evaluate();
// Isolated and doubled pawns: -25 for Black's, +25 for White's.
int16_t PawnStructure();
// Refills both attack maps with control marking; always 0.
int16_t ComputeControlMaps();
// The end-game king term; sign +1 when the kings should stand close, -1 when apart.
int16_t KingSafety(int16_t sign);
// Control marking: adds to BlackAttacks (WhiteAttacks) every square the piece on (x, y)
// covers, whatever stands there.
void MarkBlackPieceControl(int x, int y);
void MarkWhitePieceControl(int x, int y);

}  // namespace ostrand::reference

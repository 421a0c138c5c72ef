// The ray procedures of the move generators: each slider's piece procedure walks its rays
// through these, one per kind of generator and colour. Only the generators themselves and
// the tests call them.
#pragma once

#include <string>

namespace ostrand {

// Appends a slider's moves along one ray: empty squares nearest first, then a capture.
void ListBlackRay(int x, int y, int dx, int dy, std::string& moves);
void ListWhiteRay(int x, int y, int dx, int dy, std::string& moves);
// A slider's ray count: the empty squares and the first piece of either colour.
void MarkBlackRay(int x, int y, int dx, int dy);
void MarkWhiteRay(int x, int y, int dx, int dy);
// The player's target map along one ray.
void MarkWhiteRayTargets(int x, int y, int dx, int dy);
// Hands each move along one ray to the try procedure of the colour; the capture rays only
// the capture at the ray's end.
void SearchBlackRay(int x, int y, int dx, int dy);
void SearchWhiteRay(int x, int y, int dx, int dy);
void SearchBlackCaptureRay(int x, int y, int dx, int dy);
void SearchWhiteCaptureRay(int x, int y, int dx, int dy);

}  // namespace ostrand

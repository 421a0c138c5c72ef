// The attack maps' ray procedure: each slider's marking procedure walks its rays through
// it. Only the generators themselves and the tests call it.
#pragma once

namespace ostrand {

// A slider's ray count: the empty squares and the first piece of either colour.
void MarkBlackRay(int x, int y, int dx, int dy);
void MarkWhiteRay(int x, int y, int dx, int dy);

}  // namespace ostrand

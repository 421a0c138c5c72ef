// The search below the root under the standard rules, compiled apart from the designed
// rules' (SearchTree.h).
#include "SearchTree.h"

namespace ostrand {

void tree::TryBlackStandard(int from, int target) {
    TryBlack<RuleSet::Standard>(from, target);
}
void tree::ExpandBlackOrderedStandard() {
    ExpandBlackOrdered<RuleSet::Standard>();
}
void tree::ExpandWhiteOrderedStandard() {
    ExpandWhiteOrdered<RuleSet::Standard>();
}

}  // namespace ostrand

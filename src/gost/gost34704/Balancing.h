// Step 6 of GOST 34704-2020: the balancing of the partial mixtures to one methane number.
#pragma once

#include "gost/gost34704/Selection.h"

namespace gost34704 {

enum class BalanceOutcome {
    Balanced,    // the rows taking part have one methane number
    NotBalanced, // no common methane number was reached; the rows keep a valid split
};

// Rebalances a valid split in place (every row valid for its mixture, see PartialMethaneNumber): Newton
// steps of least change from the split passed in, keeping each component's total, until the non-empty
// partial mixtures have one methane number. README.md ("Rules designed here", 6) states the rule, how
// amounts that reach zero and mixtures that cannot be matched are treated, and when it is not balanced.
BalanceOutcome BalanceSplit(Split& mixes, int choice);

} // namespace gost34704

// Steps 5 and 7 of GOST 34704-2020: the methane number of a partial mixture from its diagram, and the
// methane number of the simplified mixture from the partial mixtures.
#pragma once

#include "gost/gost34704/Selection.h"

namespace gost34704 {

// A partial mixture's methane number with its derivatives with respect to the amounts of its row.
struct PartialSlope {
    double value = 0.0;
    double slope[kSimplifiedCount] = {}; // ∂MN/∂amount, 0 for the components the mixture lacks
};

// The sum of the amounts of the mixture's own components.
double MemberTotal(const PartialMixture& mixture, const double (&row)[kSimplifiedCount]);

// The diagram's polynomial at the volume % of the mixture's x and y components within the row, with its
// slopes; the row must hold a positive amount of the mixture's components.
PartialSlope PartialMethaneNumberWithSlope(const PartialMixture& mixture,
                                           const double (&row)[kSimplifiedCount]);

// The methane number of partial mixture `number` holding the amounts `row` (volume %, in the order of the
// simplified mixture). NaN when an amount is negative or not finite, when the row holds an amount of a
// component the mixture lacks, or when it is empty.
double PartialMethaneNumber(int number, const double (&row)[kSimplifiedCount]);

// The methane number of the simplified mixture: the mean of the non-empty rows' methane numbers weighted
// by their total amounts; NaN when a non-empty row is invalid or every row is empty.
double SplitMethaneNumber(const Split& mixes, int choice);

} // namespace gost34704

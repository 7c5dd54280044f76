// What the input pages accept where the user types it: texts the settings store can keep in its list
// values (no "/" separator, no value over 255 characters), aliases that name one component only,
// constant fractions and uncertainties that are plain non-negative numbers, and the decimals of the
// view settings. Each check answers 0 when the input is accepted, or the string-table text of the
// notice that refuses it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "calc/CalcSettings.h" // kMaxViewDecimals
#include "data/ComponentCatalogue.h"

// Russian users type a decimal comma, others a point: both separate the decimals of a typed number,
// which is kept as a number (and so stored with a point) whichever was typed.
bool IsDecimalSeparator(char16_t c);

// The decimals typed in a view dialog: digits only, 0 to kMaxViewDecimals, optionally followed by a
// decimal separator and zeros ("4,0"); nullopt otherwise.
std::optional<int32_t> ParseViewDecimals(std::u16string_view text);

// A field of a stored list value: refused when it holds "/" (the store's separator).
uint32_t CheckListField(std::u16string_view text);
// A whole list value as the store formats it: refused when longer than the store keeps.
uint32_t CheckListValueLength(size_t length);

// The alias typed for component row of aliases: not empty, no "/", the stored entry within its length,
// and no other row's alias equal to it without regard to letter case (the lookup would find the other
// component first).
uint32_t CheckAlias(const AliasList& aliases, size_t row, std::u16string_view alias);

// A number typed for a constant component: optional spaces, digits with at most one decimal
// separator (comma or point), at most kMaxViewDecimals decimals.
struct TypedNumber {
    double value = 0.0;
    int32_t decimals = 0; // characters after the separator, 0 when there is none
};
// The decimal separator of the C runtime: "," when it reads "0,5" as a positive number, "." otherwise.
char16_t DecimalSeparator();
// Parses text; the refusal in refusal (0 when accepted). A fraction must also be at most 100 mol %.
std::optional<TypedNumber> ParseConstantNumber(std::u16string_view text, bool fraction, uint32_t& refusal);

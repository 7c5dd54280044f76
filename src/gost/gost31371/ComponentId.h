// Comparison of component identifiers held in fixed 64-unit UTF-16 fields (table rows, fraction entries)
// with a caller's zero-terminated identifier.
#pragma once

namespace gost31371 {

inline constexpr int kIdentifierCapacity = 64; // code units, terminator included

// Exact comparison (identifiers are lower-case ASCII by convention). A stored field without a terminator
// within its 64 units matches nothing; the caller's string is never read past its own terminator.
bool SameComponent(const char16_t* storedField, const char16_t* identifier);

// The stored field is the given ASCII identifier.
bool FieldIs(const char16_t* storedField, const char* asciiIdentifier);

} // namespace gost31371

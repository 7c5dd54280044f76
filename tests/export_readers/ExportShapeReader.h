// A reader of exactly the shape the JSON export is prescribed to have, as the programs that receive the
// file read it: JSON (RFC 8259) with two departures the writer keeps on purpose, a comma allowed after
// the last member of an object and the last element of an array, and the mixture section's list of bare
// "pair" members ("mixture":[ "pair":[...] "pair":[...] ]). Numbers are written by the C library's %g
// and so may also be nan, inf or -inf. Anything else is refused with the offset where reading stopped.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace exportshape {

struct Value {
    enum class Kind { Object, Array, String, Number, Boolean };
    Kind kind = Kind::Object;
    std::string text; // a string's decoded UTF-8, a number's or a boolean's own characters
    // An object's members in order; an array's elements with an empty name, or "pair" for a bare member.
    std::vector<std::pair<std::string, Value>> items;

    // The first member of that name, or nullptr.
    const Value* Member(std::string_view name) const;
};

struct ReadResult {
    bool ok = false;
    size_t errorOffset = 0;
    std::string error;
    Value root;
};

ReadResult ReadExport(std::string_view document);

// Every decoded string of the tree, in document order (names excluded).
void CollectStrings(const Value& value, std::vector<std::string>& strings);

} // namespace exportshape

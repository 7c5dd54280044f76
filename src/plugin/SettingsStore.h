// Reads every setting of the calculation context from the host profile and writes it back. Keys begin
// with "Tarvel/"; scalars go through "Profile/GetInt"/"Profile/SetInt", texts and the numbered lists
// through "Profile/GetString"/"Profile/SetString", and stale list entries are removed with
// "Profile/DelParam". Neither direction ever fails: a missing key gives its default, a stored integer
// outside its bounds (CalcSettings.def) its default and one journal entry, a malformed list element is
// skipped.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct CalcContext;
struct MixtureComponent;

namespace SettingsStore {

void Load(CalcContext& context);
void Save(const CalcContext& context);

// Highest index of a numbered list entry ("Tarvel/Analysis1023").
inline constexpr int kLastListIndex = 1023;
// A formatted key or value holds at most this many characters (a 256-character buffer with its
// terminator); longer values are cut there, never split inside a surrogate pair.
inline constexpr size_t kMaxValueLength = 255;

// The fields of a list value: separated by "/", runs of separators counting as one, so no field is empty.
std::vector<std::u16string> SplitFields(std::u16string_view value);

// The stored value of a constant component: identifier, fraction, uncertainty and their digit counts,
// each number with its typed decimals and at least kConstantDecimals ("%f").
inline constexpr int32_t kConstantDecimals = 6;
std::u16string ConstantValue(const MixtureComponent& constant);

} // namespace SettingsStore

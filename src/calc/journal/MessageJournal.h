// The journal of the last calculation run: what each stage found (missing inputs, failed acceptability
// or control checks, values out of range), in the order the stages found it. Entries are only ever
// appended, and the whole journal is emptied at the start of a run; the same message may occur many
// times.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Section of the calculation an entry belongs to, named after its export code. Kept as a plain 32-bit
// number: any other value is carried along and shown with an empty name and code.
namespace JournalCategory {
inline constexpr uint32_t General = 0; // "GENERAL"
inline constexpr uint32_t Calib = 1;   // "CALIB": calibration and its acceptability and control
inline constexpr uint32_t Comp = 2;    // "COMP": composition
inline constexpr uint32_t Prop = 3;    // "PROP": physical properties
inline constexpr uint32_t Metn = 4;    // "METN": methane number
inline constexpr uint32_t Mix = 5;     // "MIX": reference-mixture checks
inline constexpr uint32_t Count = 6;
} // namespace JournalCategory

struct JournalEntry {
    uint32_t category = JournalCategory::General;
    std::u16string text; // the finished message
};

struct MessageJournal {
    std::vector<JournalEntry> entries; // in insertion order
};

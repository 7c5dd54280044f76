// What a run on a simulated laboratory should give: the true molar fraction of each row of the component
// table and the journal written as comparable lines.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "GasComposition.h"
#include "calc/journal/MessageJournal.h"
#include "text/Format.h"

namespace pipelinetest {

// "<category>|<text>" of every entry in journal order (UTF-8, so that a failing comparison is readable).
std::vector<std::string> JournalLines(const MessageJournal& journal);
// The line an entry with that category, string id and arguments has.
std::string Line(uint32_t category, uint32_t stringId, std::initializer_list<FormatArg> args = {});

// The molar fraction of a row of the component table in the true gas, mol %. The groups c6, c7 and c8
// (calibrated as n-hexane, n-heptane and n-octane) and c6plus (calibrated as n-hexane) read their member
// hydrocarbons in equivalents of the alkane they are calibrated as (each weighted by its detector
// response relative to that alkane's), which is what a chromatograph calibrated so measures.
double TrueFraction(const sim::GasComposition& gas, std::u16string_view rowId);

} // namespace pipelinetest

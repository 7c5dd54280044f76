// The plug-in's string table: Russian texts by numeric id, generated from resources/strings.tsv (the
// same source gives the Windows STRINGTABLE resource). Named ids are in text/StringIds.gen.h.
#pragma once

#include <cstdint>
#include <string_view>

#include "text/StringIds.gen.h"

// The text of id, or an empty text when the table has no such id.
std::u16string_view LoadText(uint32_t id);
bool HasText(uint32_t id);

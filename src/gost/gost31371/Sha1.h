// SHA-1 (FIPS 180-4) of a table file, which names the laboratory table in force wherever a result is
// certified.
#pragma once

#include <string>
#include <string_view>

namespace gost31371 {

// 40 lower-case hexadecimal digits.
std::string Sha1Hex(std::string_view bytes);

} // namespace gost31371

// The default tables of metrological characteristics of the four methods of GOST 31371.7-2020. Their rows
// are generated at build time from data/metrology_tables.tsv, where each row names the source of its range
// and of its coefficients (README.md, "Tables of metrological characteristics").
#pragma once

#include <cstdint>

#include "gost/gost31371/include/Tarvel31371720.h"

namespace gost31371 {

// А, Б, В1, В2.
enum class Method { A, B, C1, C2 };

inline constexpr int kMethodCount = 4;

struct TableView {
    const MetrologyRow* rows;
    const char* const* sources; // per row: its range source and coefficient source joined by a tab
    int32_t count;
};

// The built-in designed rows, owned by the library, valid for the life of the process. The rows in force
// may come from a laboratory's file instead (TablesInForce.h).
TableView DefaultTable(Method method);

} // namespace gost31371

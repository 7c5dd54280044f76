// The table of metrological characteristics of the calculation method of GOST 31371.7-2020 as the
// composition reads it: measuring ranges and U = a·x + b per component, owned by the calculation library.
#pragma once

#include <cstdint>

#include "gost/gost31371/include/Tarvel31371720.h"

struct MethodTable {
    const MetrologyRow* rows = nullptr;
    int32_t rowCount = 0;
};

// The table of method 0 А, 1 Б, 2 В1 or 3 В2; any other method, or a missing library, gives no rows.
MethodTable MethodTableOf(int32_t method);

inline constexpr int32_t kMethodA = 0;
inline constexpr int32_t kMethodB = 1;
inline constexpr int32_t kMethodC1 = 2;
inline constexpr int32_t kMethodC2 = 3;

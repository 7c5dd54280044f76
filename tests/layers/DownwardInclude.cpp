// Compiled as part of the result-table layer: the data layer lies below it, so this include is found.
#include "data/ZeroTolerance.h"

double DownwardProbe() {
    return kZeroTolerance;
}

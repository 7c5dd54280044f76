// Compiled as part of the data layer: the result tables lie above it, so this include is not found.
#include "results/ValueRules.h"

double UpwardProbe() {
    return kMegajoulesPerKilocalorie;
}

// One row of the composition of the analysed gas; a peak of an analysis chromatogram has the same shape
// (the peak loader fills id, time, area and height and leaves the rest at its initial value).
#pragma once

#include <cstdint>
#include <string>

struct ComponentResult {
    bool accepted = false;          // passed the acceptability of the two measurements (or the control check)
    std::u16string id;              // component identifier
    bool fixed = false;             // conditionally constant component given by the user
    double time = 0.0;              // retention time (mean of the measurements)
    double area = 0.0;              // peak area (mean)
    double height = 0.0;            // peak height (mean)
    double molarFraction = 0.0;     // mol %, after methane by difference or normalisation
    double rawFraction = 0.0;       // mol %, mean of x1 and x2 before normalisation
    double uncertainty = 0.0;       // absolute expanded uncertainty of molarFraction, mol %
    double rawUncertainty = 0.0;    // absolute expanded uncertainty of rawFraction, mol %
    double volumeFraction = 0.0;    // %
    double massFraction = 0.0;      // %
    double difference = 0.0;        // |x1 - x2|, mol %
    double acceptLimit = 0.0;       // 1.4 x rawUncertainty, mol %
    double x1 = 0.0;                // mol % found in the first measurement (0 when absent there)
    double x2 = 0.0;                // mol % found in the second measurement (0 when absent there)
    double lowerLimit = 0.0;        // lower bound of the measuring range, mol %; 0 when not found
    double referenceValue = 0.0;    // certified mol % in the control mixture; 0 otherwise
    int32_t referenceDecimals = -1; // decimals of that certified value; -1 when none
};

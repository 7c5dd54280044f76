// Everything GOST 31371.7-2020 asks of a table of metrological characteristics and its norms: the
// coefficient rows of the four methods, the allowed relative standard deviation of the areas by band, the
// critical-range factors f(n) and the ratio that bounds a single-point reference mixture. One set is in
// force at a time (TablesInForce.h): the built-in designed one or a laboratory's file.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "gost/gost31371/MetrologyTables.h"

namespace gost31371 {

// The band [lower, upper] of molar fractions (mol %) with its allowed relative standard deviation of the
// peak areas, %. At a bound two bands share, the band with the smaller lower bound holds the fraction.
struct AllowedBand {
    double lowerMolPct;
    double upperMolPct;
    double allowedRelativeSdPct;
    std::string source;
};

// Critical-range factor f(n) of n results (ISO 5725-6).
struct CriticalRangeEntry {
    int n;
    double factor;
    std::string source;
};

struct TableSet {
    std::vector<MetrologyRow> rows[kMethodCount]; // А, Б, В1, В2
    std::vector<std::string> sources[kMethodCount];
    std::vector<AllowedBand> allowedBands;
    std::vector<CriticalRangeEntry> criticalRange;
    double mixtureRatio = 0.0; // certified / analysed fraction permitted either way; 0: none in force
    std::string mixtureRatioSource;
    int32_t fileParts = 0;    // MetrologyTablePart bits that came from a file
    int32_t fileRowCount = 0; // rows read from the file
};

// The built-in designed set: data/metrology_tables.tsv and the norms of Norms.cpp.
TableSet BuiltInTableSet();

// The number of coefficient rows over the four methods.
int32_t CoefficientRowCount(const TableSet& tables);

// Whether the identifier is a component of some built-in table (the components the library knows).
bool IsKnownComponent(const std::string& identifier);

// "A", "B", "C1", "C2": the method's keyword in a table file.
const char* MethodKeyword(int method);

} // namespace gost31371

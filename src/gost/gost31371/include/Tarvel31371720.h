// Tarvel31371720: the calculation library of GOST 31371.7-2020 (natural gas, determination of the
// composition with an assessed uncertainty by gas chromatography, methods А, Б, В1, В2).
//
// Conventions of the whole interface: concentrations are molar fractions in mol %; relative values in %;
// component identifiers are zero-terminated UTF-16 strings of at most 63 characters; area arrays are
// contiguous doubles of the stated length. No function throws or raises a floating-point exception into
// the caller; a result that cannot be computed is 0, false or status -1, its outputs set to 0.
#pragma once

#include <cstdint>

#ifndef TARVEL_EXPORT
#define TARVEL_EXPORT
#endif

extern "C" {

// One row of a table of metrological characteristics: the expanded uncertainty of a component in the
// range [lower, upper] is a·x + b (x in mol %).
struct MetrologyRow {
    char16_t component[64];
    double lower;
    double upper;
    double a;
    double b;
};
static_assert(sizeof(MetrologyRow) == 160, "the row layout is part of the interface");

struct FractionEntry {
    char16_t component[64];
    double value;
};
static_assert(sizeof(FractionEntry) == 136, "the entry layout is part of the interface");

// Tables of metrological characteristics of methods А, Б, В1, В2, owned by the library (read-only, valid
// while it is loaded); the row count is written through rowCount. Null (and no count) for a null rowCount.
TARVEL_EXPORT const MetrologyRow* GetDefaultConstTableMethodA(int32_t* rowCount);
TARVEL_EXPORT const MetrologyRow* GetDefaultConstTableMethodB(int32_t* rowCount);
TARVEL_EXPORT const MetrologyRow* GetDefaultConstTableMethodC1(int32_t* rowCount);
TARVEL_EXPORT const MetrologyRow* GetDefaultConstTableMethodC2(int32_t* rowCount);

// Factor bringing peak areas measured at the given atmospheric pressure (kPa) and sample-loop temperature
// (°C) to 101.325 kPa and 20 °C; CalcNormArea multiplies an area by it.
TARVEL_EXPORT double CalcRQRate(double atmosphericPressureKPa, double temperatureC);
TARVEL_EXPORT double CalcNormArea(double area, double factor);
// Calibration factor of one chromatogram, K = concentration / area.
TARVEL_EXPORT double CalcCalibFactorDiv(double concentration, double area);
// Mean factor K of n chromatograms and the rate of acceptability of the factors (their relative range,
// %); status 0, or -1 when a factor is undefined (K = 0, rate = n·100 %) or an argument is unusable.
TARVEL_EXPORT int32_t CalcCalibFactorMCnt(const double* areas, int32_t n, double concentration, double* k,
                                          double* rate);
// Limit for the rate of CalcCalibFactorMCnt, %; 0 when the table has no range of the component holding c.
TARVEL_EXPORT double CalcLimitValue(const MetrologyRow* table, int32_t rowCount, const char16_t* component,
                                    double concentration);
// Calibration line through the origin (area = a·x) from n areas of each of two mixtures; status 0 or -1.
// reserved is neither read nor written.
TARVEL_EXPORT int32_t CalcCalibFactorMVrb(const double* areas1, const double* areas2, int32_t n, double c1,
                                          double c2, double* a, double* reserved);
// Least-squares line area = a·x + b on all 2n areas; status 0 or -1. reserved is neither read nor written.
TARVEL_EXPORT int32_t CalcCalibFactorMVrbLS(const double* areas1, const double* areas2, int32_t n, double c1,
                                            double c2, double* a, double* b, double* reserved);
TARVEL_EXPORT double CalcConcentrationMCnt(double area, double k);
// The calibration line gives area = a·x + b.
TARVEL_EXPORT double CalcConcentrationMVrb(double area, double a, double b);
TARVEL_EXPORT double AreasRelativeStandardDeviation(const double* areas, int32_t n);
TARVEL_EXPORT double AreasRelativeRange(const double* areas, int32_t n);
// Allowed relative standard deviation of peak areas, %, at a molar fraction.
TARVEL_EXPORT double GetAllowedValue(double concentration);
// Relative standard deviation of the areas not above the allowed value.
TARVEL_EXPORT bool CalibrationCheck(const double* areas, int32_t n, double concentration);
// Relative range of the areas not above the ISO 5725-6 critical range f(n) times the allowed value.
TARVEL_EXPORT bool ControlCheck(const double* areas, int32_t n, double concentration);
// Methane by difference, 100 minus the other values (an entry named "methane" takes no part), and its
// expanded uncertainty from the other components' uncertainties.
TARVEL_EXPORT double CalcMethane(const FractionEntry* entries, int32_t count);
TARVEL_EXPORT double CalcMethaneU(const FractionEntry* entries, int32_t count);
// Scales the values in place to sum to total; returns their sum before scaling (0: nothing changed).
TARVEL_EXPORT double Normalize(FractionEntry* entries, int32_t count, double total);
// Expanded absolute uncertainty a·x + b of x by the component's row that holds x; 0 when none does.
TARVEL_EXPORT double CalcU(const MetrologyRow* table, int32_t rowCount, const char16_t* component, double x);
// Whether a reference mixture with certified fraction c suits an analysed fraction x (single-point
// methods); lower and upper receive the permitted range of c.
TARVEL_EXPORT bool CheckMoleFactor(double x, double c, double* lower, double* upper);

// The table of metrological characteristics in force and its provenance. The library reads the file
// Tarvel31371720.tsv beside its own module once, on the first call that needs a table or a norm: absent,
// the built-in designed tables and norms are in force; present and valid, its rows replace the built-in
// ones part by part (a method's coefficient rows, the allowed deviations, the critical-range factors, the
// mixture ratio); present and faulty, the whole file is refused and nothing is in force: the table getters
// give no rows, GetAllowedValue 0, CalibrationCheck, ControlCheck and CheckMoleFactor false.
enum MetrologyTableKind : int32_t {
    kMetrologyBuiltInTable = 0,    // no file: the built-in designed table
    kMetrologyLaboratoryTable = 1, // the laboratory's file is in force
    kMetrologyRefusedFile = 2,     // the laboratory's file was refused; no table is in force
};

// Parts of a table file (bits of fileParts).
enum MetrologyTablePart : int32_t {
    kMetrologyPartMethodA = 1,
    kMetrologyPartMethodB = 2,
    kMetrologyPartMethodC1 = 4,
    kMetrologyPartMethodC2 = 8,
    kMetrologyPartAllowedDeviation = 16,
    kMetrologyPartCriticalRange = 32,
    kMetrologyPartMixtureRatio = 64,
};

// Why a table file was refused.
enum MetrologyFileFault : int32_t {
    kMetrologyFaultNone = 0,
    kMetrologyFaultUnreadable = 1,       // the file cannot be opened or read (line 0)
    kMetrologyFaultTooLarge = 2,         // the file is larger than the library reads (line 0)
    kMetrologyFaultNotUtf8 = 3,          // the line is not UTF-8
    kMetrologyFaultLineTooLong = 4,      // the line is longer than 1024 bytes
    kMetrologyFaultFieldCount = 5,       // too few tab-separated fields for the row's kind
    kMetrologyFaultUnknownMethod = 6,    // the first field names no method and no norm
    kMetrologyFaultUnknownComponent = 7, // the component identifier is not one of the library's
    kMetrologyFaultNotANumber = 8,       // a field that must be a finite number is not
    kMetrologyFaultNegative = 9,         // a negative coefficient a or b
    kMetrologyFaultRange = 10,           // lower not below upper, or a bound outside 0..100 mol %
    kMetrologyFaultOverlap = 11,         // the range overlaps another of the same method and component
    kMetrologyFaultDuplicate = 12,       // the row repeats an earlier one
    kMetrologyFaultNormValue = 13,       // a norm outside its bounds (see the file's header)
    kMetrologyFaultNoRows = 14,          // the file holds no row at all (line 0)
};

struct MetrologyTableSource {
    int32_t kind;           // MetrologyTableKind
    int32_t rowCount;       // the file's rows (laboratory), the built-in coefficient rows, 0 (refused)
    int32_t fileParts;      // MetrologyTablePart bits taken from the file
    int32_t faultLine;      // refused: the line of the first fault, 1-based (0: the file as a whole)
    int32_t fault;          // refused: MetrologyFileFault of that fault
    char16_t sha1[48];      // laboratory or refused file: its SHA-1, 40 lower-case hexadecimal digits
    char16_t faultText[64]; // refused: the offending text of the line, cut to 63 units
    char16_t path[1024];    // the file looked for beside the library, cut to 1023 units
};
static_assert(sizeof(MetrologyTableSource) == 2292, "the record layout is part of the interface");

struct MetrologyFileIssue {
    int32_t line;      // 1-based; 0 for the file as a whole
    int32_t fault;     // MetrologyFileFault
    char16_t text[64]; // the offending text, cut to 63 units
};
static_assert(sizeof(MetrologyFileIssue) == 136, "the record layout is part of the interface");

// Which table is in force; status 0, -1 for a null source.
TARVEL_EXPORT int32_t GetMetrologyTableSource(MetrologyTableSource* source);
// The table in force written in the file format (UTF-8, "\n" line ends), a template for a laboratory's
// file. Returns the length in bytes without the terminator and writes at most capacity - 1 bytes and a
// terminator into buffer (null buffer or capacity 0: nothing written); -1 when a refused file leaves no
// table in force.
TARVEL_EXPORT int32_t WriteMetrologyTableText(char* buffer, int32_t capacity);
// Reads and checks a table file at path without putting it in force: every fault, in line order, at most
// capacity of them written into issues; the number of faults through issueCount and the parts the file
// gives through fileParts (either may be null). Status 0 for a valid file, -1 when it would be refused.
TARVEL_EXPORT int32_t CheckMetrologyTableFile(const char16_t* path, MetrologyFileIssue* issues,
                                              int32_t capacity, int32_t* issueCount, int32_t* fileParts);
// The rows of a method (0 А, 1 Б, 2 В1, 3 В2) that the table file at path would put in force (its own, or
// the built-in rows of a method it does not give): at most capacity rows into rows, the number through
// rowCount. Status 0, -1 when the file would be refused or an argument is unusable.
TARVEL_EXPORT int32_t MetrologyTableFileRows(const char16_t* path, int32_t method, MetrologyRow* rows,
                                             int32_t capacity, int32_t* rowCount);

} // extern "C"

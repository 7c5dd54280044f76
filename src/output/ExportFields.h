// The records the XML and the TXT export share: the same values under the same conditions, written as
// elements by the one and as key lines by the other.
#pragma once

#include <string>
#include <vector>

struct Assay;
struct CalcContext;
struct CalibrationResult;
struct ComponentResult;

struct ExportField {
    std::string element;       // XML element name
    std::string key;           // TXT key
    std::u16string text;       // the value as the XML export writes it
    bool capitalInTxt = false; // a boolean or keyword, which the TXT export writes in capitals
};
using ExportRecord = std::vector<ExportField>;

// The shown columns of AssaysTable; dateText is the time as the format writes it, the role its keyword.
ExportRecord AssayRecord(const Assay& assay, const CalcContext& context, const std::u16string& dateText);

// isok, peak (TXT: COMPONENT), then the calibration members.
ExportRecord CalibrationRecord(const CalibrationResult& row, const CalcContext& context);

// isok, peak (TXT: COMPONENT), then the component members.
ExportRecord ComponentRecord(const ComponentResult& row, const CalcContext& context);

// Each shown physical property followed by its uncertainty ("u" + key, TXT "U" + KEY).
ExportRecord CalculationRecord(const CalcContext& context);

// mncm, mn.
ExportRecord MethaneRecord(const CalcContext& context);

// method (TXT: CALCMETHOD; absent for an unknown method), control, mixtureconformity, pressure,
// measuretemp, burnouttemp (each absent for an unknown index), methanediff, identitymatrix,
// conformity, laboratory, metrologytable (the table of metrological characteristics in force: "designed",
// "laboratory <SHA-1 of its file>"; absent when the library does not say).
ExportRecord SettingsRecord(const CalcContext& context);

// Shared by the calibration tests: a small host database written by the test (reference mixtures and
// chromatograms with exactly the peak areas given), the chromatogram list of a context, and the journal
// read back as texts.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "HostWriter.h"
#include "calc/CalcContext.h"
#include "calc/journal/Journal.h"
#include "data/Assay.h"

namespace calibtest {

struct Peak {
    std::u16string name; // as the host stores it (a display name)
    double area = 0.0;
};

// A host database in the temporary folder, written peak by peak, then opened to the calculation as the
// host's database. The file is removed and the address cleared on destruction.
class CalibrationDatabase {
public:
    CalibrationDatabase();
    ~CalibrationDatabase();
    CalibrationDatabase(const CalibrationDatabase&) = delete;
    CalibrationDatabase& operator=(const CalibrationDatabase&) = delete;

    // A reference mixture with its certified components (names as the host stores them).
    void Mixture(const std::u16string& name, std::initializer_list<sim::CertifiedComponent> components);
    // One chromatogram recorded with the mixture's name; returns its assay id.
    int64_t Chromatogram(const std::u16string& mixture, const std::vector<Peak>& peaks);
    // count chromatograms with the same peaks.
    std::vector<int64_t> Chromatograms(const std::u16string& mixture, const std::vector<Peak>& peaks,
                                       int count);
    // Closes the writer and points the host's database address at the file.
    void Open();

private:
    std::string path_;
    std::unique_ptr<sim::HostWriter> writer_;
};

// Appends chromatograms to the context's list, all with one group stamp.
void AddToList(CalcContext& context, const std::vector<int64_t>& ids, AssayRole role,
               const std::u16string& mixture, uint32_t groupStamp, bool included = true);

// A context with the general assignment of one mixture (methods А and Б) and the method set.
CalcContext OneMixtureContext(const std::u16string& mixture, int32_t method);

// The texts of the journal in order, in UTF-8; every entry must be in the calibration's category.
std::vector<std::string> JournalTexts(const CalcContext& context);

// One expected journal text, in UTF-8.
std::string Text(uint32_t stringId, std::initializer_list<FormatArg> args = {});

const CalibrationResult* FindResult(const CalcContext& context, std::u16string_view component);

// Calibration factors of methods А and Б by GOST 31371.7-2020: K_j = c / A_j, their mean, and the rate of
// acceptability, the relative range of the factors, %.
struct Factors {
    double k1, k2, k3, mean, ratePct;
};
Factors FactorsOf(double concentrationMolPct, double a1, double a2, double a3);

} // namespace calibtest

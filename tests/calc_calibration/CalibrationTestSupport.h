// Shared by the calibration tests: the host's reference mixtures and chromatograms with exactly the peak
// areas given, held in memory for the context to read; the chromatogram list of a context; the journal
// entries the calibration writes.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "HostWriter.h"
#include "calc/CalcContext.h"
#include "data/Assay.h"
#include "support/HostRecords.h"
#include "support/JournalExpectations.h"
#include "text/Format.h"

namespace calibtest {

struct Peak {
    std::u16string name; // as the host stores it (a display name)
    double area = 0.0;
};

// A reference mixture with its certified components (names as the host stores them), written to a host
// (testsupport::HostRecords or sim::HostWriter).
template <typename Host>
void AddMixture(Host& host, const std::u16string& name,
                std::initializer_list<sim::CertifiedComponent> components) {
    const int64_t id = host.AddMixture(name);
    for (const auto& component : components) {
        host.AddMixtureComponent(id, component);
    }
}

// One calibration chromatogram recorded with the mixture's name, its peaks half a minute apart in the
// order given; returns its assay id.
template <typename Host>
int64_t AddChromatogram(Host& host, const std::u16string& mixture, const std::vector<Peak>& peaks) {
    sim::AssayRow row;
    row.mixture = mixture;
    row.calibration = true;
    const int64_t id = host.AddAssay(row);
    double time = 1.0;
    for (const Peak& peak : peaks) {
        host.AddPeak(id, sim::PeakRow{peak.name, time, peak.area, peak.area / 10.0});
        time += 0.5;
    }
    return id;
}

// The host's database of a test, held in memory and read by the contexts attached to it.
class CalibrationDatabase {
public:
    void Mixture(const std::u16string& name, std::initializer_list<sim::CertifiedComponent> components) {
        AddMixture(records_, name, components);
    }
    int64_t Chromatogram(const std::u16string& mixture, const std::vector<Peak>& peaks) {
        return AddChromatogram(records_, mixture, peaks);
    }
    // count chromatograms with the same peaks.
    std::vector<int64_t> Chromatograms(const std::u16string& mixture, const std::vector<Peak>& peaks,
                                       int count);
    // The context reads this database from now on, including what is added later.
    void Attach(CalcContext& context) const { records_.Attach(context); }

private:
    testsupport::HostRecords records_;
};

// Appends chromatograms to the context's list, all with one group stamp.
void AddToList(CalcContext& context, const std::vector<int64_t>& ids, AssayRole role,
               const std::u16string& mixture, uint32_t groupStamp, bool included = true);

// A context with the general assignment of one mixture (methods А and Б) and the method set.
CalcContext OneMixtureContext(const std::u16string& mixture, int32_t method);

// A journal entry of the calibration's category: string stringId filled with args, or a text as it
// stands.
testsupport::Entry CalibMessage(uint32_t stringId, std::initializer_list<FormatArg> args = {});
testsupport::Entry CalibText(std::u16string text);

const CalibrationResult* FindResult(const CalcContext& context, std::u16string_view component);

// Calibration factors of methods А and Б by GOST 31371.7-2020: K_j = c / A_j, their mean, and the rate of
// acceptability, the relative range of the factors, %.
struct Factors {
    double k1, k2, k3, mean, ratePct;
};
Factors FactorsOf(double concentrationMolPct, double a1, double a2, double a3);

// The relative sample standard deviation of areas, %: the acceptability of calibration areas by
// GOST 31371.7-2020.
double SampleRsdPct(const std::vector<double>& areas);

} // namespace calibtest

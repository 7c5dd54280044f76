#include "HostRecords.h"

#include <algorithm>
#include <cmath>

#include "calc/CalcContext.h"

namespace testsupport {

namespace {
// SQLite stores a NaN bound to a statement as NULL, which reads back as 0.
double Stored(double value) {
    return std::isnan(value) ? 0.0 : value;
}
} // namespace

int64_t HostRecords::AddMixture(std::u16string_view name) {
    const int64_t id = static_cast<int64_t>(mixtures_.size()) + 1;
    mixtures_.push_back(Mixture{id, std::u16string(name), {}});
    return id;
}

void HostRecords::AddMixtureComponent(int64_t mixtureId, const sim::CertifiedComponent& component) {
    const bool withDecimals = version_ >= sim::kVersionWithDecimals;
    for (Mixture& mixture : mixtures_) {
        if (mixture.id == mixtureId) {
            mixture.rows.push_back(HostCertifiedRow{
                component.name, Stored(component.concentration), Stored(component.deviation),
                withDecimals ? component.decimals : -1, withDecimals ? component.deviationDecimals : -1});
        }
    }
}

int64_t HostRecords::AddAssay(const sim::AssayRow& assay) {
    const int64_t id = static_cast<int64_t>(chromatograms_.size()) + 1;
    chromatograms_.push_back(
        Chromatogram{id, assay.atmpressureNull ? 0.0 : Stored(assay.atmpressureKPa), {}});
    return id;
}

const HostRecords::Chromatogram* HostRecords::ChromatogramOf(int64_t assayId) const {
    if (assayId < 1 || assayId > static_cast<int64_t>(chromatograms_.size())) {
        return nullptr;
    }
    return &chromatograms_[static_cast<size_t>(assayId - 1)];
}

void HostRecords::AddPeak(int64_t assayId, const sim::PeakRow& peak) {
    if (ChromatogramOf(assayId) != nullptr) {
        chromatograms_[static_cast<size_t>(assayId - 1)].peaks.push_back(
            HostPeakRow{peak.name, Stored(peak.timeMin), Stored(peak.area), Stored(peak.height)});
    }
}

bool HostRecords::MixtureExists(std::u16string_view name) const {
    return std::any_of(mixtures_.begin(), mixtures_.end(),
                       [name](const Mixture& mixture) { return mixture.name == name; });
}

// As the host's outer join of mixtures and their components: a mixture without components gives one
// row of NULLs (an empty name and zeros, decimals 0 where the database keeps them).
void HostRecords::MixtureRows(std::u16string_view name, std::vector<HostCertifiedRow>& rows) const {
    rows.clear();
    for (const Mixture& mixture : mixtures_) {
        if (mixture.name != name) {
            continue;
        }
        if (mixture.rows.empty()) {
            const int32_t decimals = version_ >= sim::kVersionWithDecimals ? 0 : -1;
            rows.push_back(HostCertifiedRow{u"", 0.0, 0.0, decimals, decimals});
            continue;
        }
        rows.insert(rows.end(), mixture.rows.begin(), mixture.rows.end());
    }
}

void HostRecords::PeaksByTime(int64_t assayId, std::vector<HostPeakRow>& rows) const {
    const Chromatogram* chromatogram = ChromatogramOf(assayId);
    rows = chromatogram != nullptr ? chromatogram->peaks : std::vector<HostPeakRow>{};
    std::stable_sort(rows.begin(), rows.end(),
                     [](const HostPeakRow& a, const HostPeakRow& b) { return a.time < b.time; });
}

void HostRecords::PeakAreas(int64_t assayId, std::vector<HostPeakRow>& rows) const {
    rows.clear();
    if (const Chromatogram* chromatogram = ChromatogramOf(assayId)) {
        for (const HostPeakRow& peak : chromatogram->peaks) {
            rows.push_back(HostPeakRow{peak.name, 0.0, peak.area, 0.0});
        }
    }
}

void HostRecords::Pressures(int64_t assayId, std::vector<double>& pressuresKPa) const {
    pressuresKPa.clear();
    if (const Chromatogram* chromatogram = ChromatogramOf(assayId)) {
        pressuresKPa.push_back(chromatogram->pressureKPa);
    }
}

HostSources HostRecords::Sources() const {
    HostSources sources;
    sources.mixtureExists = [this](std::u16string_view name) { return MixtureExists(name); };
    sources.mixtureRows = [this](std::u16string_view name, std::vector<HostCertifiedRow>& rows) {
        MixtureRows(name, rows);
    };
    sources.peaksByTime = [this](int64_t id, std::vector<HostPeakRow>& rows) { PeaksByTime(id, rows); };
    sources.peakAreas = [this](int64_t id, std::vector<HostPeakRow>& rows) { PeakAreas(id, rows); };
    sources.pressures = [this](int64_t id, std::vector<double>& pressures) { Pressures(id, pressures); };
    return sources;
}

void HostRecords::Attach(CalcContext& context) const {
    context.sources = Sources();
}

} // namespace testsupport

// A host database held in memory: mixtures, chromatograms and peaks added with the simulator's row
// records, read by the calculation through the sources it hands out. A stage test fills one instead of
// writing a database file; the stage then meets exactly the rows it would read from the host (names as
// the host stores them, areas uncorrected), ordered as the host's queries order them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "HostWriter.h"
#include "data/HostSources.h"

struct CalcContext;

namespace testsupport {

class HostRecords {
public:
    // version: the host's schema version; before sim::kVersionWithDecimals the certified decimals are
    // not kept and read as -1.
    explicit HostRecords(int32_t version = 24) : version_(version) {}
    // The sources point at this object: it neither copies nor moves.
    HostRecords(const HostRecords&) = delete;
    HostRecords& operator=(const HostRecords&) = delete;

    int64_t AddMixture(std::u16string_view name);
    void AddMixtureComponent(int64_t mixtureId, const sim::CertifiedComponent& component);
    int64_t AddAssay(const sim::AssayRow& assay);
    void AddPeak(int64_t assayId, const sim::PeakRow& peak);

    // Sources that read these records for as long as this object lives.
    HostSources Sources() const;
    // The context reads these records from now on.
    void Attach(CalcContext& context) const;

private:
    struct Mixture {
        int64_t id = 0;
        std::u16string name;
        std::vector<HostCertifiedRow> rows;
    };
    struct Chromatogram {
        int64_t id = 0;
        double pressureKPa = 0.0;
        std::vector<HostPeakRow> peaks; // in the order added, as the host stores them
    };

    // The chromatogram of an id AddAssay gave (ids are 1, 2, ...); null for any other.
    const Chromatogram* ChromatogramOf(int64_t assayId) const;
    bool MixtureExists(std::u16string_view name) const;
    void MixtureRows(std::u16string_view name, std::vector<HostCertifiedRow>& rows) const;
    void PeaksByTime(int64_t assayId, std::vector<HostPeakRow>& rows) const;
    void PeakAreas(int64_t assayId, std::vector<HostPeakRow>& rows) const;
    void Pressures(int64_t assayId, std::vector<double>& pressuresKPa) const;

    int32_t version_;
    std::vector<Mixture> mixtures_;
    std::vector<Chromatogram> chromatograms_;
};

} // namespace testsupport

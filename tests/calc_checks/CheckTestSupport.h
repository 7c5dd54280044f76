// Shared by the tests of the conformity checks: reference mixtures held as the host's rows in memory for
// the context a check reads, and sources that count the reads of a check that must read nothing.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "HostWriter.h"
#include "calc/CalcContext.h"
#include "data/AliasLookup.h"
#include "data/HostSources.h"
#include "support/HostRecords.h"

namespace checkstest {

// One certified component, named by its identifier; stored under its default display name, which the
// loader turns back into the identifier.
struct Certified {
    std::u16string id;
    double concentrationMolPct = 0.0;
    double deviationMolPct = 0.0;
    int32_t decimals = 3;
};

// Reference mixtures as the host keeps them, read by every context attached to them while they live.
class MixtureRecords {
public:
    // version: the host's schema version, which decides whether the certified decimals are kept.
    explicit MixtureRecords(int32_t version = 24) : records_(version) {}

    // A mixture with its components in stored order, each uncertainty stated to three decimals.
    void Add(std::u16string_view name, const std::vector<Certified>& components) {
        const AliasList aliases = DefaultAliasList();
        const int64_t mixtureId = records_.AddMixture(name);
        for (const Certified& component : components) {
            records_.AddMixtureComponent(
                mixtureId, sim::CertifiedComponent{DisplayNameForComponent(aliases, component.id),
                                                   component.concentrationMolPct, component.deviationMolPct,
                                                   component.decimals, 3});
        }
    }
    void Attach(CalcContext& context) const { records_.Attach(context); }

private:
    testsupport::HostRecords records_;
};

// Sources that give nothing and count every call: a check that must not read leaves the count at 0.
inline HostSources CountingSources(int& reads) {
    HostSources sources;
    sources.mixtureExists = [&reads](std::u16string_view) {
        ++reads;
        return false;
    };
    sources.mixtureRows = [&reads](std::u16string_view, std::vector<HostCertifiedRow>& rows) {
        ++reads;
        rows.clear();
    };
    sources.peaksByTime = [&reads](int64_t, std::vector<HostPeakRow>& rows) {
        ++reads;
        rows.clear();
    };
    sources.peakAreas = [&reads](int64_t, std::vector<HostPeakRow>& rows) {
        ++reads;
        rows.clear();
    };
    sources.pressures = [&reads](int64_t, std::vector<double>& pressures) {
        ++reads;
        pressures.clear();
    };
    return sources;
}

} // namespace checkstest

#include "CalibrationTestSupport.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <utility>

#include "calc/journal/MessageJournal.h"

namespace calibtest {

std::vector<int64_t> CalibrationDatabase::Chromatograms(const std::u16string& mixture,
                                                        const std::vector<Peak>& peaks, int count) {
    std::vector<int64_t> ids;
    for (int i = 0; i < count; ++i) {
        ids.push_back(Chromatogram(mixture, peaks));
    }
    return ids;
}

void AddToList(CalcContext& context, const std::vector<int64_t>& ids, AssayRole role,
               const std::u16string& mixture, uint32_t groupStamp, bool included) {
    for (const int64_t id : ids) {
        Assay assay;
        assay.included = included;
        assay.id = id;
        assay.role = static_cast<int32_t>(role);
        assay.mixture = mixture;
        assay.groupStamp = groupStamp;
        context.assays.push_back(std::move(assay));
    }
}

CalcContext OneMixtureContext(const std::u16string& mixture, int32_t method) {
    CalcContext context;
    context.settings.clbrCalcMethod = method;
    context.calibrationKind = method;
    context.mixtures.push_back(ComponentMixtures{u"", mixture, u"", 0, 0});
    return context;
}

testsupport::Entry CalibMessage(uint32_t stringId, std::initializer_list<FormatArg> args) {
    return testsupport::Message(JournalCategory::Calib, stringId, args);
}

testsupport::Entry CalibText(std::u16string text) {
    return testsupport::Entry{JournalCategory::Calib, std::move(text)};
}

const CalibrationResult* FindResult(const CalcContext& context, std::u16string_view component) {
    const auto found =
        std::find_if(context.calibration.begin(), context.calibration.end(),
                     [component](const CalibrationResult& result) { return result.component == component; });
    return found == context.calibration.end() ? nullptr : &*found;
}

Factors FactorsOf(double concentrationMolPct, double a1, double a2, double a3) {
    Factors factors{};
    factors.k1 = concentrationMolPct / a1;
    factors.k2 = concentrationMolPct / a2;
    factors.k3 = concentrationMolPct / a3;
    factors.mean = (factors.k1 + factors.k2 + factors.k3) / 3.0;
    const double high = std::max({factors.k1, factors.k2, factors.k3});
    const double low = std::min({factors.k1, factors.k2, factors.k3});
    factors.ratePct = (high - low) / factors.mean * 100.0;
    return factors;
}

double SampleRsdPct(const std::vector<double>& areas) {
    const double mean = std::accumulate(areas.begin(), areas.end(), 0.0) / static_cast<double>(areas.size());
    double squares = 0.0;
    for (const double area : areas) {
        squares += (area - mean) * (area - mean);
    }
    return std::sqrt(squares / static_cast<double>(areas.size() - 1)) / mean * 100.0;
}

} // namespace calibtest

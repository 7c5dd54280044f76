#include "calc/calibration/CalibrationAreaCheck.h"

#include <algorithm>
#include <string>

#include "calc/ContextLoading.h"
#include "calc/bindings/Gost31371Binding.h"
#include "calc/calibration/CalibrationComparisons.h"
#include "calc/calibration/WindowAreas.h"
#include "calc/journal/ContextJournal.h"
#include "data/AliasLookup.h"
#include "data/MixtureLookup.h"
#include "text/StringTable.h"

namespace {
AreaSeries& CombinedRecord(std::vector<AreaSeries>& combined, const std::u16string& componentId) {
    const auto found =
        std::find_if(combined.begin(), combined.end(),
                     [&componentId](const AreaSeries& record) { return record.id == componentId; });
    if (found != combined.end()) {
        return *found;
    }
    AreaSeries record;
    record.id = componentId;
    combined.push_back(std::move(record));
    return combined.back();
}
// Says why the areas of a component failed: a check that could not be evaluated is said in words
// rather than as a comparison of two meaningless numbers.
void ReportAreasNotAcceptable(CalcContext& context, std::u16string_view mixtureName, const AreaSeries& record,
                              double concentration) {
    const std::u16string name = DisplayNameForComponent(context.aliases, record.id);
    if (!IsUsableConcentration(concentration)) {
        AddMessage(context, JournalCategory::Calib, StringId::CalibrationAreasComponentNotCertified,
                   {mixtureName, name});
        return;
    }
    if (!AreasCanBeJudged(record.areas.data(), kCalibrationAreaWindow)) {
        AddMessage(context, JournalCategory::Calib, StringId::CalibrationAreasNotJudgeable,
                   {mixtureName, name});
        return;
    }
    const Gost31371Binding& library = Gost31371();
    const auto windowSize = static_cast<int32_t>(kCalibrationAreaWindow);
    AddMessage(context, JournalCategory::Calib, StringId::CalibrationAreasNotAcceptable,
               {mixtureName, name, library.AreasRelativeStandardDeviation(record.areas.data(), windowSize),
                library.GetAllowedValue(concentration)});
}
} // namespace

bool CheckCalibrationAreas(std::span<const int64_t> ids, size_t count, CalcContext& context,
                           std::u16string_view mixtureName, bool c6plusMode,
                           std::vector<AreaSeries>& combined, size_t firstSlot, size_t& window) {
    if (count < kCalibrationAreaWindow || ids.size() < count ||
        firstSlot + kCalibrationAreaWindow > kAreaSeriesSlots) {
        return false;
    }
    const Gost31371Binding& library = Gost31371();
    std::vector<MixtureComponent> composition;
    LoadMixture(context, mixtureName, composition);

    const auto windowSize = static_cast<int32_t>(kCalibrationAreaWindow);
    for (size_t w = 0; w + kCalibrationAreaWindow <= count; ++w) {
        const std::vector<AreaSeries> series =
            LoadWindowAreas(context, ids.subspan(w, kCalibrationAreaWindow), c6plusMode);
        for (AreaSeries& record : combined) {
            std::fill(record.areas.begin() + static_cast<std::ptrdiff_t>(firstSlot), record.areas.end(), 0.0);
        }

        bool ok = true;
        for (const AreaSeries& record : series) {
            AreaSeries& target = CombinedRecord(combined, record.id);
            std::copy_n(record.areas.begin(), kCalibrationAreaWindow,
                        target.areas.begin() + static_cast<std::ptrdiff_t>(firstSlot));
            // A component absent from every chromatogram of the window gets no result and has no areas
            // to judge; it must not hold back the components that are there.
            if (std::all_of(record.areas.begin(), record.areas.begin() + kCalibrationAreaWindow,
                            [](double area) { return IsCalibrationZero(area); })) {
                continue;
            }
            const double concentration = FindMixtureConcentration(composition, record.id).concentration;
            if (!library.CalibrationCheck(record.areas.data(), windowSize, concentration)) {
                ReportAreasNotAcceptable(context, mixtureName, record, concentration);
                ok = false;
            }
        }
        if (ok) {
            window = w;
            return true;
        }
    }
    return false;
}

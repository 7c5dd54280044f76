// Physical properties of the analysed gas by GOST 31369-2021 (ISO 6976:2016) with their expanded
// uncertainties, through the Tarvel3136921 library.
#include "calc/properties/PhysicalPropertiesStage.h"

#include <algorithm>
#include <iterator>

#include "calc/Stages.h"
#include "calc/Status.h"
#include "calc/journal/ContextJournal.h"
#include "calc/properties/PropertyEntries.h"
#include "text/StringIds.gen.h"

namespace {

void ClearProperties(PhysicalProperties& record) {
    std::fill(std::begin(record.value), std::end(record.value), 0.0);
}

// Keeps the compressibility factor, to show why the rest was refused.
void ClearAllButCompressionFactor(PhysicalProperties& values, PhysicalProperties& uncertainties) {
    std::fill(std::begin(values.value) + 1, std::end(values.value), 0.0);
    ClearProperties(uncertainties);
}

} // namespace

int32_t RunPhysicalPropertiesWith(CalcContext& context, const Gost6976Binding& library) {
    ClearProperties(context.properties);
    ClearProperties(context.propertiesU);

    const PropertyEntries entries = MakePropertyEntries(PropertySourceTable(context));
    const auto count = static_cast<int32_t>(entries.finalEntries.size());
    const int32_t meteringIndex = context.settings.clcMeasureTemp;
    const int32_t combustionIndex = context.settings.clcBurnoutTemp;

    if (library.loaded) {
        // The library's own table of component constants goes back to it untouched.
        int32_t rowCount = 0;
        const void* table = library.GetDefaultConstTable3136921(&rowCount);
        library.Calc3136921(table, rowCount, entries.finalEntries.data(), count,
                            kPropertyReferencePressureKPa, meteringIndex, combustionIndex,
                            &context.properties);
        library.Calc3136921U(table, rowCount, entries.rawEntries.data(), entries.finalEntries.data(), count,
                             kPropertyReferencePressureKPa, meteringIndex, combustionIndex,
                             PropertyCorrelationMode(context.settings), &context.properties,
                             &context.propertiesU);
    }

    const double compressionFactor =
        context.properties.value[static_cast<int32_t>(PhysicalPropertyIndex::CompressionFactor)];
    // "Not above": a factor that is not a number fails as well.
    if (!(compressionFactor > kMinimumCompressionFactor)) {
        ClearAllButCompressionFactor(context.properties, context.propertiesU);
        AddMessage(context, JournalCategory::Prop, StringId::CompressibilityFactorTooLow);
        return Status::Failed;
    }
    return Status::Ok;
}

int32_t RunPhysicalProperties(CalcContext& context) {
    return RunPhysicalPropertiesWith(context, Gost6976());
}

#include "output/ExportHost.h"

#include "calc/CalcContext.h"
#include "data/MixtureLoading.h"
#include "platform/LocalTime.h"

ExportSources DefaultExportSources() {
    ExportSources sources;
    sources.loadMixture = [](const CalcContext& context, std::u16string_view mixtureName,
                             std::vector<MixtureComponent>& components) {
        LoadMixture(context.sources, context.aliases, mixtureName, components);
    };
    sources.localDateTime = platform::ShortDateTimeText;
    return sources;
}

// Writes the reports the print check lays out: a two-mixture calibration with twenty components and
// every column of every table shown, the widest report a laboratory can ask for.
//
//   report_print_samples FOLDER
#include <cstdio>
#include <string>

#include "../output_report/ReportContexts.h"
#include "output/report/ReportDocument.h"
#include "output/report/ReportRendering.h"
#include "text/Utf.h"

namespace {

void ShowEveryColumn(CalcSettings& settings) {
    settings.viewAnalysisShowUUID = true;
    settings.viewComponentsShowConcVol = settings.viewComponentsShowConcMass = true;
    settings.viewComponentsShowMixture = settings.viewComponentsShowDiff = true;
    settings.viewComponentsShowX1X2 = true;
    settings.viewCalculationShowHvolkcalm3 = true;
}

// Twenty rows: the hand-made gas and further catalogue components at trace levels.
void WidenToTwentyComponents(CalcContext& context) {
    const char16_t* const traces[] = {
        u"argon",   u"hydrogen", u"helium", u"n_hexane", u"n_heptane", u"n_octane", u"2_2_dimethylpropane",
        u"benzene", u"toluene"};
    ComponentResult model = context.components[1];
    double time = 14.0;
    for (const char16_t* id : traces) {
        if (context.components.size() == 20) {
            break;
        }
        ComponentResult row = model;
        row.id = id;
        row.time = time;
        row.molarFraction = row.rawFraction = 0.0042;
        row.uncertainty = row.rawUncertainty = 0.0004;
        time += 1.3;
        context.components.push_back(row);
    }
    CalibrationResult calibration = context.calibration.front();
    while (context.calibration.size() < context.components.size()) {
        calibration.component = context.components[context.calibration.size()].id;
        context.calibration.push_back(calibration);
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: report_print_samples FOLDER\n", stderr);
        return 1;
    }
    CalcContext context = TwoMixtureContext();
    ShowEveryColumn(context.settings);
    WidenToTwentyComponents(context);
    const ReportSources sources{u"КС «Северная»", u"Узел замера газа №2", u"Иванова А. П.",
                                kAnalysisTime + 7200};
    const std::u16string path = Utf8ToUtf16(std::string(argv[1]) + "/two-mixture-20.html");
    std::u16string error;
    if (!TransformReport(FindReportTemplatePath(), BuildReportXml(context, sources), path, &error)) {
        std::fprintf(stderr, "the report was not written: %s\n", Utf16ToUtf8(error).c_str());
        return 1;
    }
    std::puts(Utf16ToUtf8(path).c_str());
    return 0;
}

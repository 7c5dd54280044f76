// Cost of one whole calculation run (RunCalculation) on the demo database written by the simulator, for
// each calibration method: the reference-mixture checks, the calibration with its control, the
// composition of two analysis chromatograms, the conformity checks, the physical properties and the
// methane number. Every stage opens its own database connections, as in the plug-in, and those opens are
// part of the time. Method В1 calibrates from two mixtures of seven chromatograms each.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "Databases.h"
#include "calc/CalcContext.h"
#include "calc/Stages.h"
#include "data/DataBaseConnection.h"
#include "data/DataBaseHandle.h"
#include "data/HostQueries.h"
#include "platform/Platform.h"
#include "text/Utf.h"

namespace {

struct DemoDatabase {
    std::string path;
    sim::DemoManifest manifest;
};

// Written once per run and removed at exit.
const DemoDatabase& Demo() {
    static const DemoDatabase* database = [] {
        auto* made = new DemoDatabase;
        made->path = Utf16ToUtf8(platform::TempDirectory()) + "tarvel-bench-pipeline.db";
        made->manifest = sim::MakeDemoDatabase(made->path, 20240314);
        DataBaseConnection::SetUri(Utf8ToUtf16(made->path));
        std::atexit([] { sim::RemoveDatabaseFile(Demo().path); });
        return made;
    }();
    return *database;
}

void AddToList(CalcContext& context, DataBase::Handle& handle, const std::vector<int64_t>& ids,
               AssayRole role, uint32_t groupStamp) {
    for (int64_t id : ids) {
        for (Assay& entry : QueryAssayRows(handle, id)) {
            entry.included = true;
            entry.role = static_cast<int32_t>(role);
            entry.groupStamp = groupStamp;
            context.assays.push_back(entry);
        }
    }
}

// The chromatogram list of a day's work by one method: its calibration and control batches and the first
// pair of analyses at the first sampling point; the general assignment of the method's mixtures.
CalcContext ContextOfMethod(int32_t method) {
    const sim::DemoManifest& manifest = Demo().manifest;
    const sim::MethodRuns& runs = manifest.methods.at(static_cast<size_t>(method));
    CalcContext context;
    context.settings.clbrCalcMethod = method;
    context.settings.clbrControl = true;
    context.settings.clcControl = false; // the analysed gas is no reference mixture
    DataBase::Handle handle;
    uint32_t stamp = 1710400000;
    for (const auto& batch : runs.calibration) {
        AddToList(context, handle, batch, AssayRole::Calibration, ++stamp);
    }
    for (const auto& batch : runs.control) {
        AddToList(context, handle, batch, AssayRole::Control, ++stamp);
    }
    const std::vector<int64_t>& analyses = manifest.analyses[0];
    AddToList(context, handle, {analyses[0], analyses[1]}, AssayRole::Analysis, ++stamp);

    ComponentMixtures general;
    general.first = runs.mixtures.at(0).name;
    general.firstType = static_cast<int32_t>(runs.mixtures.at(0).type);
    if (runs.mixtures.size() > 1) {
        general.second = runs.mixtures[1].name;
        general.secondType = static_cast<int32_t>(runs.mixtures[1].type);
    }
    context.mixtures.push_back(general);
    return context;
}

void WholeRun(benchmark::State& state) {
    const auto method = static_cast<int32_t>(state.range(0));
    CalcContext context = ContextOfMethod(method);
    if (const int32_t status = RunCalculation(context); status != 0) {
        state.SkipWithError(("the run failed with status " + std::to_string(status)).c_str());
        return;
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(RunCalculation(context));
    }
    state.counters["chromatograms"] = static_cast<double>(context.assays.size());
    state.counters["components"] = static_cast<double>(context.components.size());
    state.SetLabel(method == 0 ? "А" : method == 1 ? "Б" : method == 2 ? "В1" : "В2");
}
BENCHMARK(WholeRun)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();

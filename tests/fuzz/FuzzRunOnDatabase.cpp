// Whole calculation runs on a host database whose file the fuzzer mutates: the demo laboratory's
// database with bytes overwritten, read through the same loaders a run uses, by every method and with
// the options that change what is read. A run may fail, and a database it cannot read raises
// DataBase::SqlException as documented; it must never crash or touch memory it does not own.
#include <unistd.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "Databases.h"
#include "FuzzSupport.h"
#include "HostWriter.h"
#include "calc/Stages.h"
#include "data/DataBaseConnection.h"
#include "data/DataBaseHandle.h"
#include "data/HostQueries.h"
#include "data/SqlException.h"
#include "platform/Platform.h"
#include "text/Utf.h"

namespace {

struct Base {
    std::string path;                 // the file every run reads
    std::string bytes;                // the demo database as written
    std::vector<CalcContext> methods; // a context per method over the demo's chromatograms
};

void List(CalcContext& context, DataBase::Handle& handle, const std::vector<int64_t>& ids, AssayRole role,
          uint32_t stamp) {
    for (const int64_t id : ids) {
        for (Assay entry : QueryAssayRows(handle, id)) {
            entry.included = true;
            entry.role = static_cast<int32_t>(role);
            entry.groupStamp = stamp;
            context.assays.push_back(entry);
        }
    }
}

Base MakeBase() {
    Base base;
    base.path =
        Utf16ToUtf8(platform::TempDirectory()) + "tarvel-fuzz-run-" + std::to_string(getpid()) + ".db";
    const sim::DemoManifest manifest = sim::MakeDemoDatabase(base.path, 20240314);
    std::ifstream file(base.path, std::ios::binary);
    base.bytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    DataBaseConnection::SetUri(Utf8ToUtf16(base.path));

    DataBase::Handle handle;
    for (int32_t method = 0; method < static_cast<int32_t>(manifest.methods.size()); ++method) {
        const sim::MethodRuns& runs = manifest.methods[static_cast<size_t>(method)];
        CalcContext context;
        context.settings.clbrCalcMethod = method;
        uint32_t stamp = 1710400000;
        for (const auto& batch : runs.calibration) {
            List(context, handle, batch, AssayRole::Calibration, ++stamp);
        }
        for (const auto& batch : runs.control) {
            List(context, handle, batch, AssayRole::Control, ++stamp);
        }
        List(context, handle, manifest.analyses[0], AssayRole::Analysis, ++stamp);
        ComponentMixtures general;
        general.first = runs.mixtures.front().name;
        if (runs.mixtures.size() > 1) {
            general.second = runs.mixtures[1].name;
        }
        context.mixtures.push_back(general);
        base.methods.push_back(std::move(context));
    }
    return base;
}

// Removes the database file when the program ends.
struct FileRemover {
    std::string path;
    ~FileRemover() { sim::RemoveDatabaseFile(path); }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    static Base base = MakeBase();
    static const FileRemover remover{base.path};
    FuzzedDataProvider data(bytes, size);
    CalcContext context = base.methods[data.ConsumeIntegralInRange<size_t>(0, base.methods.size() - 1)];
    context.settings.clcPressure = data.ConsumeBool();
    context.settings.clcMethaneDiff = data.ConsumeBool();
    context.settings.clbrControl = data.ConsumeBool();
    context.settings.clcControl = data.ConsumeBool();

    // Overwrites, each at an offset anywhere in the file or in its last pages, where the rows are.
    std::string file = base.bytes;
    const size_t edits = data.ConsumeIntegralInRange<size_t>(0, 16);
    for (size_t i = 0; i < edits && !file.empty(); ++i) {
        const size_t tail = std::min<size_t>(file.size(), 65536);
        const size_t offset = data.ConsumeBool()
                                  ? data.ConsumeIntegralInRange<size_t>(0, file.size() - 1)
                                  : file.size() - 1 - data.ConsumeIntegralInRange<size_t>(0, tail - 1);
        const std::string patch = data.ConsumeBytesAsString(data.ConsumeIntegralInRange<size_t>(1, 8));
        file.replace(offset, std::min(patch.size(), file.size() - offset), patch, 0,
                     std::min(patch.size(), file.size() - offset));
    }
    {
        std::ofstream out(base.path, std::ios::binary | std::ios::trunc);
        out.write(file.data(), static_cast<std::streamsize>(file.size()));
    }
    try {
        RunCalculation(context);
    } catch (const DataBase::SqlException&) {
        // A database the loaders cannot read: documented.
    }
    return 0;
}

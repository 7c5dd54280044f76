// chromsim: writes simulated host databases.
//   chromsim demo|legacy|test|bench|hostile-<kind> OUTPUT [SEED] [--force]
// "legacy" is the demo database in the schema before version 23; the kinds of hostile databases are
// listed by "chromsim help".
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <string>
#include <vector>

#include "Databases.h"

namespace {
void PrintUsage() {
    std::printf("usage: chromsim demo|legacy|test|bench|hostile-<kind> OUTPUT [SEED] [--force]\n"
                "  demo     a day's chromatograms of one station (schema version 24)\n"
                "  legacy   the same in the schema of version 22 (no certified decimals)\n"
                "  test     the database of the loader tests\n"
                "  bench    100,000 chromatograms with 2,000,000 peaks\n"
                "  hostile kinds:");
    for (const auto kind : sim::kHostileKinds) {
        std::printf(" %.*s", static_cast<int>(sim::NameOf(kind).size()), sim::NameOf(kind).data());
    }
    std::printf("\nAn existing OUTPUT is replaced only with --force.\n");
}

bool ParseSeed(const std::string& text, uint64_t& seed) {
    char* end = nullptr;
    seed = std::strtoull(text.c_str(), &end, 10);
    return !text.empty() && end != nullptr && *end == '\0';
}
} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> arguments;
    bool force = false;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--force") {
            force = true;
        } else {
            arguments.push_back(argument);
        }
    }
    if (arguments.size() < 2 || arguments.size() > 3) {
        PrintUsage();
        return arguments.size() == 1 && arguments[0] == "help" ? 0 : 2;
    }
    const std::string& kind = arguments[0];
    const std::string& output = arguments[1];
    uint64_t seed = 20240314;
    if (arguments.size() == 3 && !ParseSeed(arguments[2], seed)) {
        std::fprintf(stderr, "chromsim: the seed must be a non-negative integer: %s\n", arguments[2].c_str());
        return 2;
    }
    std::error_code error;
    if (std::filesystem::exists(std::filesystem::path(std::u8string(output.begin(), output.end())), error) &&
        !force) {
        std::fprintf(stderr, "chromsim: %s exists; add --force to replace it\n", output.c_str());
        return 1;
    }
    try {
        if (kind == "demo" || kind == "legacy") {
            const sim::DemoManifest manifest = sim::MakeDemoDatabase(output, seed, kind == "demo" ? 24 : 22);
            std::printf("%s: demo database, %zu analysis chromatograms\n", output.c_str(),
                        manifest.analyses[0].size() + manifest.analyses[1].size());
        } else if (kind == "test") {
            sim::MakeTestDatabase(output, seed);
            std::printf("%s: loader test database\n", output.c_str());
        } else if (kind == "bench") {
            const sim::BenchmarkManifest manifest = sim::MakeBenchmarkDatabase(output, seed);
            std::printf("%s: %lld chromatograms, %lld peaks\n", output.c_str(),
                        static_cast<long long>(manifest.assays), static_cast<long long>(manifest.peaks));
        } else if (kind.rfind("hostile-", 0) == 0) {
            const std::string name = kind.substr(8);
            for (const auto hostile : sim::kHostileKinds) {
                if (sim::NameOf(hostile) == name) {
                    sim::MakeHostileDatabase(output, hostile);
                    std::printf("%s: hostile database (%s)\n", output.c_str(), name.c_str());
                    return 0;
                }
            }
            std::fprintf(stderr, "chromsim: unknown hostile kind %s\n", name.c_str());
            return 2;
        } else {
            PrintUsage();
            return 2;
        }
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "chromsim: %s\n", failure.what());
        return 1;
    }
    return 0;
}

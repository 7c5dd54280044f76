// Whole runs on the demo database (the simulator's known gas) with the table file beside the library that
// this program's folder holds: none, a laboratory's file changing one coefficient, a faulty file.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "calc/MetrologyTableInForce.h"
#include "calc/Stages.h"
#include "output/TxtExport.h"
#include "output/XmlExport.h"
#include "output/report/ReportDocument.h"
#include "platform/Platform.h"
#include "support/DemoRun.h"
#include "support/TempHostDatabase.h"
#include "text/Utf.h"
#include "ui/models/AboutModel.h"

namespace {

using testsupport::TempHostDatabase;
using testsupport::UseHostDatabase;

constexpr int32_t kMethodA = 0;
constexpr char16_t kChangedComponent[] = u"propane";
// Methane by difference takes its uncertainty from all the others.
constexpr char16_t kDerivedComponent[] = u"methane";

struct RunUncertainties {
    std::map<std::u16string, double> fraction;
    std::map<std::u16string, double> uncertainty;
};

// A run of method А on a fresh demo database, which stays the host's database while the run lives (the
// exports read the reference mixtures from it).
struct DemoRun {
    TempHostDatabase database{"metrology-table"};
    sim::DemoManifest manifest = sim::MakeDemoDatabase(database.path(), 20240314);
    UseHostDatabase use{database};
    CalcContext context = testsupport::DemoRunContext(manifest, kMethodA);
    int32_t status = RunCalculation(context);
};

std::u16string TableFileBeside() {
    return platform::DirectoryOf(platform::ModulePath()) + u"Tarvel31371720.tsv";
}

std::string Sha1Hex(const std::u16string& path) {
    platform::Sha1Digest digest{};
    EXPECT_TRUE(platform::Sha1OfFile(path, digest));
    std::string hex;
    char pair[3];
    for (uint8_t byte : digest) {
        std::snprintf(pair, sizeof pair, "%02x", byte);
        hex += pair;
    }
    return hex;
}

// One line per component: identifier, then the fraction and its uncertainty as hexadecimal floats, which
// read back bit for bit.
void WriteBaseline(const CalcContext& context) {
    std::ofstream file(TARVEL_METROLOGY_BASELINE, std::ios::trunc);
    for (const ComponentResult& row : context.components) {
        char values[80];
        std::snprintf(values, sizeof values, "%a %a", row.molarFraction, row.uncertainty);
        file << Utf16ToUtf8(row.id) << ' ' << values << '\n';
    }
    ASSERT_TRUE(file.good());
}

RunUncertainties ReadBaseline() {
    RunUncertainties baseline;
    std::ifstream file(TARVEL_METROLOGY_BASELINE);
    std::string line;
    while (std::getline(file, line)) {
        std::istringstream fields(line);
        std::string component, fraction, uncertainty;
        fields >> component >> fraction >> uncertainty;
        baseline.fraction[Utf8ToUtf16(component)] = std::strtod(fraction.c_str(), nullptr);
        baseline.uncertainty[Utf8ToUtf16(component)] = std::strtod(uncertainty.c_str(), nullptr);
    }
    return baseline;
}

TEST(BuiltInTable, RecordsTheUncertaintiesOfAWholeRun) {
    const MetrologyTableInForce& table = TableInForce();
    ASSERT_TRUE(table.known);
    ASSERT_EQ(table.kind, kMetrologyBuiltInTable) << "no table file may lie beside the built libraries";
    EXPECT_TRUE(table.sha1.empty());
    const DemoRun run;
    const CalcContext& context = run.context;
    ASSERT_EQ(run.status, 0);
    ASSERT_GT(context.components.size(), 10u);
    const std::string xml = BuildXmlExport(context, DefaultExportSources());
    EXPECT_NE(xml.find("<metrologytable>designed</metrologytable>"), std::string::npos);
    WriteBaseline(context);
}

TEST(LaboratoryTable, ChangesExactlyTheChangedComponentsUncertaintyAndIsNamedByItsSha1) {
    const MetrologyTableInForce& table = TableInForce();
    ASSERT_EQ(table.kind, kMetrologyLaboratoryTable) << Utf16ToUtf8(table.path);
    const std::string sha1 = Sha1Hex(TableFileBeside());
    EXPECT_EQ(Utf16ToUtf8(table.sha1), sha1);
    EXPECT_EQ(table.fileParts, kMetrologyPartMethodA | kMetrologyPartMethodB | kMetrologyPartMethodC1 |
                                   kMetrologyPartMethodC2);

    const DemoRun run;
    const CalcContext& context = run.context;
    ASSERT_EQ(run.status, 0);
    const RunUncertainties builtIn = ReadBaseline();
    ASSERT_EQ(builtIn.uncertainty.size(), context.components.size()) << "run the built-in case first";
    for (const ComponentResult& row : context.components) {
        SCOPED_TRACE(Utf16ToUtf8(row.id));
        ASSERT_EQ(builtIn.fraction.count(row.id), 1u);
        EXPECT_EQ(row.molarFraction, builtIn.fraction.at(row.id));
        const double before = builtIn.uncertainty.at(row.id);
        if (row.id == kChangedComponent) {
            // U = a·x + b with a doubled: the new U less the old is a·x once more.
            EXPECT_NEAR(row.uncertainty - before, 0.0361 * row.rawFraction, 1e-12);
        } else if (row.id == kDerivedComponent) {
            EXPECT_GT(row.uncertainty, before);
        } else {
            EXPECT_EQ(row.uncertainty, before);
        }
    }

    const std::string expected = "laboratory " + sha1;
    EXPECT_NE(BuildXmlExport(context, DefaultExportSources()).find("<metrologytable>" + expected + "<"),
              std::string::npos);
    EXPECT_NE(
        Utf16ToUtf8(BuildTxtExportText(context, DefaultExportSources())).find("METROLOGYTABLE=" + expected),
        std::string::npos);
    EXPECT_NE(BuildReportXml(context).find("SHA-1 " + sha1), std::string::npos);
    const std::vector<std::u16string> aboutRow = MetrologyTableAboutRow(table);
    ASSERT_EQ(aboutRow.size(), 4u);
    EXPECT_EQ(aboutRow[1], u"лабораторная");
    EXPECT_EQ(aboutRow[3],
              Utf8ToUtf16(sha1.substr(0, 8) + "-" + sha1.substr(8, 8) + "-" + sha1.substr(16, 8) + "-" +
                          sha1.substr(24, 8) + "-" + sha1.substr(32, 8)));
}

TEST(RefusedTable, FailsEveryRunWithOneMessageNamingTheFileLineAndReason) {
    const MetrologyTableInForce& table = TableInForce();
    ASSERT_EQ(table.kind, kMetrologyRefusedFile);
    // The faulty row is the file's last line.
    std::ifstream file(Utf16ToUtf8(TableFileBeside()));
    int lines = 0;
    for (std::string line; std::getline(file, line);) {
        ++lines;
    }
    const DemoRun run;
    const CalcContext& context = run.context;
    EXPECT_EQ(run.status, -1);
    EXPECT_TRUE(context.components.empty());
    ASSERT_EQ(context.journal.entries.size(), 1u);
    EXPECT_EQ(context.journal.entries[0].text,
              u"Файл таблицы метрологических характеристик " + TableFileBeside() +
                  u" отклонён, расчёт не выполняется: строка " + Utf8ToUtf16(std::to_string(lines)) +
                  u": диапазон перекрывает другой диапазон того же метода и компонента: A propane");
}

} // namespace

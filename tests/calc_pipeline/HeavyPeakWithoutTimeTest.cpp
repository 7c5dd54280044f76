// A heavy hydrocarbon whose analysis peaks are stored without a retention time (hosts store peaks
// integrated by hand so): three calibration chromatograms with n-heptane at its time, two analyses whose
// n-heptane peak has none. С7 stays in the composition, the properties and every export, with the value
// and uncertainty its area gives and its time shown as missing.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <sqlite3.h>

#include "Laboratory.h"
#include "calc/Stages.h"
#include "calc/Status.h"
#include "calc/rounding/MissingValue.h"
#include "output/ExportHost.h"
#include "output/JsonExport.h"
#include "output/TxtExport.h"
#include "output/XmlExport.h"
#include "results/ComponentsTable.h"
#include "results/TableView.h"
#include "text/Utf.h"

namespace pipelinetest {
namespace {

enum class HeptanePeak { AsRun, WithoutTime, Deleted };

struct HeptaneRun {
    int32_t status = 0;
    CalcContext context;
    std::string xml;
    std::string json;
    std::string txt;
};

HeptaneRun RunWithHeptane(HeptanePeak peak) {
    LaboratoryFile file("heptane");
    LaboratoryPlan plan;
    plan.method = Method::A;
    plan.calibrationRuns = 3;
    const Laboratory laboratory = WriteLaboratory(file, plan);
    if (peak != HeptanePeak::AsRun) {
        sqlite3* db = nullptr;
        EXPECT_EQ(sqlite3_open(file.path().c_str(), &db), SQLITE_OK);
        const std::string change =
            peak == HeptanePeak::Deleted ? "DELETE FROM peak" : "UPDATE peak SET time = NULL";
        const std::string sql = change + " WHERE name = 'н-Гептан' AND assayid IN (" +
                                std::to_string(laboratory.analyses[0]) + "," +
                                std::to_string(laboratory.analyses[1]) + ")";
        EXPECT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK);
        EXPECT_EQ(sqlite3_changes(db), 2);
        sqlite3_close(db);
    }
    HeptaneRun run{0, ContextFor(laboratory, Method::A), {}, {}, {}};
    run.status = RunCalculation(run.context);
    // The exports read the mixtures from the database while it is there.
    const ExportSources sources = DefaultExportSources();
    run.xml = BuildXmlExport(run.context, sources);
    run.json = BuildJsonExport(run.context, sources);
    run.txt = Utf16ToUtf8(BuildTxtExportText(run.context, sources));
    return run;
}

const ComponentResult* RowOf(const CalcContext& context, std::u16string_view id) {
    for (const ComponentResult& row : context.components) {
        if (row.id == id) {
            return &row;
        }
    }
    return nullptr;
}

// The text of a column of the components table for a row, as pages and the XML and TXT exports show it.
std::string Cell(const CalcContext& context, const ComponentResult& row, const char* key) {
    for (const ComponentsTableColumn& column : ComponentsTable()) {
        if (std::string(column.key) == key) {
            return Utf16ToUtf8(CellText(column, row, context.settings));
        }
    }
    return "no column " + std::string(key);
}

// The record of an export that holds marker, after the start of its section: from the last begin before
// the marker to the first end after it, both included.
std::string RecordOf(const std::string& text, const std::string& section, const std::string& begin,
                     const std::string& marker, const std::string& end) {
    const size_t at = text.find(marker, text.find(section));
    if (at == std::string::npos) {
        return "";
    }
    const size_t from = text.rfind(begin, at);
    return text.substr(from, text.find(end, at) + end.size() - from);
}

TEST(HeavyPeakWithoutTime, StaysInTheCompositionThePropertiesAndTheExports) {
    const HeptaneRun asRun = RunWithHeptane(HeptanePeak::AsRun);
    const HeptaneRun timeless = RunWithHeptane(HeptanePeak::WithoutTime);
    const HeptaneRun deleted = RunWithHeptane(HeptanePeak::Deleted);
    ASSERT_EQ(asRun.status, Status::Ok);
    ASSERT_EQ(timeless.status, Status::Ok);
    ASSERT_EQ(deleted.status, Status::Ok);
    EXPECT_TRUE(timeless.context.journal.entries.empty());

    // The same areas give the same С7, to the last bit; only the time is missing.
    const ComponentResult* measured = RowOf(asRun.context, u"c7");
    const ComponentResult* c7 = RowOf(timeless.context, u"c7");
    ASSERT_NE(measured, nullptr);
    ASSERT_NE(c7, nullptr);
    ASSERT_EQ(RowOf(deleted.context, u"c7"), nullptr);
    EXPECT_GT(measured->time, 13.0);
    EXPECT_EQ(c7->time, 0.0);
    EXPECT_EQ(c7->area, measured->area);
    EXPECT_NEAR(c7->molarFraction, 0.0118, 0.002);
    EXPECT_EQ(c7->molarFraction, measured->molarFraction);
    EXPECT_GT(c7->uncertainty, 0.0);
    EXPECT_EQ(c7->uncertainty, measured->uncertainty);
    EXPECT_TRUE(c7->accepted);
    EXPECT_EQ(timeless.context.components.size(), asRun.context.components.size());

    // The properties are those of the gas with its heptane, not of the gas without it.
    for (size_t i = 0; i < 18; ++i) {
        EXPECT_EQ(timeless.context.properties.value[i], asRun.context.properties.value[i]) << i;
    }
    const size_t superior = static_cast<size_t>(PhysicalPropertyIndex::SuperiorMolarCalorificValue);
    const size_t molarMass = static_cast<size_t>(PhysicalPropertyIndex::MolarMass);
    EXPECT_GT(timeless.context.properties.value[superior], deleted.context.properties.value[superior]);
    EXPECT_GT(timeless.context.properties.value[molarMass], deleted.context.properties.value[molarMass]);
    EXPECT_EQ(timeless.context.methaneNumber.first, asRun.context.methaneNumber.first);

    // Every export has the row; where numbers are written as text the time is the em dash.
    const std::string dash = Utf16ToUtf8(kMissingValueText);
    const std::string conc = Cell(timeless.context, *c7, "conc");
    const std::string uconc = Cell(timeless.context, *c7, "uconc");
    EXPECT_EQ(Cell(timeless.context, *c7, "time"), dash);
    const std::string xmlRow =
        RecordOf(timeless.xml, "<component>", "<component>", "<peak>С7</peak>", "</component>");
    EXPECT_NE(xmlRow.find("<time>" + dash + "</time>"), std::string::npos) << xmlRow;
    EXPECT_NE(xmlRow.find("<conc>" + conc + "</conc>"), std::string::npos) << xmlRow;
    EXPECT_NE(xmlRow.find("<uconc>" + uconc + "</uconc>"), std::string::npos) << xmlRow;
    const std::string jsonRow = RecordOf(timeless.json, "\"components\":[", "{", "\"component\":\"С7\"", "}");
    EXPECT_NE(jsonRow.find("\"time\":0,"), std::string::npos) << jsonRow;
    EXPECT_NE(jsonRow.find("\"area\":"), std::string::npos) << jsonRow;
    const std::string txtRow = RecordOf(timeless.txt, "[COMPONENTS]", "\n", "COMPONENT=С7", "\n\n");
    EXPECT_NE(txtRow.find("\nTIME=" + dash + "\n"), std::string::npos) << txtRow;
    EXPECT_NE(txtRow.find("\nCONC=" + conc + "\n"), std::string::npos) << txtRow;
    EXPECT_NE(txtRow.find("\nUCONC=" + uconc + "\n"), std::string::npos) << txtRow;
}

} // namespace
} // namespace pipelinetest

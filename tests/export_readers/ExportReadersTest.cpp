// The exports as the programs that receive them read them: the JSON export through a reader of exactly
// its prescribed shape, the XML export through a real XML parser; on every golden file, on texts built
// to break a writer, and on the exports of a whole run over a host database whose names are hostile.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <pugixml.hpp>
#include <sqlite3.h>

#include "../calc_pipeline/Laboratory.h"
#include "../output_export/ExportTestContexts.h"
#include "ExportShapeReader.h"
#include "calc/Stages.h"
#include "output/JsonExport.h"
#include "output/XmlExport.h"
#include "text/Utf.h"

namespace {

using exportshape::ReadExport;

struct ShapeCase {
    const char* document;
    bool accepted;
};

TEST(ExportShapeReader, AcceptsThePrescribedShapeAndNothingElse) {
    const ShapeCase cases[] = {
        {R"({"a":1,"b":"x",})", true},
        {R"({"a":[1,2,],"b":{"c":true,},})", true},
        {"{\"mixture\":[\n\"pair\":[\n{\"c\":0.5,},\n]\n\"pair\":[\n]\n],\n}", true},
        {R"({"n":nan,"i":inf,"m":-inf,"e":1.5e-05,"t":"q\"b\\s\u0001\ud83d\ude00",})", true},
        {R"({"s":"a\"})", false},         // the quote escaped: the string never ends
        {"{\"s\":\"tab\there\"}", false}, // a raw control character inside a string
        {R"({"a":1 "b":2})", false},      // members without a comma
        {R"({"a":[1 2]})", false},        // elements without a comma
        {R"({"a":[1,"x":2]})", false},    // a bare member other than a pair
        {R"({"s":"\q"})", false},         // an unknown escape
        {R"({"s":"\ud83d"})", true},      // a lone high surrogate escape is kept as written
        {R"({"a":1.})", false},           // a number ending in its point
        {R"(["pair":[]])", false},        // the document is no object
        {R"({"a":1}})", false},           // text after the document
    };
    for (const ShapeCase& test : cases) {
        EXPECT_EQ(ReadExport(test.document).ok, test.accepted) << test.document;
    }
}

TEST(ExportShapeReader, ReadsEveryGoldenJsonExport) {
    int read = 0;
    for (const auto& entry : std::filesystem::directory_iterator(TARVEL_EXPORT_GOLDEN_DIR)) {
        if (entry.path().extension() != ".json") {
            continue;
        }
        const std::string document = ReadGolden(entry.path().filename().string());
        const exportshape::ReadResult result = ReadExport(document);
        EXPECT_TRUE(result.ok) << entry.path().filename() << ": " << result.error << " at "
                               << result.errorOffset;
        ++read;
    }
    EXPECT_GE(read, 6);
}

// Texts a user or a host database can hold that break a careless writer.
const std::vector<std::u16string>& HostileTexts() {
    static const std::vector<std::u16string> texts = {
        u"Проба\\",
        u"C:\\газ\\\"новый\"",
        u"\\\\server\\share",
        u"a\u0001b\u001fc\td\re\nf",
        u"\U0001F600 эмодзи",
        u"<&> &amp; ]]>",
        u"%s%d%n",
    };
    return texts;
}

bool Contains(const std::vector<std::string>& strings, const std::string& text) {
    for (const std::string& candidate : strings) {
        if (candidate.find(text) != std::string::npos) {
            return true;
        }
    }
    return false;
}

// The characters XML 1.0 allows (a writer drops the others), with a line end read as LF whether the
// writer kept the CR as a reference or a parser normalised it.
std::string AsXmlKeepsIt(std::u16string_view text) {
    std::u16string kept;
    for (const char16_t c : text) {
        if (c == u'\r') {
            kept.push_back(u'\n');
        } else if (c >= 0x20 || c == u'\t' || c == u'\n') {
            kept.push_back(c);
        }
    }
    return Utf16ToUtf8(kept);
}

std::vector<std::string> XmlTexts(const std::string& document, std::string& error) {
    pugi::xml_document tree;
    const pugi::xml_parse_result parsed = tree.load_buffer(document.data(), document.size());
    if (!parsed) {
        error = std::string(parsed.description()) + " at " + std::to_string(parsed.offset);
        return {};
    }
    std::vector<std::string> texts;
    struct Collector : pugi::xml_tree_walker {
        std::vector<std::string>* texts;
        bool for_each(pugi::xml_node& node) override {
            if (node.type() == pugi::node_pcdata || node.type() == pugi::node_cdata) {
                texts->push_back(AsXmlKeepsIt(Utf8ToUtf16(node.value())));
            }
            for (const pugi::xml_attribute& attribute : node.attributes()) {
                texts->push_back(AsXmlKeepsIt(Utf8ToUtf16(attribute.value())));
            }
            return true;
        }
    } collector;
    collector.texts = &texts;
    tree.traverse(collector);
    return texts;
}

void ExpectReadersGetEveryText(const CalcContext& context, const ExportSources& sources,
                               const std::vector<std::u16string>& texts) {
    const std::string json = BuildJsonExport(context, sources);
    const exportshape::ReadResult read = ReadExport(json);
    ASSERT_TRUE(read.ok) << read.error << " at " << read.errorOffset << ": "
                         << json.substr(read.errorOffset, 40);
    std::vector<std::string> jsonStrings;
    exportshape::CollectStrings(read.root, jsonStrings);

    std::string xmlError;
    const std::vector<std::string> xmlTexts = XmlTexts(BuildXmlExport(context, sources), xmlError);
    ASSERT_TRUE(xmlError.empty()) << xmlError;
    for (const std::u16string& text : texts) {
        EXPECT_TRUE(Contains(jsonStrings, Utf16ToUtf8(text))) << "JSON lost " << Utf16ToUtf8(text);
        EXPECT_TRUE(Contains(xmlTexts, AsXmlKeepsIt(text))) << "XML lost " << AsXmlKeepsIt(text);
    }
}

TEST(ExportReaders, HostileTextsComeBackFromBothExports) {
    CalcContext context = HostileContext();
    const std::vector<std::u16string>& texts = HostileTexts();
    context.assays.front().sample = texts[0];
    context.assays.front().mixture = texts[1];
    context.assays.front().method = texts[2];
    context.journal.entries.clear();
    for (const std::u16string& text : texts) {
        context.journal.entries.push_back({JournalCategory::Comp, text});
    }
    ExpectReadersGetEveryText(context, FixedSources(), texts);
}

void Execute(const std::string& path, const std::string& sql, const std::vector<std::string>& texts) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
    sqlite3_stmt* statement = nullptr;
    ASSERT_EQ(sqlite3_prepare_v2(db, sql.c_str(), -1, &statement, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
    for (size_t i = 0; i < texts.size(); ++i) {
        sqlite3_bind_text(statement, static_cast<int>(i + 1), texts[i].c_str(),
                          static_cast<int>(texts[i].size()), SQLITE_TRANSIENT);
    }
    EXPECT_EQ(sqlite3_step(statement), SQLITE_DONE) << sqlite3_errmsg(db);
    sqlite3_finalize(statement);
    sqlite3_close(db);
}

// A whole run on a simulated laboratory whose sample names and reference mixture's name are hostile:
// the texts travel from the host database through the calculation into both exports.
TEST(ExportReaders, ExportsOfAHostileDatabaseAreReadBack) {
    using namespace pipelinetest;
    LaboratoryFile file("export-readers");
    const Laboratory laboratory = WriteLaboratory(file, LaboratoryPlan{});
    const std::vector<std::u16string>& texts = HostileTexts();
    const std::string sample = Utf16ToUtf8(texts[0] + texts[3] + texts[4]);
    const std::string mixture = Utf16ToUtf8(texts[1] + texts[5]);
    const std::string oldMixture = Utf16ToUtf8(laboratory.mixtures.front().name);
    Execute(file.path(), "UPDATE assay SET sample = ?1", {sample});
    Execute(file.path(), "UPDATE mixture SET name = ?1 WHERE name = ?2", {mixture, oldMixture});
    Execute(file.path(), "UPDATE assay SET mixture = ?1 WHERE mixture = ?2", {mixture, oldMixture});

    CalcContext context = ContextFor(laboratory, Method::A);
    context.mixtures.front().first = Utf8ToUtf16(mixture);
    CalcSettings& settings = context.settings;
    settings.expAssay = settings.expCalibration = settings.expComponents = settings.expCalculation = true;
    settings.expMethaneNumber = settings.expMixtures = settings.expSettings = settings.expOutput = true;
    ASSERT_EQ(RunCalculation(context), 0);
    ExpectReadersGetEveryText(context, DefaultExportSources(), {Utf8ToUtf16(sample), Utf8ToUtf16(mixture)});
}

} // namespace

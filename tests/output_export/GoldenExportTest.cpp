// Byte-exact comparison of the three writers with golden files written by hand from the file formats.
#include <functional>
#include <ostream>
#include <string>

#include <gtest/gtest.h>

#include "ExportTestContexts.h"
#include "output/JsonExport.h"
#include "output/TxtExport.h"
#include "output/XmlExport.h"
#include "platform/TextEncoding.h"

namespace {
CalcContext NoSectionContext() {
    CalcContext context = MethodAContext();
    CalcSettings& settings = context.settings;
    settings.expAssay = settings.expCalibration = settings.expComponents = settings.expCalculation = false;
    settings.expMethaneNumber = settings.expMixtures = settings.expSettings = settings.expOutput = false;
    return context;
}

CalcContext OutputOnlyEmptyJournalContext() {
    CalcContext context = NoSectionContext();
    context.settings.expOutput = true;
    context.journal.entries.clear();
    return context;
}

struct GoldenCase {
    const char* name;
    std::function<CalcContext()> context;
    const char* golden;
};

void PrintTo(const GoldenCase& test, std::ostream* out) {
    *out << test.golden;
}

std::string PrintName(const testing::TestParamInfo<GoldenCase>& info) {
    return info.param.name;
}

class JsonGolden : public testing::TestWithParam<GoldenCase> {};

TEST_P(JsonGolden, MatchesGoldenBytes) {
    const GoldenCase& test = GetParam();
    EXPECT_EQ(BuildJsonExport(test.context(), FixedSources()), ReadGolden(test.golden));
}

INSTANTIATE_TEST_SUITE_P(Export, JsonGolden,
                         testing::Values(GoldenCase{"NoSection", NoSectionContext, "json_none.json"},
                                         GoldenCase{"OutputOnlyEmptyJournal", OutputOnlyEmptyJournalContext,
                                                    "json_output_only.json"},
                                         GoldenCase{"MethodA", MethodAContext, "json_method_a.json"},
                                         GoldenCase{"MethodC2", MethodC2Context, "json_method_c2.json"},
                                         GoldenCase{"HiddenViews", HiddenViewsContext,
                                                    "json_hidden_views.json"},
                                         GoldenCase{"Hostile", HostileContext, "json_hostile.json"}),
                         PrintName);

class XmlGolden : public testing::TestWithParam<GoldenCase> {};

TEST_P(XmlGolden, MatchesGoldenBytes) {
    const GoldenCase& test = GetParam();
    EXPECT_EQ(BuildXmlExport(test.context(), FixedSources()), ReadGolden(test.golden));
}

INSTANTIATE_TEST_SUITE_P(Export, XmlGolden,
                         testing::Values(GoldenCase{"NoSection", NoSectionContext, "xml_none.xml"},
                                         GoldenCase{"MethodA", MethodAContext, "xml_method_a.xml"},
                                         GoldenCase{"MethodC2", MethodC2Context, "xml_method_c2.xml"},
                                         GoldenCase{"HiddenViews", HiddenViewsContext,
                                                    "xml_hidden_views.xml"},
                                         GoldenCase{"Hostile", HostileContext, "xml_hostile.xml"}),
                         PrintName);

// The characters of the golden TXT files in Windows-1251: ASCII, the Russian letters and the em dash.
// Any other byte fails the test rather than being guessed.
std::u16string DecodeGoldenCp1251(const std::string& bytes) {
    std::u16string text;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            text.push_back(byte);
        } else if (byte >= 0xC0) {
            text.push_back(static_cast<char16_t>(0x0410 + (byte - 0xC0))); // А..я
        } else if (byte == 0xA8) {
            text.push_back(u'\u0401'); // Ё
        } else if (byte == 0xB8) {
            text.push_back(u'\u0451'); // ё
        } else if (byte == 0x97) {
            text.push_back(u'\u2014'); // em dash
        } else {
            ADD_FAILURE() << "unexpected byte " << static_cast<int>(byte) << " in a golden file";
        }
    }
    return text;
}

struct TxtGoldenCase {
    const char* name;
    std::function<CalcContext()> context;
    const char* golden;
    bool allInCodePage; // every character of the context's texts exists in Windows-1251
};

void PrintTo(const TxtGoldenCase& test, std::ostream* out) {
    *out << test.golden;
}

std::string PrintTxtName(const testing::TestParamInfo<TxtGoldenCase>& info) {
    return info.param.name;
}

class TxtGolden : public testing::TestWithParam<TxtGoldenCase> {};

// The golden bytes are Windows-1251, the code page of the Linux build and of a Russian Windows. Under
// another ANSI code page the bytes differ by design; the text itself and its conversion are still
// compared.
TEST_P(TxtGolden, MatchesGoldenBytes) {
    const TxtGoldenCase& test = GetParam();
    const CalcContext context = test.context();
    const std::string golden = ReadGolden(test.golden);
    const std::string bytes = BuildTxtExport(context, FixedSources());
    if (platform::AnsiCodePage() == 1251) {
        EXPECT_EQ(bytes, golden);
    }
    EXPECT_EQ(bytes, platform::ToAnsiCodePage(DecodeGoldenCp1251(golden)));
    if (test.allInCodePage) {
        EXPECT_TRUE(BuildTxtExportText(context, FixedSources()) == DecodeGoldenCp1251(golden));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Export, TxtGolden,
    testing::Values(TxtGoldenCase{"NoSection", NoSectionContext, "txt_none.txt", true},
                    TxtGoldenCase{"MethodA", MethodAContext, "txt_method_a.txt", true},
                    TxtGoldenCase{"MethodC2", MethodC2Context, "txt_method_c2.txt", true},
                    TxtGoldenCase{"HiddenViews", HiddenViewsContext, "txt_hidden_views.txt", true},
                    TxtGoldenCase{"Hostile", HostileContext, "txt_hostile.txt", false}),
    PrintTxtName);
} // namespace

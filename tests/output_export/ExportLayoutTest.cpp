// Which sections and members the writers choose under the export flags and view settings, the time
// texts, and the well-formedness of the XML export for hostile texts.
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <pugixml.hpp>

#include "ExportTestContexts.h"
#include "output/JsonExport.h"
#include "output/TxtExport.h"
#include "output/UtcTimeText.h"
#include "output/XmlExport.h"
#include "results/CalibrationTable.h"
#include "results/ComponentsTable.h"
#include "text/Utf.h"

namespace {
void AllSectionsOff(CalcSettings& settings) {
    settings.expAssay = settings.expCalibration = settings.expComponents = settings.expCalculation = false;
    settings.expMethaneNumber = settings.expMixtures = settings.expSettings = settings.expOutput = false;
}

struct SectionCase {
    bool CalcSettings::*flag;
    const char* jsonStart;  // the file with only this section
    const char* xmlElement; // the first child of natgas
    const char* txtHeader;  // the first line
};

// Each flag alone selects exactly its own section in each format.
TEST(ExportSections, EachFlagAloneWritesOnlyItsSection) {
    const SectionCase cases[] = {
        {&CalcSettings::expAssay, "{\"assay\":[\n", "assay", "[ASSAY]"},
        {&CalcSettings::expCalibration, "{\"calibration\":[\n", "calibration", "[CALIBRATION]"},
        {&CalcSettings::expComponents, "{\"components\":[\n", "component", "[COMPONENTS]"},
        {&CalcSettings::expCalculation, "{\"calculation\":{\n", "calculation", "[CALCULATION]"},
        {&CalcSettings::expMethaneNumber, "{\"methane\":{\n", "methane", "[METHANE]"},
        {&CalcSettings::expMixtures, "{\"mixture\":[\n", "mixture", "[MIXTURE]"},
        {&CalcSettings::expSettings, "{\"settings\":{\n", "settings", "[SETTINGS]"},
        {&CalcSettings::expOutput, "{\"output\":[\n", "output", "[OUTPUT]"},
    };
    const std::vector<std::string> allJsonHeads = {"\"assay\":",       "\"calibration\":", "\"components\":",
                                                   "\"calculation\":", "\"methane\":",     "\"mixture\":[",
                                                   "\"settings\":",    "\"output\":"};
    for (const SectionCase& section : cases) {
        SCOPED_TRACE(section.txtHeader);
        CalcContext context = MethodAContext();
        AllSectionsOff(context.settings);
        context.settings.*section.flag = true;

        const std::string json = BuildJsonExport(context, FixedSources());
        EXPECT_EQ(json.rfind(section.jsonStart, 0), 0u) << json;
        EXPECT_EQ(json.back(), '}');
        int heads = 0;
        for (const std::string& head : allJsonHeads) {
            heads += json.find(head) != std::string::npos ? 1 : 0;
        }
        EXPECT_EQ(heads, 1) << json;

        pugi::xml_document document;
        ASSERT_TRUE(document.load_string(BuildXmlExport(context, FixedSources()).c_str()));
        std::vector<std::string> children;
        for (const pugi::xml_node child : document.child("natgas").children()) {
            children.push_back(child.name());
        }
        ASSERT_FALSE(children.empty());
        for (const std::string& child : children) {
            EXPECT_EQ(child, section.xmlElement);
        }

        const std::u16string txt = BuildTxtExportText(context, FixedSources());
        EXPECT_EQ(Utf16ToUtf8(txt).rfind(std::string(section.txtHeader) + "\n", 0), 0u);
        EXPECT_EQ(std::count(txt.begin(), txt.end(), u'['), 1);
    }
}

std::vector<std::string> CalibrationKeys(const CalcSettings& settings, bool twoMixture) {
    std::vector<std::string> keys;
    const TableView view{settings, twoMixture, TableReader::Document};
    for (const CalibrationTableColumn& column : CalibrationTable()) {
        if (IsShown(column, view)) {
            keys.emplace_back(column.key);
        }
    }
    return keys;
}

TEST(ExportMembers, CalibrationMembersFollowMethodAndViewSettings) {
    using Keys = std::vector<std::string>;
    CalcSettings settings;
    EXPECT_EQ(CalibrationKeys(settings, false),
              (Keys{"conc1", "ink1", "ink2", "ink3", "midk", "mda1", "rate1", "norm1"}));
    EXPECT_EQ(CalibrationKeys(settings, true),
              (Keys{"conc1", "conc2", "mda1", "mda2", "inka", "inkb", "rate1", "norm1", "rate2", "norm2",
                    "crrng", "cvrng", "crate", "cnorm", "arsd1", "cval1", "arsd2", "cval2"}));

    settings.clbrControl = false;
    EXPECT_EQ(CalibrationKeys(settings, true),
              (Keys{"conc1", "conc2", "mda1", "mda2", "inka", "inkb", "rate1", "norm1", "rate2", "norm2",
                    "arsd1", "cval1", "arsd2", "cval2"}));
    settings.clbrControl = true;
    settings.viewCalibrationShowCtlRange = false;
    settings.viewCalibrationShowArsd = false;
    settings.viewCalibrationShowCnc = false;
    EXPECT_EQ(CalibrationKeys(settings, true),
              (Keys{"mda1", "mda2", "inka", "inkb", "rate1", "norm1", "rate2", "norm2", "crate", "cnorm"}));
    settings.viewCalibrationShowInK = false;
    settings.viewCalibrationShowMdA = false;
    settings.viewCalibrationShowRate = false;
    settings.viewCalibrationShowCtlRate = false;
    EXPECT_EQ(CalibrationKeys(settings, false), (Keys{"midk"}));
    EXPECT_EQ(CalibrationKeys(settings, true), (Keys{"inka", "inkb"}));
}

// Methods В1 (2) and В2 (3) are the two-mixture methods; А (0), Б (1) and unknown values are not.
TEST(ExportMembers, TwoMixtureLayoutForMethodsB1AndB2Only) {
    for (const int32_t kind : {0, 1, 2, 3, 4, -1}) {
        CalcContext context = MethodAContext();
        AllSectionsOff(context.settings);
        context.settings.expCalibration = true;
        context.calibrationKind = kind;
        const std::string json = BuildJsonExport(context, FixedSources());
        const bool twoMixture = kind == 2 || kind == 3;
        EXPECT_EQ(json.find("\"inka\":") != std::string::npos, twoMixture) << kind;
        EXPECT_EQ(json.find("\"midk\":") != std::string::npos, !twoMixture) << kind;
    }
}

std::vector<std::string> ComponentKeys(const CalcSettings& settings, bool json) {
    std::vector<std::string> keys;
    const TableView view{settings, false, TableReader::Document};
    for (const ComponentsTableColumn& column : ComponentsTable()) {
        if (IsShown(column, view) && (!json || column.inJson)) {
            keys.emplace_back(column.key);
        }
    }
    return keys;
}

TEST(ExportMembers, ComponentMembersFollowDeviceMethaneAndControl) {
    using Keys = std::vector<std::string>;
    CalcSettings settings;
    settings.viewComponentsShowConcVol = settings.viewComponentsShowConcMass = true;
    settings.viewComponentsShowMixture = settings.viewComponentsShowDiff = settings.viewComponentsShowX1X2 =
        true;
    // Laboratory, methane by difference: no unnormalised fraction.
    EXPECT_EQ(ComponentKeys(settings, false), (Keys{"time", "area", "height", "conc", "mix", "uconc",
                                                    "concvol", "concmass", "diff", "limit", "x1", "x2"}));
    EXPECT_EQ(ComponentKeys(settings, true), (Keys{"time", "area", "height", "conc", "uconc", "concvol",
                                                   "concmass", "diff", "limit", "x1", "x2"}));
    settings.clcMethaneDiff = false;
    settings.clcDeviceType = 1;
    settings.clcControl = false;
    EXPECT_EQ(ComponentKeys(settings, false),
              (Keys{"time", "area", "height", "bconc", "conc", "uconc", "concvol", "concmass", "x1"}));
    settings.viewComponentsShowConcMol = false;
    settings.viewComponentsShowBaseConc = false;
    EXPECT_EQ(ComponentKeys(settings, false), (Keys{"time", "area", "height", "concvol", "concmass", "x1"}));
}

TEST(UtcIsoTimeText, CalendarDatesAndLimits) {
    struct Case {
        int64_t seconds;
        const char16_t* text;
    };
    // Values checked against the date utility: date -u -d @<seconds> +%FT%TZ.
    const Case cases[] = {
        {0, u"1970-01-01T00:00:00Z"},
        {-1, u"1969-12-31T23:59:59Z"},
        {1684312200, u"2023-05-17T08:30:00Z"},
        {951782400, u"2000-02-29T00:00:00Z"},  // leap day of a year divisible by 400
        {4107542400, u"2100-03-01T00:00:00Z"}, // 2100 is not a leap year
        {1709164799, u"2024-02-28T23:59:59Z"},
        {-11644473600, u"1601-01-01T00:00:00Z"},
        {253402300799, u"9999-12-31T23:59:59Z"},
        {-11644473601, u""},
        {253402300800, u""},
        {INT64_MIN, u""},
    };
    for (const Case& test : cases) {
        EXPECT_TRUE(UtcIsoTimeText(test.seconds) == test.text) << test.seconds;
    }
}

// Texts with markup characters and control characters still give a document that an XML parser reads,
// with the texts back as they were, less the control characters XML cannot hold.
TEST(XmlExport, HostileTextsGiveWellFormedDocument) {
    CalcContext context = HostileContext();
    context.journal.entries.push_back({0, std::u16string(u"nul\0here]]>&amp;", 16)});
    const std::string xml = BuildXmlExport(context, FixedSources());
    EXPECT_EQ(xml.find("&#"), std::string::npos);
    for (const char c : xml) {
        const auto byte = static_cast<unsigned char>(c);
        EXPECT_TRUE(byte >= 0x20 || c == '\t' || c == '\n' || c == '\r') << static_cast<int>(byte);
    }
    pugi::xml_document document;
    const pugi::xml_parse_result parsed =
        document.load_string(xml.c_str(), pugi::parse_default | pugi::parse_declaration);
    ASSERT_TRUE(parsed) << parsed.description();
    const pugi::xml_node root = document.child("natgas");
    EXPECT_STREQ(root.child("assay").child("filename").text().get(), "fi\"le<1>.cdf");
    EXPECT_STREQ(root.child("assay").child("sample").text().get(), "a&b");
    EXPECT_STREQ(root.child("mixture").child("pair").child("peak").text().get(), "N\tZ");
    std::vector<std::string> messages;
    for (const pugi::xml_node message : root.child("output").children("message")) {
        messages.emplace_back(message.text().get());
    }
    // The parser normalises the carriage return to a line feed, as XML prescribes.
    const std::vector<std::string> expected = {"a<b & \"c\" 'd' %send\ttab\ncr", "中 文", "nulhere]]>&amp;"};
    EXPECT_EQ(messages, expected);
}
} // namespace

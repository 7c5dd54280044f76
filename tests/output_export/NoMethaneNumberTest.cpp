// A run that computed no methane number (its stage did not run or failed): the XML and TXT exports write
// the em dash, the JSON export leaves the members out, rather than a methane number of 0 that was never
// calculated.
#include <string>

#include <gtest/gtest.h>

#include "ExportTestContexts.h"
#include "output/JsonExport.h"
#include "output/TxtExport.h"
#include "output/XmlExport.h"
#include "platform/TextEncoding.h"

namespace {

TEST(NoMethaneNumber, EveryExportSaysThereIsNone) {
    CalcContext context = MethodAContext();
    context.methaneNumber = NoMethaneNumber();
    const std::string json = BuildJsonExport(context, FixedSources());
    EXPECT_NE(json.find("\"methane\":{\n},"), std::string::npos) << json;
    EXPECT_EQ(json.find("\"mncm\""), std::string::npos);
    EXPECT_EQ(json.find("\"mn\""), std::string::npos);
    EXPECT_NE(
        BuildXmlExport(context, FixedSources()).find("<methane><mncm>\u2014</mncm><mn>\u2014</mn></methane>"),
        std::string::npos);
    const std::string txt = BuildTxtExport(context, FixedSources());
    const std::string dash = platform::ToAnsiCodePage(u"\u2014");
    EXPECT_NE(txt.find("MNCM=" + dash + "\n"), std::string::npos);
    EXPECT_NE(txt.find("\nMN=" + dash + "\n"), std::string::npos);

    // Only one of them computed: the JSON keeps that one.
    context.methaneNumber.second = 71.6;
    const std::string one = BuildJsonExport(context, FixedSources());
    EXPECT_EQ(one.find("\"mncm\""), std::string::npos);
    EXPECT_NE(one.find("\"mn\":71.6, \n"), std::string::npos) << one;
}

} // namespace

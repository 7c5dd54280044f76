// The substitute host's profile file: what the command-line host keeps between runs.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>

#include "calc/CalcContext.h"
#include "host/substitute/SubstituteHost.h"
#include "plugin/Host.h"
#include "plugin/SettingsStore.h"

namespace {

std::string TempFile(const char* name) {
    return (std::filesystem::temp_directory_path() / name).string();
}

std::string ReadWholeFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

TEST(ProfileFile, RoundTripsTextsIntsAndRectangles) {
    const std::string path = TempFile("tarvel-profile-roundtrip.txt");
    {
        SubstituteHost host;
        SetHostServices(host.Services());
        ProfileSetInt(u"Tarvel/clbrCalcMethod", 2);
        ProfileSetRect(u"Tarvel/WState", {-10, 20, 830, 640});
        ProfileSetString(u"Tarvel/ReportProp000", u"Примечание/строка 1 \\ конец");
        ASSERT_TRUE(host.SaveProfileFile(path));
        SetHostServices(nullptr);
    }
    SubstituteHost host;
    SetHostServices(host.Services());
    ASSERT_TRUE(host.LoadProfileFile(path));
    int32_t method = 0;
    ASSERT_TRUE(ProfileGetInt(u"Tarvel/clbrCalcMethod", method));
    EXPECT_EQ(method, 2);
    ProfileRect rect{};
    ASSERT_TRUE(ProfileGetRect(u"Tarvel/WState", rect));
    EXPECT_EQ(rect.left, -10);
    EXPECT_EQ(rect.bottom, 640);
    std::u16string text;
    ASSERT_TRUE(ProfileGetString(u"Tarvel/ReportProp000", text));
    EXPECT_EQ(text, u"Примечание/строка 1 \\ конец");
    SetHostServices(nullptr);
    std::remove(path.c_str());
}

// A value longer than the 255 characters of the buffer is cut by the host; cut between the halves of a
// character beyond U+FFFF, the half is dropped, so what is read can be stored and read again as it is.
TEST(ProfileStrings, AValueCutInsideACharacterLosesTheHalf) {
    const std::u16string face = u"\U0001F600";
    const struct {
        std::u16string stored;
        std::u16string read;
    } kCases[] = {
        {std::u16string(254, u'a') + face, std::u16string(254, u'a')},
        {std::u16string(253, u'a') + face, std::u16string(253, u'a') + face},
        {std::u16string(300, u'a'), std::u16string(255, u'a')},
        {u"ab\xD83D", u"ab\xD83D"}, // not cut: read as the host holds it
    };
    for (const auto& kase : kCases) {
        SubstituteHost host;
        host.profile[u"Tarvel/expCommand"] = kase.stored;
        SetHostServices(host.Services());
        std::u16string text;
        ASSERT_TRUE(ProfileGetString(u"Tarvel/expCommand", text));
        EXPECT_EQ(text, kase.read) << kase.stored.size();
        SetHostServices(nullptr);
    }
}

// A person writes Windows and UNC paths into the file: every character after the first "=" is the value.
TEST(ProfileFile, ValuesAreReadAndWrittenLiterally) {
    const std::string path = TempFile("tarvel-profile-literal.txt");
    const std::string typed = "Tarvel/expCommand=C:\\Tools\\t.exe\n"
                              "Tarvel/expParams=\\\\server\\share\\new.xml %F\n"
                              "Tarvel/ReportProp000=Ключ=значение \\n \\t\\\n";
    {
        std::ofstream file(path, std::ios::binary);
        file << typed;
    }
    SubstituteHost host;
    ASSERT_TRUE(host.LoadProfileFile(path));
    EXPECT_EQ(host.profile[u"Tarvel/expCommand"], u"C:\\Tools\\t.exe");
    EXPECT_EQ(host.profile[u"Tarvel/expParams"], u"\\\\server\\share\\new.xml %F");
    EXPECT_EQ(host.profile[u"Tarvel/ReportProp000"], u"Ключ=значение \\n \\t\\");
    ASSERT_TRUE(host.SaveProfileFile(path));
    EXPECT_EQ(ReadWholeFile(path), "Tarvel/ReportProp000=Ключ=значение \\n \\t\\\n"
                                   "Tarvel/expCommand=C:\\Tools\\t.exe\n"
                                   "Tarvel/expParams=\\\\server\\share\\new.xml %F\n");
    std::remove(path.c_str());
}

TEST(ProfileFile, ASettingThatCannotStayOnOneLineIsRefusedByNameAndTheRestIsKept) {
    const std::string path = TempFile("tarvel-profile-refused.txt");
    SubstituteHost host;
    host.profile[u"Tarvel/ReportProp000"] = u"строка 1\nстрока 2";
    host.profile[u"Tarvel/ReportProp001"] = u"возврат\r";
    host.profile[u"Tarvel/expCommand"] = u"C:\\t.exe";
    std::string error;
    EXPECT_FALSE(host.SaveProfileFile(path, &error));
    EXPECT_NE(error.find("Tarvel/ReportProp000, Tarvel/ReportProp001"), std::string::npos) << error;
    EXPECT_EQ(ReadWholeFile(path), "Tarvel/expCommand=C:\\t.exe\n");
    std::remove(path.c_str());
}

TEST(ProfileFile, GarbageNeverBreaksTheSettings) {
    const std::string path = TempFile("tarvel-profile-garbage.txt");
    {
        std::ofstream file(path, std::ios::binary);
        file << "\xEF\xBB\xBF# a profile edited by hand\n"
             << "no separator on this line\n"
             << "Tarvel/clbrCalcMethod=два\r\n"
             << "Tarvel/clcMeasureTemp=2\n"
             << "Tarvel/WState=1,2,3\n"
             << "Tarvel/Analysis000=abc/xyz\n"
             << "Tarvel/Analysis001=12/1/1700000000/1\n"
             << "Tarvel/Mixtures000=/////\n"
             << "Tarvel/Constant000=\xFF\xFE/1/2\n"
             << "=value without key\n";
    }
    SubstituteHost host;
    SetHostServices(host.Services());
    ASSERT_TRUE(host.LoadProfileFile(path));
    CalcContext context;
    SettingsStore::Load(context);
    EXPECT_EQ(context.settings.clbrCalcMethod, 0);
    EXPECT_EQ(context.settings.clcMeasureTemp, 2);
    ASSERT_EQ(context.assays.size(), 1u) << "the malformed first element is skipped, the second read";
    EXPECT_EQ(context.assays[0].id, 12);
    EXPECT_EQ(context.assays[0].role, 1);
    EXPECT_TRUE(context.mixtures.empty());
    ASSERT_EQ(context.constants.size(), 1u);
    EXPECT_EQ(context.constants[0].name, u"\uFFFD\uFFFD");
    ProfileRect rect{};
    EXPECT_FALSE(ProfileGetRect(u"Tarvel/WState", rect));
    SetHostServices(nullptr);
    std::remove(path.c_str());
}

// The file's bytes in memory, line by line: what is read from them and what is written for a profile.
TEST(ProfileText, ReadsEveryLineAsTheFileDoes) {
    using Profile = std::map<std::u16string, std::u16string>;
    struct Case {
        const char* name;
        std::string bytes;
        Profile read;
    };
    const Case cases[] = {
        {"empty", "", {}},
        {"last line without its end", "a=1\nb=2", {{u"a", u"1"}, {u"b", u"2"}}},
        {"CR LF ends and a lone CR line", "a=1\r\n\r\nb=\r\n", {{u"a", u"1"}, {u"b", u""}}},
        {"a byte-order mark on the first line only",
         "\xEF\xBB\xBF"
         "a=1\n\xEF\xBB\xBF"
         "b=2\n",
         {{u"a", u"1"}, {u"\uFEFFb", u"2"}}},
        {"comments, no key, no separator", "#a=1\n=2\nc\n d=4", {{u" d", u"4"}}},
        {"a later line of a key replaces an earlier one", "a=1\na=2=3\n", {{u"a", u"2=3"}}},
        {"a CR inside a line is no line end", "a\rb=1\n", {{u"a\rb", u"1"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SubstituteHost host;
        host.ReadProfileText(c.bytes);
        EXPECT_EQ(host.profile, c.read);
    }
}

TEST(ProfileText, WritesTheSettingsThatFitAndNamesTheOthers) {
    SubstituteHost host;
    host.profile = {{u"Tarvel/b", u"2"}, {u"Tarvel/a", u"Ключ=значение"},
                    {u"#c", u"3"},       {u"d=e", u"4"},
                    {u"", u"5"},         {u"Tarvel/f", u"6\r"}};
    std::string refused = "left over";
    EXPECT_EQ(host.ProfileText(refused), "Tarvel/a=Ключ=значение\nTarvel/b=2\n");
    EXPECT_EQ(refused, "\"\", #c, Tarvel/f, d=e");
    host.profile.erase(u"");
    host.ProfileText(refused);
    EXPECT_EQ(refused, "#c, Tarvel/f, d=e");
}

// A setting under an empty key has no line in the file: saving says so instead of reporting success.
TEST(ProfileFile, ASettingWithAnEmptyKeyIsRefused) {
    const std::string path = TempFile("tarvel-profile-empty-key.txt");
    SubstituteHost host;
    host.profile[u""] = u"5";
    host.profile[u"Tarvel/a"] = u"1";
    std::string error;
    EXPECT_FALSE(host.SaveProfileFile(path, &error));
    EXPECT_NE(error.find("holds '='): \"\""), std::string::npos) << error;
    EXPECT_EQ(ReadWholeFile(path), "Tarvel/a=1\n");
    std::remove(path.c_str());
}

TEST(ProfileFile, AMissingFileIsReported) {
    SubstituteHost host;
    EXPECT_FALSE(host.LoadProfileFile(TempFile("tarvel-no-such-profile/none.txt")));
}

TEST(SubstituteHost, AnswersNoAccountAsTheHostDoes) {
    SubstituteHost host;
    SetHostServices(host.Services());
    EXPECT_EQ(HostAccountName(), u"");
    host.accountName = u"Петрова А. В.";
    EXPECT_EQ(HostAccountName(), u"Петрова А. В.");
    SetHostServices(nullptr);
}

} // namespace

// Every topic the host answers itself has one row of its table; events and the plug-in's own commands
// have none and go to the bus. Each row's availability follows the switch that governs it.
TEST(SubstituteHostTopics, TableHoldsEveryServedTopicOnceAndFollowsItsSwitch) {
    struct Case {
        const char* topic;
        void (*switchOff)(SubstituteHost& host); // null: always served
    };
    const auto profileOff = [](SubstituteHost& host) { host.servesProfile = false; };
    const Case cases[] = {
        {topic::GetLanguage, [](SubstituteHost& host) { host.language.reset(); }},
        {topic::GetConnectionUri, nullptr},
        {topic::AccountName, nullptr},
        {topic::CreateNewMenu, nullptr},
        {topic::OpenAssayFile, [](SubstituteHost& host) { host.servesOpenAssayFile = false; }},
        {topic::ProfileGetInt, profileOff},
        {topic::ProfileSetInt, profileOff},
        {topic::ProfileGetString, profileOff},
        {topic::ProfileSetString, profileOff},
        {topic::ProfileGetRect, profileOff},
        {topic::ProfileSetRect, profileOff},
        {topic::ProfileDelParam, profileOff},
    };
    const auto table = SubstituteHost::ServedTopics();
    EXPECT_EQ(table.size(), std::size(cases));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.topic);
        EXPECT_EQ(
            std::count_if(table.begin(), table.end(), [&](const auto& row) { return row.topic == c.topic; }),
            1);
        SubstituteHost host;
        EXPECT_EQ(host.Services()->IsTopicAvailable(c.topic), 1);
        if (c.switchOff != nullptr) {
            c.switchOff(host);
            EXPECT_EQ(host.Services()->IsTopicAvailable(c.topic), 0);
        }
    }
    for (const char* busTopic : {topic::ModulesLoaded, topic::MenuCommand}) {
        SCOPED_TRACE(busTopic);
        EXPECT_EQ(
            std::count_if(table.begin(), table.end(), [&](const auto& row) { return row.topic == busTopic; }),
            0);
        SubstituteHost host;
        EXPECT_EQ(host.Services()->IsTopicAvailable(busTopic), 0);
    }
}

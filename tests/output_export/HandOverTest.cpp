// The export command of the export page: the format choice, the hand-over command with "%F", and the
// platform's program start.
#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "ExportTestContexts.h"
#include "ExportTestFolder.h"
#include "output/ExportHandOver.h"
#include "platform/Platform.h"
#include "platform/ShellExecute.h"

namespace {
TEST(HandOverCommand, PlaceholderReplacedOnceWhereverItStands) {
    struct Case {
        const char16_t* program;
        const char16_t* parameters;
        bool openWithAssociation;
        const char16_t* file;
        const char16_t* expectedParameters;
    };
    const char16_t* path = u"C:\\Temp\\EXP1A2B.tmp.json";
    const Case cases[] = {
        // The stored defaults.
        {u"CMD", u"/C move /Y %F C:\\out\\data.xml", false, u"CMD",
         u"/C move /Y C:\\Temp\\EXP1A2B.tmp.json C:\\out\\data.xml"},
        {u"prog", u"%F %F", false, u"prog", u"C:\\Temp\\EXP1A2B.tmp.json %F"},
        {u"prog", u"-o %F", false, u"prog", u"-o C:\\Temp\\EXP1A2B.tmp.json"},
        {u"prog", u"%F", false, u"prog", u"C:\\Temp\\EXP1A2B.tmp.json"},
        {u"prog", u"--no-file", false, u"prog", u"--no-file"},
        {u"prog", u"%f lower case, %", false, u"prog", u"%f lower case, %"},
        {u"prog", u"%%F", false, u"prog", u"%C:\\Temp\\EXP1A2B.tmp.json"},
        {u"prog", u"", false, u"prog", u""},
        // No program: the file opens with its associated program and the parameters are dropped.
        {u"", u"/C move /Y %F C:\\out\\data.xml", true, path, u""},
    };
    for (const Case& test : cases) {
        const HandOverCommand command = MakeHandOverCommand(test.program, test.parameters, path);
        EXPECT_EQ(command.openWithAssociation, test.openWithAssociation);
        EXPECT_TRUE(command.file == test.file);
        EXPECT_TRUE(command.parameters == test.expectedParameters) << static_cast<int>(&test - cases);
    }
}

// A path with a space reaches the receiving program as one argument.
TEST(HandOverCommand, PathWithSpaceIsQuotedOnce) {
    const char16_t* path = u"C:\\Documents and Settings\\EXP1.tmp.xml";
    struct Case {
        const char16_t* parameters;
        const char16_t* expected;
    };
    const Case cases[] = {
        {u"/C move /Y %F C:\\out", u"/C move /Y \"C:\\Documents and Settings\\EXP1.tmp.xml\" C:\\out"},
        {u"\"%F\" x", u"\"C:\\Documents and Settings\\EXP1.tmp.xml\" x"},
        {u"%F", u"\"C:\\Documents and Settings\\EXP1.tmp.xml\""},
    };
    for (const Case& test : cases) {
        EXPECT_TRUE(MakeHandOverCommand(u"p", test.parameters, path).parameters == test.expected)
            << static_cast<int>(&test - cases);
    }
    // Opened with its associated program, the path is the file to open and stays bare.
    EXPECT_TRUE(MakeHandOverCommand(u"", u"%F", path).file == path);
}

// A path that itself holds "%F" is inserted as it is, not replaced again.
TEST(HandOverCommand, PathHoldingPlaceholderIsNotReplacedAgain) {
    const HandOverCommand command = MakeHandOverCommand(u"p", u"a %F b %F", u"/x/%F/y");
    EXPECT_TRUE(command.parameters == u"a /x/%F/y b %F");
}

struct HandOverRun {
    int calls = 0;
    HandOverCommand command;
};

int32_t RunExport(const CalcContext& context, const std::u16string& folder, std::u16string& path,
                  HandOverRun& run, std::vector<std::u16string>& errors) {
    const ExportHost host{
        context, [&errors](std::u16string_view, std::u16string_view text) { errors.emplace_back(text); },
        folder, FixedSources()};
    return ExportAndHandOver(host, path, [&run](const HandOverCommand& command) {
        ++run.calls;
        run.command = command;
        return 1; // a program that could not be started changes nothing
    });
}

TEST(ExportAndHandOver, WritesChosenFormatAndHandsFileOver) {
    struct Case {
        int32_t format;
        const char16_t* extension;
    };
    for (const Case& test : {Case{0, u".xml"}, Case{1, u".json"}, Case{2, u".txt"}}) {
        ExportTestFolder folder;
        CalcContext context = MethodAContext();
        context.settings.expFormat = test.format;
        std::u16string path;
        HandOverRun run;
        std::vector<std::u16string> errors;
        ASSERT_EQ(RunExport(context, folder.Text(), path, run, errors), 1);
        EXPECT_TRUE(errors.empty());
        EXPECT_EQ(std::filesystem::path(path).extension().u16string(), test.extension);
        ASSERT_EQ(run.calls, 1);
        EXPECT_FALSE(run.command.openWithAssociation);
        EXPECT_TRUE(run.command.file == u"CMD");
        EXPECT_TRUE(run.command.parameters == u"/C move /Y " + path + u" C:\\out\\data.xml");
    }
}

TEST(ExportAndHandOver, NoFormatChosenDoesNothing) {
    for (const int32_t format : {-1, 3, 100}) {
        ExportTestFolder folder;
        CalcContext context = MethodAContext();
        context.settings.expFormat = format;
        std::u16string path;
        HandOverRun run;
        std::vector<std::u16string> errors;
        EXPECT_EQ(RunExport(context, folder.Text(), path, run, errors), 0);
        EXPECT_EQ(run.calls, 0);
        EXPECT_TRUE(errors.empty());
        EXPECT_TRUE(path.empty());
        EXPECT_TRUE(std::filesystem::is_empty(folder.Path()));
    }
}

TEST(ExportAndHandOver, FailedExportRunsNothing) {
    ExportTestFolder folder;
    CalcContext context = MethodAContext();
    context.settings.expFormat = 1;
    std::u16string path;
    HandOverRun run;
    std::vector<std::u16string> errors;
    EXPECT_EQ(RunExport(context, (folder.Path() / "missing").u16string(), path, run, errors), 0);
    EXPECT_EQ(run.calls, 0);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_TRUE(errors[0] == u"Невозможно открыть файл для записи");
}

TEST(ExportAndHandOver, EmptyProgramOpensFileWithAssociation) {
    ExportTestFolder folder;
    CalcContext context = MethodAContext();
    context.settings.expFormat = 2;
    context.settings.expCommand.clear();
    std::u16string path;
    HandOverRun run;
    std::vector<std::u16string> errors;
    ASSERT_EQ(RunExport(context, folder.Text(), path, run, errors), 1);
    ASSERT_EQ(run.calls, 1);
    EXPECT_TRUE(run.command.openWithAssociation);
    EXPECT_TRUE(run.command.file == path);
    EXPECT_TRUE(run.command.parameters.empty());
}

// The page reads at most 259 characters of each edit; the path put in may make the parameters longer.
TEST(ExportAndHandOver, ProgramAndParametersReadUpToEditCapacity) {
    ExportTestFolder folder;
    CalcContext context = MethodAContext();
    context.settings.expFormat = 1;
    context.settings.expCommand = std::u16string(300, u'p');
    context.settings.expParameters = u"%F" + std::u16string(300, u'q');
    std::u16string path;
    HandOverRun run;
    std::vector<std::u16string> errors;
    ASSERT_EQ(RunExport(context, folder.Text(), path, run, errors), 1);
    EXPECT_TRUE(run.command.file == std::u16string(259, u'p'));
    EXPECT_TRUE(run.command.parameters == path + std::u16string(257, u'q'));
}

// The platform starts the program without waiting for it: here a shell command that leaves a file.
TEST(StartProgram, StartedProgramRunsWithParameters) {
    ExportTestFolder folder;
    const std::filesystem::path marker = folder.Path() / "started.txt";
    const bool windows = platform::SharedLibraryExtension() == u".dll";
    const std::u16string program = windows ? u"cmd" : u"/bin/sh";
    const std::u16string parameters = windows ? u"/C echo started>\"" + marker.u16string() + u"\""
                                              : u"-c 'echo started > \"" + marker.u16string() + u"\"'";
    ASSERT_EQ(platform::StartProgram(program, parameters), 0);
    // Poll for the program's work, for at most half a minute on a loaded machine.
    for (int wait = 0; wait < 300 && !std::filesystem::exists(marker); ++wait) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    EXPECT_TRUE(std::filesystem::exists(marker));
}

TEST(StartProgram, EmptyProgramIsRefused) {
    if (platform::SharedLibraryExtension() == u".dll") {
        GTEST_SKIP() << "the shell decides what an empty program means";
    }
    EXPECT_NE(platform::StartProgram(u"", u"x"), 0);
    EXPECT_NE(platform::OpenWithAssociatedProgram(u""), 0);
}
} // namespace

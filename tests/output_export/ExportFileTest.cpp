// The export file: its name in the temporary folder, the bytes written, and the errors the user sees.
#include <csignal>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ExportTestContexts.h"
#include "ExportTestFolder.h"
#include "output/ExportFile.h"
#include "output/ExportWriters.h"
#include "output/JsonExport.h"
#include "output/TxtExport.h"
#include "output/XmlExport.h"

#ifndef _WIN32
#include <sys/resource.h>
#endif

namespace {
struct ShownError {
    std::u16string caption;
    std::u16string text;
};

// An export host whose error box records what it would show.
struct RecordingHost {
    explicit RecordingHost(const CalcContext& context, std::u16string folder)
        : host{context,
               [this](std::u16string_view caption, std::u16string_view text) {
                   errors.push_back({std::u16string(caption), std::u16string(text)});
               },
               std::move(folder), FixedSources()} {}
    std::vector<ShownError> errors;
    ExportHost host;
};

constexpr char16_t kCaption[] = u"Ошибка";
constexpr char16_t kCannotOpen[] = u"Невозможно открыть файл для записи";
constexpr char16_t kWriteError[] = u"Ошибка записи файла";

using Writer = int32_t (*)(const ExportHost&, std::u16string&);
using Builder = std::string (*)(const CalcContext&, const ExportSources&);

struct WriterCase {
    Writer writer;
    Builder builder;
    const char16_t* extension;
};

const WriterCase kWriters[] = {
    {ExportXml, BuildXmlExport, u".xml"},
    {ExportJson, BuildJsonExport, u".json"},
    {ExportTxt, BuildTxtExport, u".txt"},
};

// Each writer leaves "EXP….tmp" + its extension, exactly its document, and removes the empty "EXP….tmp"
// that reserved the name: nothing else stays in the folder.
TEST(ExportWriters, WriteDocumentUnderUniqueExpNameWithExtensionAppended) {
    const CalcContext context = MethodAContext();
    for (const WriterCase& test : kWriters) {
        ExportTestFolder folder;
        RecordingHost recording(context, folder.Text());
        std::u16string path;
        ASSERT_NE(test.writer(recording.host, path), 0);
        EXPECT_TRUE(recording.errors.empty());

        const std::filesystem::path written(path);
        EXPECT_EQ(written.parent_path(), folder.Path());
        const std::u16string name = written.filename().u16string();
        EXPECT_EQ(name.rfind(u"EXP", 0), 0u);
        const std::u16string ending = std::u16string(u".tmp") + test.extension;
        ASSERT_GT(name.size(), ending.size());
        EXPECT_TRUE(name.compare(name.size() - ending.size(), ending.size(), ending) == 0);
        EXPECT_EQ(ReadFileBytes(written), test.builder(context, FixedSources()));

        std::filesystem::path reserving = written;
        reserving.replace_extension();
        EXPECT_FALSE(std::filesystem::exists(reserving));
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()),
                                std::filesystem::directory_iterator()),
                  1);
    }
}

// Two exports never share a name, and no section still writes a file.
TEST(ExportWriters, SuccessiveExportsGetDistinctFiles) {
    CalcContext context = MethodAContext();
    CalcSettings& settings = context.settings;
    settings.expAssay = settings.expCalibration = settings.expComponents = settings.expCalculation = false;
    settings.expMethaneNumber = settings.expMixtures = settings.expSettings = settings.expOutput = false;
    ExportTestFolder folder;
    RecordingHost recording(context, folder.Text());
    std::u16string first;
    std::u16string second;
    ASSERT_NE(ExportJson(recording.host, first), 0);
    ASSERT_NE(ExportJson(recording.host, second), 0);
    EXPECT_NE(first, second);
    EXPECT_EQ(ReadFileBytes(first), "{}");
    EXPECT_EQ(ReadFileBytes(second), "{}");
    std::u16string txt;
    ASSERT_NE(ExportTxt(recording.host, txt), 0);
    EXPECT_TRUE(std::filesystem::exists(txt));
    EXPECT_EQ(std::filesystem::file_size(txt), 0u);
}

// A folder that does not exist: no name can be made, every writer shows the "cannot open" error,
// returns 0 and leaves the path as it was.
TEST(ExportWriters, MissingFolderShowsCannotOpenAndKeepsPath) {
    const CalcContext context = MethodAContext();
    ExportTestFolder folder;
    const std::u16string missing = (folder.Path() / "missing" / "deeper").u16string();
    for (const WriterCase& test : kWriters) {
        RecordingHost recording(context, missing);
        std::u16string path = u"kept";
        EXPECT_EQ(test.writer(recording.host, path), 0);
        EXPECT_TRUE(path == u"kept");
        ASSERT_EQ(recording.errors.size(), 1u);
        EXPECT_TRUE(recording.errors[0].caption == kCaption);
        EXPECT_TRUE(recording.errors[0].text == kCannotOpen);
    }
    EXPECT_TRUE(std::filesystem::is_empty(folder.Path()));
}

// A regular file where the folder should be: the same error.
TEST(ExportWriters, FileInPlaceOfFolderShowsCannotOpen) {
    const CalcContext context = MethodAContext();
    ExportTestFolder folder;
    const std::filesystem::path blocker = folder.Path() / "blocker";
    { std::ofstream(blocker) << "x"; }
    RecordingHost recording(context, blocker.u16string());
    std::u16string path;
    EXPECT_EQ(ExportXml(recording.host, path), 0);
    ASSERT_EQ(recording.errors.size(), 1u);
    EXPECT_TRUE(recording.errors[0].text == kCannotOpen);
}

// A path that would not fit the page's 260-character buffer is refused before any file is written.
TEST(ExportWriters, PathLongerThanBufferIsRefused) {
    ExportTestFolder folder;
    const std::filesystem::path deep = folder.Path() / std::string(240, 'd');
    std::error_code error;
    if (!std::filesystem::create_directory(deep, error)) {
        GTEST_SKIP() << "the system does not take a folder name of 240 characters";
    }
    EXPECT_TRUE(MakeExportPath(deep.u16string(), u".json").empty());
    const CalcContext context = MethodAContext();
    RecordingHost recording(context, deep.u16string());
    std::u16string path;
    EXPECT_EQ(ExportJson(recording.host, path), 0);
    ASSERT_EQ(recording.errors.size(), 1u);
    EXPECT_TRUE(recording.errors[0].text == kCannotOpen);
}

// Which text each failure shows: the XML export reports a failed write as a file it cannot open.
TEST(ExportWriters, ErrorTextsByFailureAndFormat) {
    struct Case {
        ExportWriteResult result;
        WriteErrorText writeErrorText;
        int32_t returned;
        const char16_t* text; // null: nothing shown
    };
    const Case cases[] = {
        {ExportWriteResult::Written, WriteErrorText::OwnText, 1, nullptr},
        {ExportWriteResult::Written, WriteErrorText::SameAsOpen, 1, nullptr},
        {ExportWriteResult::CannotOpen, WriteErrorText::OwnText, 0, kCannotOpen},
        {ExportWriteResult::CannotOpen, WriteErrorText::SameAsOpen, 0, kCannotOpen},
        {ExportWriteResult::WriteFailed, WriteErrorText::OwnText, 0, kWriteError},
        {ExportWriteResult::WriteFailed, WriteErrorText::SameAsOpen, 0, kCannotOpen},
    };
    const CalcContext context = MethodAContext();
    for (const Case& test : cases) {
        RecordingHost recording(context, u"");
        EXPECT_EQ(ReportExportWrite(recording.host, test.result, test.writeErrorText), test.returned);
        if (test.text == nullptr) {
            EXPECT_TRUE(recording.errors.empty());
            continue;
        }
        ASSERT_EQ(recording.errors.size(), 1u);
        EXPECT_TRUE(recording.errors[0].caption == kCaption);
        EXPECT_TRUE(recording.errors[0].text == test.text);
    }
}

TEST(ExportFileWriter, ReplacesExistingFileAndWritesBytesUnchanged) {
    ExportTestFolder folder;
    const std::u16string path = (folder.Path() / "out.txt").u16string();
    ASSERT_EQ(WriteExportFile(path, "an older and longer content\r\n"), ExportWriteResult::Written);
    const std::string bytes("a\nb\r\n\0c\x97", 8);
    ASSERT_EQ(WriteExportFile(path, bytes), ExportWriteResult::Written);
    EXPECT_EQ(ReadFileBytes(path), bytes);
    EXPECT_EQ(WriteExportFile(u"", "x"), ExportWriteResult::CannotOpen);
    EXPECT_EQ(WriteExportFile(folder.Text(), "x"), ExportWriteResult::CannotOpen);
}

// A device that accepts the file but not its bytes (Linux's /dev/full): the write fails, and after the
// first failure further appends are ignored.
TEST(ExportFileWriter, FailedWriteIsKeptToTheEnd) {
    if (!std::filesystem::exists("/dev/full")) {
        GTEST_SKIP() << "no device that is always full";
    }
    EXPECT_EQ(WriteExportFile(u"/dev/full", "{}"), ExportWriteResult::WriteFailed);
    EXPECT_TRUE(std::filesystem::exists("/dev/full")) << "a failed write removes a regular file only";
    ExportFileWriter writer(u"/dev/full");
    ASSERT_TRUE(writer.IsOpen());
    writer.Append(std::string(1 << 20, 'x'));
    writer.Append("more");
    EXPECT_FALSE(writer.Close());
    EXPECT_FALSE(writer.Close());
}
} // namespace

#ifndef _WIN32
// A disk that fills up in the middle of the file (a file-size limit gives the same short write): the
// truncated export is removed, the writer reports the failure.
TEST(ExportFileWriter, ATruncatedExportIsRemoved) {
    ExportTestFolder folder;
    const std::u16string path = folder.Text() + u"EXP1.tmp.json";
    struct rlimit saved {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    struct rlimit small = saved;
    small.rlim_cur = 4096;
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const ExportWriteResult result = WriteExportFile(path, std::string(1 << 16, 'x'));
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_EQ(result, ExportWriteResult::WriteFailed);
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::path(path)));
}
#endif

// The report rendering: where the template is found, how the output file is named, and the
// transformation of the pipeline-gas report with the real template (libxslt on Linux, MSXML 6.0 on
// Windows), including a missing and a broken template.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "ReportContexts.h"
#include "TemplateSetting.h"
#include "output/report/ReportDocument.h"
#include "output/report/ReportRendering.h"
#include "platform/Platform.h"
#include "platform/TempFiles.h"
#include "platform/TemplateFolder.h"
#include "support/TempNames.h"
#include "text/Utf.h"

namespace {

namespace fs = std::filesystem;

std::string ReadFile(const std::u16string& path) {
    std::ifstream file(fs::path(path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void WriteFile(const std::u16string& path, std::string_view text) {
    std::ofstream file(fs::path(path), std::ios::binary);
    file.write(text.data(), static_cast<std::streamsize>(text.size()));
}

std::u16string Separator() {
    return std::u16string(1, platform::PathSeparator());
}

// A fresh folder of its own in the temporary folder, removed with its files afterwards.
class ReportRendering : public ::testing::Test {
protected:
    void SetUp() override {
        const std::string test = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        folder_ = Utf8ToUtf16(testsupport::UniqueTempPath("report-" + test, "")) + Separator();
        fs::remove_all(fs::path(folder_));
        fs::create_directories(fs::path(folder_));
        ClearConfiguredTemplateFolder();
    }
    void TearDown() override {
        ClearConfiguredTemplateFolder();
        std::error_code ignored;
        fs::remove_all(fs::path(folder_), ignored);
    }

    static ReportSources Sources() {
        return ReportSources{u"КС «Северная»", u"Узел замера газа №2", u"Иванова А. П.",
                             kAnalysisTime + 7200};
    }

    std::u16string folder_;
};

TEST_F(ReportRendering, TemplatePathHasExactlyOneSeparator) {
    const std::u16string s = Separator();
    EXPECT_EQ(ReportTemplatePathIn(u""), u"FerrowReportTmpl.xsl");
    EXPECT_EQ(ReportTemplatePathIn(u"reports"), u"reports" + s + u"FerrowReportTmpl.xsl");
    EXPECT_EQ(ReportTemplatePathIn(u"reports" + s), u"reports" + s + u"FerrowReportTmpl.xsl");
}

TEST_F(ReportRendering, ConfiguredFolderWinsOnlyWhenItHoldsTheTemplate) {
    const std::u16string program = folder_ + u"program" + Separator();
    const std::u16string fallback = program + u"Templates" + Separator() + u"FerrowReportTmpl.xsl";
    const std::u16string configured = folder_ + u"own";
    fs::create_directories(fs::path(configured));

    EXPECT_EQ(ChooseReportTemplatePath(u"", program), fallback);
    EXPECT_EQ(ChooseReportTemplatePath(configured, program), fallback) << "no template there yet";

    WriteFile(ReportTemplatePathIn(configured), "<xsl/>");
    const std::u16string expected = configured + Separator() + u"FerrowReportTmpl.xsl";
    EXPECT_EQ(ChooseReportTemplatePath(configured, program), expected);
    EXPECT_EQ(ChooseReportTemplatePath(configured + Separator(), program), expected);

    // A path beyond the platform's limit is not used.
    const std::u16string tooLong(platform::MaxPathLength(), u'x');
    EXPECT_EQ(ChooseReportTemplatePath(tooLong, program), fallback);
    EXPECT_EQ(ChooseReportTemplatePath(u"", tooLong + Separator()), u"");
}

TEST_F(ReportRendering, TemplateFolderOfTheUserOrBesideTheProgram) {
    const std::u16string beside =
        platform::ProgramDirectory() + u"Templates" + Separator() + u"FerrowReportTmpl.xsl";
    EXPECT_EQ(FindReportTemplatePath(), beside);
    EXPECT_TRUE(platform::FileExists(beside)) << "the build puts the template beside the programs";

    SetConfiguredTemplateFolder(folder_);
    EXPECT_EQ(FindReportTemplatePath(), beside) << "the user's folder holds no template";
    WriteFile(folder_ + u"FerrowReportTmpl.xsl", "<xsl/>");
    EXPECT_EQ(FindReportTemplatePath(), folder_ + u"FerrowReportTmpl.xsl");
    ClearConfiguredTemplateFolder();
    EXPECT_EQ(FindReportTemplatePath(), beside);
}

TEST_F(ReportRendering, OutputFilesAreNumberedFromTheTickCount) {
    EXPECT_EQ(ReportOutputPath(folder_, 1234567), folder_ + u"web12345.html");
    EXPECT_EQ(ReportOutputPath(folder_, 599), folder_ + u"web5.html");
    // 4294967295 / 100 = 42949672, modulo 100000.
    EXPECT_EQ(ReportOutputPath(folder_, UINT32_MAX), folder_ + u"web49672.html");

    WriteFile(folder_ + u"web12345.html", "taken");
    WriteFile(folder_ + u"web12346.html", "taken");
    EXPECT_EQ(ReportOutputPath(folder_, 1234567), folder_ + u"web12347.html");

    // The numbers wrap at 100000.
    WriteFile(folder_ + u"web99999.html", "taken");
    EXPECT_EQ(ReportOutputPath(folder_, 9999900), folder_ + u"web0.html");
    // A folder of that name is not a file: its name is free.
    fs::create_directories(fs::path(folder_ + u"web777.html"));
    EXPECT_EQ(ReportOutputPath(folder_, 77700), folder_ + u"web777.html");
}

TEST_F(ReportRendering, PipelineGasReportWithTheRealTemplate) {
    CalcContext context = PipelineGasContext();
    context.reportProps.push_back({u"Примечание", u"A & B <C>"});
    const std::string xml = BuildReportXml(context, Sources());
    ASSERT_FALSE(xml.empty());
    const std::u16string output = folder_ + u"report.html";
    std::u16string error;
    ASSERT_TRUE(TransformReport(FindReportTemplatePath(), xml, output, &error)) << Utf16ToUtf8(error);
    EXPECT_TRUE(error.empty());

    const std::string html = ReadFile(output);
    ASSERT_FALSE(html.empty());
    // Every part of the document reaches the page, in UTF-8.
    const char* const expected[] = {
        "<html",
        "charset=",
        "@page",
        "Отчёт",
        "Природный газ",
        "ГОСТ 31371.7-2020",
        "Пункт отбора",
        "КС «Северная»",
        "Точка отбора",
        "Узел замера газа №2",
        "Заказчик",
        "НГ-2023/0517-2",
        "A &amp; B &lt;C&gt;",
        "Хроматограммы",
        "CAL_0517_01.chr",
        "ANL_0517_02.chr",
        "Градуировка",
        "0.00007",
        "Компоненты",
        "Концентрация (мол.%)",
        "94.12",
        "Кислород *",
        "&lt; 0.010",
        "компоненты не участвуют в расчёте физико-химических показателей по ГОСТ 31369-2021",
        "Молярная масса смеси [кг/кмоль]",
        "17.051",
        "9071.6",
        "Метановое число упрощенной смеси",
        "Метановое число газового моторного топлива",
        "Журнал уведомлений",
        "Азот: приемлемость градуировочного коэффициента",
        "Измерения провёл",
        "Подпись",
        "Фамилия И.О.",
        "Иванова А. П.",
        "Отчёт сгенерирован программой",
    };
    for (const char* text : expected) {
        EXPECT_NE(html.find(text), std::string::npos) << text;
    }
    // The unused chromatogram is not in the report.
    EXPECT_EQ(html.find("ANL_0516_07.chr"), std::string::npos);
    // No element that an HTML parser would leave open.
    for (const char* selfClosed :
         {"<td/>", "<td />", "<th/>", "<th />", "<div/>", "<div />", "<p/>", "<span/>"}) {
        EXPECT_EQ(html.find(selfClosed), std::string::npos) << selfClosed;
    }
}

TEST_F(ReportRendering, RenderReportWritesANewNumberedFile) {
    const CalcContext context = PipelineGasContext();
    std::u16string first;
    std::u16string error;
    ASSERT_TRUE(RenderReport(context, folder_, first, &error)) << Utf16ToUtf8(error);
    EXPECT_EQ(first.rfind(folder_ + u"web", 0), 0u) << Utf16ToUtf8(first);
    EXPECT_EQ(first.substr(first.size() - 5), u".html");
    EXPECT_NE(ReadFile(first).find("Метановое число"), std::string::npos);

    // Rendering again never overwrites: the next free number is taken. The folder may lack its final
    // separator.
    std::u16string second;
    ASSERT_TRUE(RenderReport(context, folder_.substr(0, folder_.size() - 1), second, &error))
        << Utf16ToUtf8(error);
    EXPECT_NE(second, first);
    EXPECT_TRUE(platform::FileExists(first));
    EXPECT_TRUE(platform::FileExists(second));
}

TEST_F(ReportRendering, MissingTemplateFailsClearly) {
    const std::string xml = BuildReportXml(PipelineGasContext(), Sources());
    const std::u16string output = folder_ + u"report.html";
    // A program folder without "Templates".
    const std::u16string missing = ChooseReportTemplatePath(u"", folder_);
    std::u16string error;
    EXPECT_FALSE(TransformReport(missing, xml, output, &error));
    EXPECT_EQ(Utf16ToUtf8(error), "шаблон отчёта " + Utf16ToUtf8(missing) + " не найден");
    EXPECT_FALSE(platform::FileExists(output));

    EXPECT_FALSE(TransformReport(u"", xml, output, &error));
    EXPECT_EQ(Utf16ToUtf8(error), "путь к шаблону отчёта не задан");
    EXPECT_FALSE(TransformReport(missing, xml, output)) << "no error text wanted";
}

TEST_F(ReportRendering, BrokenTemplatesFailWithoutCrashing) {
    const std::string xml = BuildReportXml(PipelineGasContext(), Sources());
    const std::u16string templatePath = folder_ + u"FerrowReportTmpl.xsl";
    const std::string unreadable = "шаблон отчёта " + Utf16ToUtf8(templatePath) + " не читается";
    const std::string stopped = "преобразование по шаблону отчёта не выполнено";
    struct Case {
        const char* what;
        const char* text;
        std::string reason; // the step the user reads first; empty where the engines differ
    };
    const Case cases[] = {
        {"not well-formed",
         "<xsl:stylesheet version=\"1.0\" xmlns:xsl=\"http://www.w3.org/1999/XSL/Transform\">"
         "<xsl:template match=\"/\"><html>",
         unreadable},
        {"empty file", "", unreadable},
        {"not a style sheet", "<html><body>report</body></html>", ""},
        {"stopped by the style sheet",
         "<xsl:stylesheet version=\"1.0\" xmlns:xsl=\"http://www.w3.org/1999/XSL/Transform\">"
         "<xsl:template match=\"/\"><xsl:message terminate=\"yes\">stop</xsl:message></xsl:template>"
         "</xsl:stylesheet>",
         stopped},
    };
    for (const Case& c : cases) {
        WriteFile(templatePath, c.text);
        std::u16string error;
        EXPECT_FALSE(TransformReport(templatePath, xml, folder_ + u"report.html", &error)) << c.what;
        const std::string reason = Utf16ToUtf8(error);
        if (c.reason.empty()) {
            EXPECT_TRUE(reason.rfind(unreadable, 0) == 0 || reason.rfind(stopped, 0) == 0)
                << c.what << ": " << reason;
        } else {
            EXPECT_EQ(reason.rfind(c.reason, 0), 0u) << c.what << ": " << reason;
        }
    }
}

TEST_F(ReportRendering, BrokenDocumentOrUnwritableOutputFails) {
    const std::u16string output = folder_ + u"report.html";
    std::u16string error;
    EXPECT_FALSE(TransformReport(FindReportTemplatePath(), "<root><meta>", output, &error));
    EXPECT_EQ(Utf16ToUtf8(error).rfind("документ отчёта не читается", 0), 0u) << Utf16ToUtf8(error);
    EXPECT_FALSE(TransformReport(FindReportTemplatePath(), "", output, &error));
    EXPECT_EQ(Utf16ToUtf8(error), "документ отчёта пуст");
    EXPECT_FALSE(platform::FileExists(output));

    const std::string xml = BuildReportXml(PipelineGasContext(), Sources());
    const std::u16string unreachable = folder_ + u"missing" + Separator() + u"report.html";
    EXPECT_FALSE(TransformReport(FindReportTemplatePath(), xml, unreachable, &error));
    EXPECT_EQ(Utf16ToUtf8(error).rfind("файл отчёта " + Utf16ToUtf8(unreachable) + " не записывается", 0), 0u)
        << Utf16ToUtf8(error);
}

} // namespace

namespace {
// The report file is created exclusively: nothing existing under the name is used or followed.
TEST_F(ReportRendering, NewFilesAreCreatedExclusively) {
    const std::u16string free = folder_ + u"web1.html";
    EXPECT_EQ(platform::CreateNewFile(free), platform::NewFileResult::Created);
    EXPECT_TRUE(platform::FileExists(free));
    EXPECT_EQ(platform::CreateNewFile(free), platform::NewFileResult::Exists);
    fs::create_directories(fs::path(folder_ + u"web2.html"));
    EXPECT_EQ(platform::CreateNewFile(folder_ + u"web2.html"), platform::NewFileResult::Exists);
    EXPECT_EQ(platform::CreateNewFile(folder_ + u"missing/web3.html"), platform::NewFileResult::Failed);

    std::error_code linkError;
    const fs::path target(folder_ + u"planted-target.html");
    fs::create_symlink(target, fs::path(folder_ + u"web4.html"), linkError);
    if (!linkError) {
        EXPECT_EQ(platform::CreateNewFile(folder_ + u"web4.html"), platform::NewFileResult::Exists);
        EXPECT_FALSE(fs::exists(target)) << "a link planted under the name is never followed";
    }
}

// A transformation that fails leaves no report file behind.
TEST_F(ReportRendering, AFailedTransformLeavesNoFile) {
    WriteFile(folder_ + u"FerrowReportTmpl.xsl", "<xsl:stylesheet version=\"1.0\" broken");
    SetConfiguredTemplateFolder(folder_);
    const fs::path output(folder_ + u"out");
    fs::create_directories(output);
    std::u16string path;
    std::u16string error;
    EXPECT_FALSE(RenderReport(PipelineGasContext(), folder_ + u"out", path, &error));
    ClearConfiguredTemplateFolder();
    EXPECT_FALSE(error.empty());
    EXPECT_TRUE(fs::is_empty(output)) << Utf16ToUtf8(path);
}
// A device that takes no bytes (Linux's /dev/full): the system's reason follows the failure, apart.
TEST_F(ReportRendering, AFullDiskIsReportedWithTheSystemsReason) {
    if (!fs::exists("/dev/full")) {
        GTEST_SKIP() << "no device that is always full";
    }
    const std::string xml = BuildReportXml(PipelineGasContext(), Sources());
    std::u16string error;
    EXPECT_FALSE(TransformReport(FindReportTemplatePath(), xml, u"/dev/full", &error));
    EXPECT_EQ(Utf16ToUtf8(error),
              "файл отчёта /dev/full не записывается: No space left on device; write error");
}
} // namespace

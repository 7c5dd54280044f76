// The string table of the plug-in (language 1049): the lookup gives every row of resources/strings.tsv
// and nothing else, every id the code names has a row, every call passes an argument per conversion,
// and the printf conversions of the texts are those FormatText carries out.
#include "text/StringTable.h"

#include "text/Format.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "text/StringIds.gen.h"
#include "text/Utf.h"

namespace {
// A row of resources/strings.tsv: "<id> TAB <name or -> TAB <text>", the text with \n, \t, \\ escapes.
struct Row {
    uint32_t id = 0;
    std::string name;
    std::u16string text;
};

std::string ReadSourceFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    EXPECT_TRUE(file.is_open()) << path;
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

const std::vector<Row>& SourceRows() {
    static const std::vector<Row> kRows = [] {
        std::vector<Row> rows;
        std::istringstream lines(
            ReadSourceFile(std::filesystem::path(TARVEL_SOURCE_DIR) / "resources/strings.tsv"));
        for (std::string line; std::getline(lines, line);) {
            if (line.empty() || line[0] == '#') {
                continue;
            }
            const size_t tab1 = line.find('\t');
            const size_t tab2 = line.find('\t', tab1 + 1);
            EXPECT_NE(tab2, std::string::npos) << line;
            std::string text;
            for (size_t i = tab2 + 1; i < line.size(); ++i) {
                if (line[i] == '\\' && i + 1 < line.size()) {
                    const char escaped = line[++i];
                    text += escaped == 'n' ? '\n' : escaped == 't' ? '\t' : escaped;
                } else {
                    text += line[i];
                }
            }
            rows.push_back({static_cast<uint32_t>(std::stoul(line.substr(0, tab1))),
                            line.substr(tab1 + 1, tab2 - tab1 - 1), Utf8ToUtf16(text)});
        }
        return rows;
    }();
    return kRows;
}

// The C++ sources of the plug-in and its host, every platform's.
std::vector<std::pair<std::string, std::string>> CodeFiles() {
    std::vector<std::pair<std::string, std::string>> files;
    for (const auto& entry :
         std::filesystem::recursive_directory_iterator(std::filesystem::path(TARVEL_SOURCE_DIR) / "src")) {
        const std::string extension = entry.path().extension().string();
        if (entry.is_regular_file() && (extension == ".cpp" || extension == ".h")) {
            files.emplace_back(entry.path().filename().string(), ReadSourceFile(entry.path()));
        }
    }
    return files;
}

const Row* RowNamed(std::string_view name) {
    for (const Row& row : SourceRows()) {
        if (row.name == name) {
            return &row;
        }
    }
    return nullptr;
}

size_t SupportedConversionLength(std::u16string_view text, size_t i);
} // namespace

TEST(StringTable, EveryRowOfTheSourceGivesItsTextAndNothingElseIsThere) {
    ASSERT_GT(SourceRows().size(), 200u);
    std::set<uint32_t> ids;
    std::set<std::string> names;
    uint32_t previous = 0;
    for (const Row& row : SourceRows()) {
        EXPECT_TRUE(ids.insert(row.id).second) << "id " << row.id << " listed twice";
        EXPECT_TRUE(row.name == "-" || names.insert(row.name).second) << "name " << row.name << " used twice";
        EXPECT_GT(row.id, previous) << "rows in ascending id order";
        previous = row.id;
        EXPECT_FALSE(row.text.empty()) << "id " << row.id;
        EXPECT_TRUE(HasText(row.id)) << row.id;
        EXPECT_EQ(LoadText(row.id), row.text) << "id " << row.id;
    }
    for (uint32_t id = 0; id <= 0xFFFF; ++id) {
        EXPECT_EQ(HasText(id), ids.count(id) == 1) << "id " << id;
    }
}

TEST(StringTable, EveryIdTheCodeNamesHasARow) {
    const std::regex named(R"(StringId::([A-Za-z0-9_]+))");
    std::set<std::string> used;
    for (const auto& [file, code] : CodeFiles()) {
        for (auto it = std::sregex_iterator(code.begin(), code.end(), named); it != std::sregex_iterator();
             ++it) {
            used.insert((*it)[1].str());
            EXPECT_NE(RowNamed((*it)[1].str()), nullptr) << file << " names StringId::" << (*it)[1].str();
        }
    }
    EXPECT_GT(used.size(), 200u);
}

// Each call that formats a text of the table with a braced list of arguments passes one argument per
// conversion ("%.*f" takes two); a journal message without a list has no conversion.
TEST(StringTable, CallsPassAnArgumentForEveryConversion) {
    const std::regex withArguments(R"(StringId::([A-Za-z0-9_]+)\)?\s*,\s*\{)");
    const std::regex withoutArguments(R"(AddMessage\([^;{}]*StringId::([A-Za-z0-9_]+)\s*\))");
    const auto conversionsOf = [](std::u16string_view text) {
        size_t count = 0;
        for (size_t i = text.find(u'%'); i != std::u16string_view::npos; i = text.find(u'%', i + 1)) {
            const size_t length = SupportedConversionLength(text, i);
            if (length > 0 && text.substr(i, 2) != u"%%") {
                count += 1 + static_cast<size_t>(
                                 std::count(text.begin() + static_cast<std::ptrdiff_t>(i),
                                            text.begin() + static_cast<std::ptrdiff_t>(i + length), u'*'));
            }
            i += length > 0 ? length - 1 : 0;
        }
        return count;
    };
    // The top-level arguments of the braced list that starts at code[open].
    const auto argumentsAt = [](const std::string& code, size_t open) {
        size_t count = 0;
        int depth = 0;
        bool inText = false;
        bool empty = true;
        for (size_t i = open; i < code.size(); ++i) {
            const char c = code[i];
            if (inText) {
                inText = !(c == '"' && code[i - 1] != '\\');
            } else if (c == '"') {
                inText = true;
            } else if (c == '{' || c == '(') {
                ++depth;
            } else if (c == '}' || c == ')') {
                if (--depth == 0) {
                    return empty ? count : count + 1;
                }
            } else if (c == ',' && depth == 1) {
                ++count;
            }
            empty = empty && (i == open || c == ' ' || c == '\n');
        }
        return count;
    };
    int checked = 0;
    for (const auto& [file, code] : CodeFiles()) {
        for (auto it = std::sregex_iterator(code.begin(), code.end(), withArguments);
             it != std::sregex_iterator(); ++it) {
            const Row* row = RowNamed((*it)[1].str());
            ASSERT_NE(row, nullptr) << (*it)[1].str();
            const size_t open = static_cast<size_t>(it->position() + it->length() - 1);
            EXPECT_EQ(argumentsAt(code, open), conversionsOf(row->text)) << file << ": " << row->name;
            ++checked;
        }
        for (auto it = std::sregex_iterator(code.begin(), code.end(), withoutArguments);
             it != std::sregex_iterator(); ++it) {
            const Row* row = RowNamed((*it)[1].str());
            ASSERT_NE(row, nullptr) << (*it)[1].str();
            EXPECT_EQ(conversionsOf(row->text), 0u) << file << ": " << row->name;
            ++checked;
        }
    }
    EXPECT_GT(checked, 30);
}

TEST(StringTable, UnknownIdGivesAnEmptyText) {
    for (uint32_t id :
         {0u, 1u, 103u, 164u, 176u, 179u, 225u, 313u, 399u, 1000u, 65535u, 65536u, 0xFFFFFFFFu}) {
        EXPECT_FALSE(HasText(id)) << id;
        EXPECT_TRUE(LoadText(id).empty()) << id;
    }
}

TEST(StringTable, NamedIdsCarryTheirNumbers) {
    const std::pair<uint32_t, uint32_t> named[] = {
        {StringId::WarningCaption, 123},
        {StringId::IntegrityCheckCaption, 175},
        {StringId::CalculationFailed, 231},
        {StringId::ErrorCaption, 284},
        {StringId::CannotOpenFileForWriting, 285},
        {StringId::FileWriteError, 286},
        {StringId::CategoryGeneral, 232},
        {StringId::CategoryCalibration, 233},
        {StringId::CategoryComponents, 234},
        {StringId::CategoryCalculation, 235},
        {StringId::CategoryMethaneNumber, 236},
        {StringId::CategoryMixture, 237},
        {StringId::JournalColumnSection, 238},
        {StringId::JournalColumnDescription, 239},
        {StringId::NotEnoughCalibrationChromatograms, 112},
        {StringId::MolarFractionSumOutOfRange, 167},
        {StringId::CalibrationMixtureDoesNotSuitGas, 177},
        {StringId::CalibrationControlFailed, 182},
        {StringId::CompressibilityFactorTooLow, 205},
        {StringId::NotEnoughAcceptableCalibrationChromatograms, 207},
        {StringId::MixtureComponentNotInReferenceTable, 227},
        {StringId::MixtureComponentOutOfReferenceRange, 228},
        {StringId::ComponentNotInMixtureRangeTable, 229},
        {StringId::MixtureComponentOutOfGasRange, 230},
        {StringId::MixtureUncertaintyTooLarge, 240},
        {StringId::MixtureTypeNotSuitable, 241},
        {StringId::MixtureComponentMissing, 242},
        {StringId::ComponentOutOfMethodRange, 243},
        {StringId::ComponentNotInMethodTable, 244},
        {StringId::SomeCalibrationResultsFailed, 265},
        {StringId::SomeComponentsFailed, 266},
        {StringId::NotEnoughAnalysisChromatograms, 276},
        {StringId::MixtureSumNot100, 279},
        {StringId::CalibrationAreasNotAcceptable, 287},
        {StringId::CalibrationFactorNotAcceptable, 290},
        {StringId::CalibrationControlComponentFailed, 291},
        {StringId::RepeatabilityFailed, 292},
        {StringId::NoCalibrationMixture, 298},
        {StringId::NoFirstCalibrationMixture, 299},
        {StringId::NoSecondCalibrationMixture, 300},
        {StringId::NoMixtureForAnalysis, 302},
        {StringId::ResultControlFailed, 303},
        {StringId::NoAdditionalCalibrationMixture, 304},
        {StringId::NotEnoughControlChromatograms, 305},
        {StringId::MixtureDescriptionNotFound, 306},
        {StringId::TooFewChromatogramsSelected, 273},
        {StringId::TooManyChromatogramsSelected, 274},
        {StringId::ChromatogramsAlreadyListed, 275},
        {StringId::ConstantAlreadyListed, 185},
        {StringId::TabChromatograms, 106},
        {StringId::TabExport, 280},
        {StringId::ReportGeneratedBy, 314},
    };
    for (const auto& [name, number] : named) {
        EXPECT_EQ(name, number);
    }
}

TEST(StringTable, MessagesFormatWithTheirArguments) {
    EXPECT_EQ(FormatText(LoadText(StringId::NotEnoughCalibrationChromatograms), {u"ГСО 1", 1, 3}),
              u"Недостаточно градуировочных хроматограм для смеси \"ГСО 1\". Загружено 1 из 3.");
    EXPECT_EQ(FormatText(LoadText(StringId::MolarFractionSumOutOfRange), {97.999}),
              u"Сумма значений молярной доли компонентов 97.999000 находится вне диапазона от 98% до 102%.");
    EXPECT_EQ(FormatText(LoadText(StringId::ComponentOutOfMethodRange), {u"Этан", 20.0, 0.001, 15.0}),
              u"Компонент \"Этан\" [20.000000] вне диапазона [0.0010-15.0000] допустимых концентраций.");
    EXPECT_EQ(FormatText(LoadText(StringId::RepeatabilityFailed), {u"Азот", 0.01234, 0.0098}),
              u"Для компонента \"Азот\" не пройдена проверка приемлемость полученных результатов по "
              u"расхождения двух последовательных измерений [0.0123 > 0.0098].");
    EXPECT_EQ(FormatText(LoadText(StringId::MixtureUncertaintyTooLarge), {u"ГСО 2", u"Этан", 0.081, 0.08}),
              u"В смеси \"ГСО 2\" расширенная абсолютная неопределенность для компонент \"Этан\" не "
              u"соответствует требованиям [0.081 > 0.08].");
    EXPECT_EQ(FormatText(LoadText(StringId::MixtureSumNot100), {u"ГСО 3", 100.051}),
              u"В смеси \"ГСО 3\" суммарное значение молярных долей всех компонентов 100.051000 не "
              u"соответствует 100%.");
    EXPECT_EQ(FormatText(LoadText(StringId::NotEnoughAnalysisChromatograms), {2}),
              u"Для анализа выбрано менее 2 хроматограмм.");
    EXPECT_EQ(FormatText(LoadText(StringId::ReportGeneratedBy), {u"31 мая 2024 г. 10:15"}),
              u"Отчёт сгенерирован программой \"Орлиск: Природный газ\" 31 мая 2024 г. 10:15");
    // A name holding a conversion is shown as it is.
    EXPECT_EQ(FormatText(LoadText(StringId::MixtureDescriptionNotFound), {u"100%s %d"}),
              u"Описание смеси \"100%s %d\" не найдено.");
    // The message box of a failed calculation has two lines.
    EXPECT_EQ(LoadText(StringId::CalculationFailed).find(u'\n'), 35u);
}

namespace {
// How FormatText reads one conversion starting at text[i] == '%': flags "-+ 0", width (digits or *),
// precision, length l, ll or I64, then a conversion letter. Returns the length of the conversion, or 0
// when the characters there are no conversion FormatText carries out.
size_t SupportedConversionLength(std::u16string_view text, size_t i) {
    size_t j = i + 1;
    if (j < text.size() && text[j] == u'%') {
        return 2;
    }
    while (j < text.size() && std::u16string_view(u"-+ 0").find(text[j]) != std::u16string_view::npos) {
        ++j;
    }
    auto digitsOrStar = [&] {
        if (j < text.size() && text[j] == u'*') {
            ++j;
            return;
        }
        while (j < text.size() && text[j] >= u'0' && text[j] <= u'9') {
            ++j;
        }
    };
    digitsOrStar();
    if (j < text.size() && text[j] == u'.') {
        ++j;
        digitsOrStar();
    }
    if (text.substr(j, 3) == u"I64") {
        j += 3;
    } else if (text.substr(j, 2) == u"ll") {
        j += 2;
    } else if (j < text.size() && text[j] == u'l') {
        ++j;
    }
    if (j < text.size() && std::u16string_view(u"sdiuxXcfFeEgG").find(text[j]) != std::u16string_view::npos) {
        return j + 1 - i;
    }
    return 0;
}

bool IsAsciiLetter(char16_t c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}
} // namespace

TEST(StringTable, EveryConversionIsOneFormatTextCarriesOut) {
    for (uint32_t id = 1; id <= 0xFFFF; ++id) {
        const std::u16string_view text = LoadText(id);
        int conversions = 0;
        int literalSigns = 0;
        for (size_t i = text.find(u'%'); i != std::u16string_view::npos; i = text.find(u'%', i)) {
            const size_t length = SupportedConversionLength(text, i);
            if (length > 0) {
                conversions += text.substr(i, 2) != u"%%";
                i += length;
                continue;
            }
            // A bare sign is allowed in a plain title such as "Концентрация (мол.%)" only when nothing
            // that looks like a conversion follows it.
            size_t j = i + 1;
            while (j < text.size() && std::u16string_view(u"-+ 0#.*0123456789").find(text[j]) != text.npos) {
                ++j;
            }
            EXPECT_FALSE(j < text.size() && IsAsciiLetter(text[j]))
                << "id " << id << ": unsupported conversion at offset " << i;
            ++literalSigns;
            ++i;
        }
        EXPECT_FALSE(conversions > 0 && literalSigns > 0)
            << "id " << id << ": a literal percent sign of a format must be written \"%%\"";
    }
}

TEST(StringTable, JournalMessagesTakeTheirArguments) {
    // Every message with the kinds of the arguments its callers pass: names as %s, counts as %d, values
    // as %f, %.4f or %g.
    struct Message {
        uint32_t id;
        int texts;
        int counts;
        int reals;
    };
    const Message messages[] = {
        {112, 1, 2, 0}, {167, 0, 0, 1}, {177, 2, 0, 3}, {182, 0, 0, 0}, {205, 0, 0, 0}, {207, 1, 0, 0},
        {227, 2, 0, 0}, {228, 2, 0, 3}, {229, 1, 0, 0}, {230, 2, 0, 3}, {240, 2, 0, 2}, {241, 1, 0, 0},
        {242, 2, 0, 0}, {243, 1, 0, 3}, {244, 1, 0, 0}, {265, 0, 0, 0}, {266, 0, 0, 0}, {276, 0, 1, 0},
        {279, 1, 0, 1}, {287, 2, 0, 2}, {290, 2, 0, 2}, {291, 2, 0, 2}, {292, 1, 0, 2}, {298, 0, 0, 0},
        {299, 1, 0, 0}, {300, 1, 0, 0}, {302, 0, 0, 0}, {303, 2, 0, 2}, {304, 1, 0, 0}, {305, 1, 2, 0},
        {306, 1, 0, 0}, {273, 0, 1, 0}, {274, 0, 1, 0}, {185, 1, 0, 0}, {314, 1, 0, 0},
    };
    for (const Message& m : messages) {
        const std::u16string_view text = LoadText(m.id);
        ASSERT_FALSE(text.empty()) << m.id;
        int texts = 0, counts = 0, reals = 0;
        for (size_t i = 0; i < text.size(); ++i) {
            if (text[i] != u'%') {
                continue;
            }
            const size_t length = SupportedConversionLength(text, i);
            ASSERT_GT(length, 0u) << m.id;
            const char16_t conversion = text[i + length - 1];
            texts += conversion == u's';
            counts += conversion == u'd';
            reals += conversion == u'f' || conversion == u'g';
            i += length - 1;
        }
        EXPECT_EQ(texts, m.texts) << "id " << m.id;
        EXPECT_EQ(counts, m.counts) << "id " << m.id;
        EXPECT_EQ(reals, m.reals) << "id " << m.id;
    }
}

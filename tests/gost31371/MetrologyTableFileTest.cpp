// The table file a laboratory installs beside the library: every class of fault refuses the file with its
// line, the built-in table goes out and comes back bit for bit, and a copy of the library finds a file
// beside itself (under Wine in the Windows build: beside the DLL, not the program).
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "Gost31371TestSupport.h"
#include "gost/gost31371/include/Tarvel31371720.h"
#include "platform/Platform.h"
#include "support/TempNames.h"

using namespace gost31371_test;

namespace {

std::vector<std::filesystem::path>& MadeFolders() {
    static std::vector<std::filesystem::path> folders;
    return folders;
}

// Removes the folders when the program ends (a library copy is loaded until then).
class RemoveMadeFolders : public ::testing::Environment {
public:
    void TearDown() override {
        for (const std::filesystem::path& folder : MadeFolders()) {
            std::error_code ignored;
            std::filesystem::remove_all(folder, ignored);
        }
    }
};
[[maybe_unused]] ::testing::Environment* const removeMadeFolders =
    ::testing::AddGlobalTestEnvironment(new RemoveMadeFolders);

// A folder of this process's own (parallel runs of the program never share one), emptied first.
std::filesystem::path TempFolder(const std::string& name) {
    const std::filesystem::path folder = std::filesystem::path(platform::TempDirectory()) /
                                         ("tarvel-metrology-" + name + "-" + testsupport::ProcessToken());
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    MadeFolders().push_back(folder);
    return folder;
}

void WriteBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << bytes;
    ASSERT_TRUE(file.good());
}

struct Checked {
    int32_t status;
    std::vector<MetrologyFileIssue> issues;
    int32_t parts;
};

Checked CheckFile(const std::filesystem::path& path) {
    Checked checked{-1, std::vector<MetrologyFileIssue>(16), 0};
    int32_t count = 0;
    checked.status =
        CheckMetrologyTableFile(path.u16string().c_str(), checked.issues.data(), 16, &count, &checked.parts);
    checked.issues.resize(static_cast<size_t>(std::min(count, 16)));
    return checked;
}

std::string TableInForceText() {
    const int32_t length = WriteMetrologyTableText(nullptr, 0);
    EXPECT_GT(length, 0);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    EXPECT_EQ(WriteMetrologyTableText(text.data(), length + 1), length);
    text.resize(static_cast<size_t>(length));
    return text;
}

constexpr const char* kEthane = "A\tethane\t0.001\t0.01\t0.0997\t4.18e-05\n";

struct FaultCase {
    const char* name;
    std::string bytes;
    int32_t line;
    int32_t fault;
    const char16_t* text;
};

} // namespace

TEST(MetrologyTableFile, EveryFaultRefusesTheFileAtItsLine) {
    const std::vector<FaultCase> cases = {
        {"not UTF-8", std::string(kEthane) + "# caf\xE9\n", 2, kMetrologyFaultNotUtf8, u""},
        {"overlong UTF-8", "# \xC0\xAF\n" + std::string(kEthane), 1, kMetrologyFaultNotUtf8, u""},
        {"long line", "# " + std::string(1100, 'x') + "\n" + kEthane, 1, kMetrologyFaultLineTooLong,
         u"1102 bytes"},
        {"too few fields", "A\tethane\t0.001\t0.01\t0.0997\n", 1, kMetrologyFaultFieldCount, u"5"},
        {"unknown method", "D\tethane\t0.001\t0.01\t0.0997\t4.18e-05\n", 1, kMetrologyFaultUnknownMethod,
         u"D"},
        {"unknown component", "B\tunobtainium\t0.001\t0.01\t0.1\t0\n", 1, kMetrologyFaultUnknownComponent,
         u"unobtainium"},
        {"decimal comma", "A\tethane\t0,001\t0.01\t0.0997\t4.18e-05\n", 1, kMetrologyFaultNotANumber,
         u"0,001"},
        {"infinite coefficient", "C1\tethane\t0.001\t0.01\tinf\t4.18e-05\n", 1, kMetrologyFaultNotANumber,
         u"inf"},
        {"negative b", "C2\tethane\t0.001\t0.01\t0.0997\t-4.18e-05\n", 1, kMetrologyFaultNegative,
         u"-4.18e-05"},
        {"lower not below upper", "A\tethane\t0.01\t0.01\t0.0997\t4.18e-05\n", 1, kMetrologyFaultRange,
         u"ethane 0.01 0.01"},
        {"band above 100 %", "allowed_deviation\t10\t101\t0.2\n", 1, kMetrologyFaultRange,
         u"allowed_deviation 10 101"},
        {"overlap", std::string(kEthane) + "# next\nA\tethane\t0.005\t0.02\t0.0447\t4.16e-05\n", 3,
         kMetrologyFaultOverlap, u"A ethane"},
        {"duplicate row", std::string(kEthane) + kEthane, 2, kMetrologyFaultDuplicate, u"A ethane"},
        {"critical range of one result", "critical_range\t1\t2.8\n", 1, kMetrologyFaultNormValue, u"1"},
        {"mixture ratio of 1", "mixture_ratio\t1\n", 1, kMetrologyFaultNormValue, u"1"},
        {"second mixture ratio", "mixture_ratio\t2\nmixture_ratio\t3\n", 2, kMetrologyFaultDuplicate,
         u"mixture_ratio"},
        {"comments only", "# nothing\n\n", 0, kMetrologyFaultNoRows, u""},
        {"larger than 1 MiB", std::string(1024 * 1024 + 1, '#'), 0, kMetrologyFaultTooLarge,
         u"1048577 bytes"},
    };
    const std::filesystem::path folder = TempFolder("faults");
    for (const FaultCase& fault : cases) {
        SCOPED_TRACE(fault.name);
        const std::filesystem::path path = folder / "table.tsv";
        WriteBytes(path, fault.bytes);
        const Checked checked = CheckFile(path);
        EXPECT_EQ(checked.status, -1);
        EXPECT_EQ(checked.parts, 0);
        ASSERT_EQ(checked.issues.size(), 1u);
        EXPECT_EQ(checked.issues[0].line, fault.line);
        EXPECT_EQ(checked.issues[0].fault, fault.fault);
        EXPECT_EQ(std::u16string(checked.issues[0].text), fault.text);
    }
    // Every fault of a file is listed, in line order; a missing file is unreadable as a whole.
    WriteBytes(folder / "table.tsv", "X\n" + std::string(kEthane) + kEthane + "A\tethane\tx\t1\t1\t1\n");
    const Checked several = CheckFile(folder / "table.tsv");
    ASSERT_EQ(several.issues.size(), 3u);
    EXPECT_EQ(several.issues[0].line, 1);
    EXPECT_EQ(several.issues[1].line, 3);
    EXPECT_EQ(several.issues[2].line, 4);
    const Checked missing = CheckFile(folder / "absent.tsv");
    ASSERT_EQ(missing.issues.size(), 1u);
    EXPECT_EQ(missing.issues[0].fault, kMetrologyFaultUnreadable);
    EXPECT_EQ(missing.issues[0].line, 0);
}

TEST(MetrologyTableFile, ABomCrLfSpacesAndSharedBoundsAreAcceptedAndGivenPartsReplaceTheirsAlone) {
    const std::filesystem::path path = TempFolder("valid") / "table.tsv";
    WriteBytes(path, "\xEF\xBB\xBF# a laboratory's rows\r\n"
                     "\t\t\t\r\n  # indented comment\n"
                     "A\tethane\t0.001\t0.01\t0.0997\t4.18e-05\tТаблица 5\r\n"
                     "A \t ethane\t0.01\t0.1 \t0.0447\t4.16e-05\r\n"
                     "allowed_deviation\t0\t100\t0.4\r\n");
    const Checked checked = CheckFile(path);
    EXPECT_EQ(checked.status, 0);
    EXPECT_TRUE(checked.issues.empty());
    EXPECT_EQ(checked.parts, kMetrologyPartMethodA | kMetrologyPartAllowedDeviation);
    int32_t count = 0;
    std::vector<MetrologyRow> rows(4);
    ASSERT_EQ(MetrologyTableFileRows(path.u16string().c_str(), 0, rows.data(), 4, &count), 0);
    ASSERT_EQ(count, 2);
    EXPECT_EQ(IdOf(rows[1]), u"ethane");
    EXPECT_EQ(rows[1].upper, 0.1);
    // Method Б stays the built-in table.
    ASSERT_EQ(MetrologyTableFileRows(path.u16string().c_str(), 1, nullptr, 0, &count), 0);
    EXPECT_EQ(static_cast<size_t>(count), DefaultRows(1).size());
}

TEST(MetrologyTableFile, TheExportedBuiltInTableReadsBackBitForBit) {
    const std::filesystem::path path = TempFolder("round-trip") / "table.tsv";
    const std::string text = TableInForceText();
    WriteBytes(path, text);
    const Checked checked = CheckFile(path);
    ASSERT_EQ(checked.status, 0);
    EXPECT_EQ(checked.parts, 127); // every part of the file
    for (int method = 0; method < 4; ++method) {
        SCOPED_TRACE(method);
        const std::span<const MetrologyRow> builtIn = DefaultRows(method);
        std::vector<MetrologyRow> rows(builtIn.size() + 1);
        int32_t count = 0;
        ASSERT_EQ(MetrologyTableFileRows(path.u16string().c_str(), method, rows.data(),
                                         static_cast<int32_t>(rows.size()), &count),
                  0);
        ASSERT_EQ(static_cast<size_t>(count), builtIn.size());
        EXPECT_EQ(std::memcmp(rows.data(), builtIn.data(), builtIn.size() * sizeof(MetrologyRow)), 0);
    }
}

namespace {

// A copy of the library in its own folder with a table file beside it, loaded for the rest of the process
// (its tables stay valid).
struct LibraryCopy {
    explicit LibraryCopy(const std::string& name, const std::string& tableFile) {
        const std::filesystem::path folder = TempFolder(name);
        const std::u16string fileName =
            u"Tarvel31371720" + std::u16string(platform::SharedLibraryExtension());
        std::filesystem::copy_file(std::filesystem::path(platform::DirectoryOf(platform::ModulePath())) /
                                       fileName,
                                   folder / fileName);
        WriteBytes(folder / "Tarvel31371720.tsv", tableFile);
        tablePath = (folder / "Tarvel31371720.tsv").u16string();
        static auto* const loaded = new std::vector<std::unique_ptr<platform::DynamicLibrary>>();
        library =
            loaded->emplace_back(std::make_unique<platform::DynamicLibrary>((folder / fileName).u16string()))
                .get();
    }
    template <typename Function>
    Function Entry(const char* name) const {
        Function entry = nullptr;
        void* symbol = library->Symbol(name);
        std::memcpy(&entry, &symbol, sizeof entry);
        EXPECT_NE(entry, nullptr) << name;
        return entry;
    }
    MetrologyTableSource Source() const {
        MetrologyTableSource source{};
        EXPECT_EQ(Entry<decltype(&GetMetrologyTableSource)>("GetMetrologyTableSource")(&source), 0);
        return source;
    }
    platform::DynamicLibrary* library;
    std::u16string tablePath;
};

std::string Sha1HexOf(const std::string& bytes) {
    const platform::Sha1Digest digest = platform::Sha1OfBytes(bytes.data(), bytes.size());
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string hex;
    for (uint8_t byte : digest) {
        hex += kDigits[byte >> 4];
        hex += kDigits[byte & 0x0F];
    }
    return hex;
}

std::string Utf8(const char16_t* text) {
    std::string narrow;
    for (; *text != u'\0'; ++text) {
        narrow += static_cast<char>(*text);
    }
    return narrow;
}

} // namespace

TEST(MetrologyTableFile, ALibraryPutsTheFileBesideItselfInForce) {
    const std::string file = "# method А, ethane changed\n"
                             "A\tethane\t0.001\t0.01\t0.0997\t4.18e-05\n"
                             "A\tethane\t0.01\t15\t0.05\t4.16e-05\n"
                             "A\tmethane\t40\t99.97\t0.00353\t0.0489\n"
                             "mixture_ratio\t3\tlaboratory\n";
    const LibraryCopy copy("beside", file);
    ASSERT_TRUE(copy.library->IsLoaded());
    const MetrologyTableSource source = copy.Source();
    EXPECT_EQ(source.kind, kMetrologyLaboratoryTable);
    EXPECT_EQ(source.rowCount, 4);
    EXPECT_EQ(source.fileParts, kMetrologyPartMethodA | kMetrologyPartMixtureRatio);
    EXPECT_EQ(Utf8(source.sha1), Sha1HexOf(file));
    EXPECT_EQ(std::u16string(source.path), copy.tablePath);

    int32_t count = 0;
    const MetrologyRow* rows =
        copy.Entry<decltype(&GetDefaultConstTableMethodA)>("GetDefaultConstTableMethodA")(&count);
    ASSERT_EQ(count, 3);
    EXPECT_EQ(rows[1].a, 0.05);
    const auto calcU = copy.Entry<decltype(&CalcU)>("CalcU");
    EXPECT_DOUBLE_EQ(calcU(rows, count, u"ethane", 3.0), 0.05 * 3.0 + 4.16e-05);
    // Method Б and the allowed deviations stay built in; the mixture ratio is the file's.
    copy.Entry<decltype(&GetDefaultConstTableMethodB)>("GetDefaultConstTableMethodB")(&count);
    EXPECT_EQ(static_cast<size_t>(count), DefaultRows(1).size());
    EXPECT_EQ(copy.Entry<decltype(&GetAllowedValue)>("GetAllowedValue")(5.0), GetAllowedValue(5.0));
    double lower = 0.0;
    double upper = 0.0;
    EXPECT_TRUE(copy.Entry<decltype(&CheckMoleFactor)>("CheckMoleFactor")(1.0, 2.9, &lower, &upper));
    EXPECT_DOUBLE_EQ(upper, 3.0);
    // This program's own library has no file beside it.
    MetrologyTableSource own{};
    ASSERT_EQ(GetMetrologyTableSource(&own), 0);
    EXPECT_EQ(own.kind, kMetrologyBuiltInTable);
}

TEST(MetrologyTableFile, ALibraryWithAFaultyFileBesideItHasNoTableInForce) {
    const LibraryCopy copy("refused", std::string(kEthane) + "A\tethane\t0.001\t0.01\t-1\t0\n");
    const MetrologyTableSource source = copy.Source();
    EXPECT_EQ(source.kind, kMetrologyRefusedFile);
    EXPECT_EQ(source.faultLine, 2);
    EXPECT_EQ(source.fault, kMetrologyFaultNegative);
    EXPECT_EQ(std::u16string(source.faultText), u"-1");
    int32_t count = -1;
    EXPECT_EQ(copy.Entry<decltype(&GetDefaultConstTableMethodC1)>("GetDefaultConstTableMethodC1")(&count),
              nullptr);
    EXPECT_EQ(count, 0);
    EXPECT_EQ(copy.Entry<decltype(&GetAllowedValue)>("GetAllowedValue")(5.0), 0.0);
    const double areas[3] = {100.0, 100.1, 99.9};
    EXPECT_FALSE(copy.Entry<decltype(&ControlCheck)>("ControlCheck")(areas, 3, 5.0));
    double lower = 0.0;
    double upper = 0.0;
    EXPECT_FALSE(copy.Entry<decltype(&CheckMoleFactor)>("CheckMoleFactor")(1.0, 1.0, &lower, &upper));
    EXPECT_EQ(copy.Entry<decltype(&WriteMetrologyTableText)>("WriteMetrologyTableText")(nullptr, 0), -1);
}

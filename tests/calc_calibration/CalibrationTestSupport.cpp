#include "CalibrationTestSupport.h"

#include <algorithm>
#include <atomic>

#include "calc/journal/JournalCategory.h"
#include "data/DataBaseConnection.h"
#include "platform/Platform.h"
#include "text/Utf.h"

namespace calibtest {

CalibrationDatabase::CalibrationDatabase() {
    static std::atomic<int> counter{0};
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = "tarvel-calibration-";
    name += test != nullptr ? test->name() : "global";
    name += '-' + std::to_string(counter++) + ".db";
    path_ = Utf16ToUtf8(platform::TempDirectory()) + name;
    writer_ = std::make_unique<sim::HostWriter>(path_);
    writer_->CreateSchema(sim::SchemaOptions{});
}

CalibrationDatabase::~CalibrationDatabase() {
    writer_.reset();
    DataBaseConnection::SetUri(nullptr);
    sim::RemoveDatabaseFile(path_);
}

void CalibrationDatabase::Mixture(const std::u16string& name,
                                  std::initializer_list<sim::CertifiedComponent> components) {
    const int64_t id = writer_->AddMixture(name);
    for (const auto& component : components) {
        writer_->AddMixtureComponent(id, component);
    }
}

int64_t CalibrationDatabase::Chromatogram(const std::u16string& mixture, const std::vector<Peak>& peaks) {
    sim::AssayRow row;
    row.mixture = mixture;
    row.calibration = true;
    const int64_t id = writer_->AddAssay(row);
    double time = 1.0;
    for (const Peak& peak : peaks) {
        writer_->AddPeak(id, sim::PeakRow{peak.name, time, peak.area, peak.area / 10.0});
        time += 0.5;
    }
    return id;
}

std::vector<int64_t> CalibrationDatabase::Chromatograms(const std::u16string& mixture,
                                                        const std::vector<Peak>& peaks, int count) {
    std::vector<int64_t> ids;
    for (int i = 0; i < count; ++i) {
        ids.push_back(Chromatogram(mixture, peaks));
    }
    return ids;
}

void CalibrationDatabase::Open() {
    writer_.reset();
    DataBaseConnection::SetUri(Utf8ToUtf16(path_));
}

void AddToList(CalcContext& context, const std::vector<int64_t>& ids, AssayRole role,
               const std::u16string& mixture, uint32_t groupStamp, bool included) {
    for (const int64_t id : ids) {
        Assay assay;
        assay.included = included;
        assay.id = id;
        assay.role = static_cast<int32_t>(role);
        assay.mixture = mixture;
        assay.groupStamp = groupStamp;
        context.assays.push_back(std::move(assay));
    }
}

CalcContext OneMixtureContext(const std::u16string& mixture, int32_t method) {
    CalcContext context;
    context.settings.clbrCalcMethod = method;
    context.calibrationKind = method;
    context.mixtures.push_back(ComponentMixtures{u"", mixture, u"", 0, 0});
    return context;
}

std::vector<std::string> JournalTexts(const CalcContext& context) {
    std::vector<std::string> texts;
    for (const JournalEntry& entry : context.journal.entries) {
        EXPECT_EQ(entry.category, JournalCategory::Calib) << Utf16ToUtf8(entry.text);
        texts.push_back(Utf16ToUtf8(entry.text));
    }
    return texts;
}

std::string Text(uint32_t stringId, std::initializer_list<FormatArg> args) {
    return Utf16ToUtf8(LoadMessageText(stringId, args));
}

const CalibrationResult* FindResult(const CalcContext& context, std::u16string_view component) {
    const auto found =
        std::find_if(context.calibration.begin(), context.calibration.end(),
                     [component](const CalibrationResult& result) { return result.component == component; });
    return found == context.calibration.end() ? nullptr : &*found;
}

Factors FactorsOf(double concentrationMolPct, double a1, double a2, double a3) {
    Factors factors{};
    factors.k1 = concentrationMolPct / a1;
    factors.k2 = concentrationMolPct / a2;
    factors.k3 = concentrationMolPct / a3;
    factors.mean = (factors.k1 + factors.k2 + factors.k3) / 3.0;
    const double high = std::max({factors.k1, factors.k2, factors.k3});
    const double low = std::min({factors.k1, factors.k2, factors.k3});
    factors.ratePct = (high - low) / factors.mean * 100.0;
    return factors;
}

} // namespace calibtest

// The chromatogram list of the chromatograms page, the selection dialog's result list, and the list's
// operations on a database written for the test: the batch sizes, adding a batch, refreshing.
#include <gtest/gtest.h>

#include <atomic>

#include "HostWriter.h"
#include "PageTestSupport.h"
#include "calc/CalcContext.h"
#include "data/DataBaseHandle.h"
#include "platform/LocalTime.h"
#include "platform/Platform.h"
#include "support/ContextText.h"
#include "text/Utf.h"
#include "ui/models/AssayBatches.h"
#include "ui/models/AssayListModel.h"
#include "ui/models/SelectionListModel.h"

namespace {

using pagetest::kDash;
using testsupport::ContextFromText;
using C = AssayListColumn;
using Row = std::vector<std::u16string>;

int32_t I(C column) {
    return static_cast<int32_t>(column);
}

constexpr int64_t kMorning = 1710396000; // 2024-03-14 06:00 UTC

TEST(AssayList, ColumnsWithTheirHeadersAndWidths) {
    const PageTable page = BuildAssayList(CalcContext{});
    EXPECT_EQ(pagetest::HeaderIds(page), (std::vector<uint32_t>{316, 120, 108, 133, 107, 122, 121, 186}));
    EXPECT_EQ(pagetest::VisibleColumns(page), (std::vector<int32_t>{0, 2, 3, 4, 5, 6, 7}));
    for (const PageColumn& column : page.columns) {
        EXPECT_TRUE(column.widthPixels == 100 || column.widthPixels == 0);
    }
    EXPECT_TRUE(page.columns[I(C::AtmPressure)].rightAligned);
    EXPECT_FALSE(page.columns[I(C::Sample)].rightAligned);
}

TEST(AssayList, EachShowSettingHidesOrShowsItsColumn) {
    const std::vector<std::pair<bool CalcSettings::*, C>> cases = {
        {&CalcSettings::viewAnalysisShowUUID, C::Uuid},
        {&CalcSettings::viewAnalysisShowSample, C::Sample},
        {&CalcSettings::viewAnalysisShowMixture, C::Mixture},
        {&CalcSettings::viewAnalysisShowDatetime, C::Date},
        {&CalcSettings::viewAnalysisShowMethod, C::Method},
        {&CalcSettings::viewAnalysisShowAtmPressure, C::AtmPressure},
    };
    for (const auto& [show, column] : cases) {
        CalcContext context;
        const bool before = BuildAssayList(context).columns[I(column)].visible();
        context.settings.*show = !(context.settings.*show);
        const PageTable after = BuildAssayList(context);
        EXPECT_EQ(after.columns[I(column)].visible(), !before) << I(column);
        EXPECT_TRUE(after.columns[I(C::File)].visible());
        EXPECT_TRUE(after.columns[I(C::Role)].visible());
    }
}

TEST(AssayList, CellTextsOfEachRecord) {
    const CalcContext context = ContextFromText(R"(
assay id=3 role=1 file=C:\Хроматограммы\2024\run-3.chr uuid=uuid-3 sample="Проба газа" mixture="СО-ИПГ № 1" date=1710396000 method="ГОСТ 31371.7-2020" atm=99.8183
assay id=8 role=2 file=C:\Хроматограммы\2024\run-8.chr
assay id=61 role=0 included=0 file=/data/chromatograms/run-61.chr
)");
    const PageTable page = BuildAssayList(context);
    const std::u16string date = platform::ShortDateTimeText(kMorning);
    EXPECT_FALSE(date.empty());
    EXPECT_EQ(page.rows[0], (Row{u"run-3.chr", u"uuid-3", u"Проба газа", u"СО-ИПГ № 1", date, u"Градуировка",
                                 u"ГОСТ 31371.7-2020", u"99.818"}));
    EXPECT_EQ(page.rows[1][I(C::Role)], u"Контроль");
    EXPECT_EQ(page.rows[2][I(C::Role)], u"Анализ");
    EXPECT_EQ(page.rows[2][I(C::File)], u"run-61.chr");
    EXPECT_EQ(page.rowMarks, (std::vector<int32_t>{1, 1, 0}));
}

TEST(AssayList, PressureWithItsScaleOrADash) {
    CalcContext context = ContextFromText(R"(
assay id=1 atm=99.8183
assay id=2 atm=0.0
assay id=3 atm=nan
settings viewAnalysisScaleAtmPressure=1
)");
    PageTable page = BuildAssayList(context);
    EXPECT_EQ(page.rows[0][I(C::AtmPressure)], u"99.8");
    EXPECT_EQ(page.rows[1][I(C::AtmPressure)], kDash);
    EXPECT_EQ(page.rows[2][I(C::AtmPressure)], kDash);
    context.settings.viewAnalysisScaleAtmPressure = 0;
    EXPECT_EQ(BuildAssayList(context).rows[0][I(C::AtmPressure)], u"100");
}

// A record restored from the profile whose assay is gone keeps only its id, role and check box.
TEST(AssayList, RecordNeverReadShowsEmptyTextsAndADash) {
    const PageTable page = BuildAssayList(ContextFromText("assay id=77 role=1 included=1"));
    EXPECT_EQ(page.rows[0], (Row{u"", u"", u"", u"", u"", u"Градуировка", u"", kDash}));
}

TEST(AssayList, UnknownRoleHasNoText) {
    EXPECT_EQ(BuildAssayList(ContextFromText("assay id=1 role=7")).rows[0][I(C::Role)], u"");
}

TEST(AssayList, FileNamePartOfEitherSeparator) {
    EXPECT_EQ(FileNamePart(u"C:\\a\\b\\c.chr"), u"c.chr");
    EXPECT_EQ(FileNamePart(u"/a/b/c.chr"), u"c.chr");
    EXPECT_EQ(FileNamePart(u"c.chr"), u"c.chr");
    EXPECT_EQ(FileNamePart(u"C:\\a/"), u"");
    EXPECT_EQ(FileNamePart(u""), u"");
}

TEST(SelectionList, ColumnsAndRowsOfTheSearch) {
    const std::vector<AssayFound> found = {{12, u"u-12", u"Проба", u"Метод", kMorning},
                                           {-1, u"", u"", u"", 0}};
    const PageTable page = BuildSelectionList(found);
    EXPECT_EQ(pagetest::HeaderIds(page), (std::vector<uint32_t>{267, 268, 269, 270}));
    for (const PageColumn& column : page.columns) {
        EXPECT_EQ(column.widthPixels, 150);
    }
    ASSERT_EQ(page.rows.size(), 2u);
    EXPECT_EQ(page.rows[0], (Row{u"u-12", u"Проба", u"Метод", platform::ShortDateTimeText(kMorning)}));
}

TEST(AssayBatches, RequiredSizesOfTheSelectionDialog) {
    struct Case {
        int32_t method;
        int32_t device;
        AssayRole role;
        size_t size;
    };
    const Case cases[] = {
        {0, 0, AssayRole::Calibration, 3}, {1, 0, AssayRole::Calibration, 3},
        {2, 0, AssayRole::Calibration, 5}, {3, 0, AssayRole::Calibration, 5},
        {2, 0, AssayRole::Control, 3},     {0, 1, AssayRole::Control, 3},
        {0, 0, AssayRole::Analysis, 2},    {3, 1, AssayRole::Analysis, 1},
    };
    for (const Case& test : cases) {
        CalcSettings settings;
        settings.clbrCalcMethod = test.method;
        settings.clcDeviceType = test.device;
        EXPECT_EQ(RequiredBatchSize(settings, test.role), test.size)
            << test.method << " " << test.device << " " << static_cast<int>(test.role);
    }
}

Assay Stamped(uint32_t stamp) {
    Assay assay;
    assay.groupStamp = stamp;
    return assay;
}

// A batch added within the second of another, or of several, takes the next number nobody holds.
TEST(AssayBatches, GroupStampIsTheTimeOrTheNextFreeNumber) {
    struct Case {
        std::vector<uint32_t> held;
        uint32_t now;
        uint32_t stamp;
    };
    const Case cases[] = {
        {{}, 1000, 1000},
        {{999, 1001}, 1000, 1000},
        {{1000}, 1000, 1001},
        {{1000, 1000, 1001, 1003}, 1000, 1002},
        {{0xFFFFFFFEu, 0xFFFFFFFFu}, 0xFFFFFFFEu, 0},
    };
    for (const Case& test : cases) {
        CalcContext context;
        for (uint32_t stamp : test.held) {
            context.assays.push_back(Stamped(stamp));
        }
        EXPECT_EQ(NextGroupStamp(context, test.now), test.stamp) << test.now;
    }
}

TEST(AssayBatches, DeletingRemovesEveryRecordOfTheChosenStamps) {
    CalcContext context;
    for (uint32_t stamp : {5u, 7u, 5u, 9u, 7u, 5u}) {
        context.assays.push_back(Stamped(stamp));
    }
    const uint32_t chosen[] = {5, 9};
    EXPECT_EQ(DeleteBatches(context, chosen), 4u);
    ASSERT_EQ(context.assays.size(), 2u);
    EXPECT_EQ(context.assays[0].groupStamp, 7u);
    EXPECT_EQ(context.assays[1].groupStamp, 7u);
    EXPECT_EQ(DeleteBatches(context, {}), 0u);
}

// A database of three assays for the list operations; removed at the end.
class AssayDatabase : public testing::Test {
protected:
    void SetUp() override {
        static std::atomic<int> counter{0};
        path_ = Utf16ToUtf8(platform::TempDirectory()) + "tarvel-page-models-" + std::to_string(counter++) +
                ".db";
        sim::RemoveDatabaseFile(path_);
        sim::HostWriter writer(path_);
        writer.CreateSchema(sim::SchemaOptions{});
        for (int i = 0; i < 3; ++i) {
            sim::AssayRow row;
            row.filename = u"/runs/run-" + Utf8ToUtf16(std::to_string(i)) + u".chr";
            row.uuid = u"uuid-" + Utf8ToUtf16(std::to_string(i));
            row.sample = u"Градуировка";
            row.method = u"ГОСТ 31371.7-2020";
            row.mixture = u"СО-ИПГ № 7";
            row.date = kMorning + 600 * i;
            row.atmpressureKPa = 99.5 + i;
            row.calibration = true;
            ids_.push_back(writer.AddAssay(row));
        }
    }
    void TearDown() override { sim::RemoveDatabaseFile(path_); }

    std::string path_;
    std::vector<int64_t> ids_;
};

TEST_F(AssayDatabase, AddingABatchReadsEveryRecordWithItsRoleAndStamp) {
    DataBase::Handle handle(Utf8ToUtf16(path_));
    CalcContext context;
    ASSERT_EQ(AddAssayBatch(context, handle, ids_, AssayRole::Control, 1710400000), AddBatchResult::Added);
    ASSERT_EQ(context.assays.size(), 3u);
    for (size_t i = 0; i < 3; ++i) {
        const Assay& assay = context.assays[i];
        EXPECT_EQ(assay.id, ids_[i]);
        EXPECT_TRUE(assay.included);
        EXPECT_EQ(assay.role, static_cast<int32_t>(AssayRole::Control));
        EXPECT_EQ(assay.groupStamp, 1710400000u);
        EXPECT_EQ(assay.uuid, u"uuid-" + Utf8ToUtf16(std::to_string(i)));
        EXPECT_EQ(assay.date, kMorning + 600 * static_cast<int64_t>(i));
        EXPECT_DOUBLE_EQ(assay.atmpressure, 99.5 + static_cast<double>(i));
    }
}

// Notice 275: a batch with a chromatogram already in the list adds nothing.
TEST_F(AssayDatabase, ABatchWithAListedChromatogramAddsNothing) {
    DataBase::Handle handle(Utf8ToUtf16(path_));
    CalcContext context;
    ASSERT_EQ(AddAssayBatch(context, handle, std::vector<int64_t>{ids_[1]}, AssayRole::Analysis, 1),
              AddBatchResult::Added);
    EXPECT_EQ(AddAssayBatch(context, handle, ids_, AssayRole::Calibration, 2), AddBatchResult::AlreadyListed);
    ASSERT_EQ(context.assays.size(), 1u);
    EXPECT_EQ(context.assays[0].groupStamp, 1u);
}

TEST_F(AssayDatabase, RefreshCopiesTheDatabaseFieldsAndKeepsTheListsOwn) {
    DataBase::Handle handle(Utf8ToUtf16(path_));
    // The first as the settings store reads it (id, included, stamp, role); the second not in the database.
    CalcContext context = ContextFromText("assay id=" + std::to_string(ids_[2]) +
                                          " included=0 groupStamp=42 role=2\n"
                                          "assay id=9999 role=0 uuid=uuid-9999 file=C:\\run-9999.chr");
    EXPECT_EQ(RefreshAssayList(context, handle), 1u);
    const Assay& refreshed = context.assays[0];
    EXPECT_EQ(refreshed.filename, u"/runs/run-2.chr");
    EXPECT_EQ(refreshed.mixture, u"СО-ИПГ № 7");
    EXPECT_EQ(refreshed.date, kMorning + 1200);
    EXPECT_FALSE(refreshed.included);
    EXPECT_EQ(refreshed.groupStamp, 42u);
    EXPECT_EQ(refreshed.role, 2);
    EXPECT_EQ(context.assays[1].uuid, u"uuid-9999"); // no longer in the database: kept as it was
}

} // namespace

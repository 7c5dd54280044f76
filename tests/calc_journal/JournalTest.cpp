// The journal: entries in the order recorded, categories with their names and export codes, clearing.
#include "calc/journal/Journal.h"
#include "calc/journal/ContextJournal.h"
#include "calc/journal/JournalCategory.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "text/StringTable.h"
#include "text/Utf.h"

namespace {
std::string Narrow(std::u16string_view text) {
    return Utf16ToUtf8(std::u16string(text));
}
} // namespace

TEST(Journal, CategoriesHaveTheirDisplayNamesAndExportCodes) {
    struct Case {
        uint32_t category;
        const char* name;
        const char* code;
    };
    const std::vector<Case> cases = {
        {JournalCategory::General, "Общая", "GENERAL"},
        {JournalCategory::Calib, "Градуировка", "CALIB"},
        {JournalCategory::Comp, "Компоненты", "COMP"},
        {JournalCategory::Prop, "Расчёт", "PROP"},
        {JournalCategory::Metn, "Метановое число", "METN"},
        {JournalCategory::Mix, "Смесь", "MIX"},
        {6, "", ""},
        {100, "", ""},
        {0xFFFFFFFFu, "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.category);
        EXPECT_EQ(Narrow(CategoryName(c.category)), c.name);
        EXPECT_EQ(Narrow(CategoryExportCode(c.category)), c.code);
    }
    EXPECT_EQ(JournalCategory::Mix, 5u);
}

TEST(Journal, CategoryNamesAreLoadedOnce) {
    const std::u16string_view first = CategoryName(JournalCategory::Comp);
    const std::u16string_view second = CategoryName(JournalCategory::Comp);
    EXPECT_EQ(first.data(), second.data());
}

TEST(Journal, EntriesKeepTheOrderOfRecordingAndRepeats) {
    MessageJournal journal;
    AddMessage(journal, JournalCategory::Mix, StringId::NoCalibrationMixture);
    AddMessage(journal, JournalCategory::Calib, StringId::NoFirstCalibrationMixture, {u"Этан"});
    AddMessage(journal, JournalCategory::Calib, StringId::NoFirstCalibrationMixture, {u"Этан"});
    AddMessage(journal, 42, StringId::SomeCalibrationResultsFailed);
    AddMessage(journal, JournalCategory::Calib, StringId::NotEnoughCalibrationChromatograms,
               {u"ГСО-3", 1, 5});

    ASSERT_EQ(journal.entries.size(), 5u);
    const std::vector<uint32_t> categories = {5, 1, 1, 42, 1};
    const std::vector<std::string> texts = {
        "Не указана смесь для градуировки.",
        "Для компонента \"Этан\" не указана первая смесь для градуировки.",
        "Для компонента \"Этан\" не указана первая смесь для градуировки.",
        "Некоторые из компонентов не прошли проверку.",
        "Недостаточно градуировочных хроматограм для смеси \"ГСО-3\". Загружено 1 из 5.",
    };
    for (size_t i = 0; i < journal.entries.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(journal.entries[i].category, categories[i]);
        EXPECT_EQ(Narrow(journal.entries[i].text), texts[i]);
    }
    // An unknown category is kept as recorded and shown without a name.
    EXPECT_TRUE(CategoryName(journal.entries[3].category).empty());
}

TEST(Journal, UnknownIdStillAddsAnEntryWithEmptyText) {
    MessageJournal journal;
    AddMessage(journal, JournalCategory::Comp, 64999, {u"ignored", 7});
    ASSERT_EQ(journal.entries.size(), 1u);
    EXPECT_EQ(journal.entries[0].category, JournalCategory::Comp);
    EXPECT_TRUE(journal.entries[0].text.empty());
}

TEST(Journal, ClearingEmptiesAndTheNextRunStartsAfresh) {
    MessageJournal journal;
    AddMessage(journal, JournalCategory::Calib, StringId::CalibrationControlFailed);
    AddMessage(journal, JournalCategory::Calib, StringId::SomeCalibrationResultsFailed);
    ClearJournal(journal);
    EXPECT_TRUE(journal.entries.empty());
    ClearJournal(journal); // clearing an empty journal is harmless
    EXPECT_TRUE(journal.entries.empty());
    AddMessage(journal, JournalCategory::Comp, StringId::ComponentNotInMethodTable, {u"Гелий"});
    ASSERT_EQ(journal.entries.size(), 1u);
    EXPECT_EQ(Narrow(journal.entries[0].text),
              "Компонент \"Гелий\" не найден в таблице метрологических характеристик методики измерений.");
}

TEST(Journal, ContextFunctionsRecordIntoTheContextJournal) {
    CalcContext context;
    EXPECT_TRUE(context.journal.entries.empty()); // empty when the context is created
    AddMessage(context, JournalCategory::Calib, StringId::NoSecondCalibrationMixture, {u"Азот"});
    AddMessage(context, JournalCategory::Calib, StringId::CalibrationControlFailed);
    ASSERT_EQ(context.journal.entries.size(), 2u);
    EXPECT_EQ(Narrow(context.journal.entries[0].text),
              "Для компонента \"Азот\" не указана вторая смесь для градуировки.");
    ClearJournal(context);
    EXPECT_TRUE(context.journal.entries.empty());
}

// The numbers users type: a decimal comma or point alike, read as the same number; the view decimals;
// and the days of the selection dialog's remembered range.
#include <gtest/gtest.h>

#include "calc/CalcSettings.h"
#include "text/StringIds.gen.h"
#include "ui/models/InputRules.h"
#include "ui/models/SelectionMemory.h"

namespace {

struct Typed {
    const char16_t* text;
    bool fraction;
    double value; // when accepted
    int32_t decimals;
    uint32_t refusal; // 0: accepted
};

TEST(InputRules, ConstantNumbersTakeACommaOrAPoint) {
    const Typed cases[] = {
        {u"0,5", true, 0.5, 1, 0},
        {u"0.5", true, 0.5, 1, 0},
        {u" 12,000 ", true, 12.0, 3, 0},
        {u"0,00000004", false, 4e-8, 8, 0},
        {u"100,0", true, 100.0, 1, 0},
        {u"100,01", true, 0, 0, StringId::ConstantAboveHundred},
        {u"0,5,1", true, 0, 0, StringId::ConstantNotANumber},
        {u"0,5.1", true, 0, 0, StringId::ConstantNotANumber},
        {u",", true, 0, 0, StringId::ConstantNotANumber},
        {u"-0,1", false, 0, 0, StringId::ConstantNegative},
        {u"0,1234567890123456", true, 0, 0, StringId::ViewDecimalsRefused},
    };
    for (const Typed& test : cases) {
        uint32_t refusal = 1;
        const std::optional<TypedNumber> typed = ParseConstantNumber(test.text, test.fraction, refusal);
        const std::u16string text(test.text);
        SCOPED_TRACE(std::string(text.begin(), text.end()));
        EXPECT_EQ(refusal, test.refusal);
        ASSERT_EQ(typed.has_value(), test.refusal == 0);
        if (typed) {
            EXPECT_DOUBLE_EQ(typed->value, test.value);
            EXPECT_EQ(typed->decimals, test.decimals);
        }
    }
}

TEST(InputRules, ViewDecimalsAreWholeNumbersWithAnySeparator) {
    EXPECT_EQ(ParseViewDecimals(u"4"), 4);
    EXPECT_EQ(ParseViewDecimals(u"4,0"), 4);
    EXPECT_EQ(ParseViewDecimals(u"15."), 15);
    EXPECT_EQ(ParseViewDecimals(u"4,5"), std::nullopt);
    EXPECT_EQ(ParseViewDecimals(u",0"), std::nullopt);
    EXPECT_EQ(ParseViewDecimals(u"16"), std::nullopt);
}

TEST(SelectionMemory, DaysAndTheRememberedRange) {
    struct Day {
        int32_t year, month, day, number;
    };
    for (const Day& day : {Day{1970, 1, 1, 0}, Day{2000, 2, 29, 11016}, Day{2024, 3, 1, 19783},
                           Day{2038, 1, 19, 24855}, Day{1969, 12, 31, -1}}) {
        EXPECT_EQ(DayNumber(day.year, day.month, day.day), day.number) << day.year << "-" << day.month;
        const CivilDate date = DateOfDay(day.number);
        EXPECT_EQ(date.year * 10000 + date.month * 100 + date.day,
                  day.year * 10000 + day.month * 100 + day.day);
    }
    CalcSettings settings;
    const int32_t today = 20000;
    EXPECT_EQ(RememberedRange(settings, today).from, today - 365);
    EXPECT_EQ(RememberedRange(settings, today).to, today);
    RememberRange(settings, {today - 3, today}, today);
    EXPECT_EQ(settings.selToDay, 0); // ending today: ending today on any later day
    EXPECT_EQ(RememberedRange(settings, today + 2).to, today + 2);
    EXPECT_EQ(RememberedRange(settings, today + 2).from, today - 3);
    RememberRange(settings, {today - 3, today - 1}, today);
    EXPECT_EQ(RememberedRange(settings, today + 2).to, today - 1);

    SelectionFilters analysis{u"СО-1", u"Метод 1", u"Иванов", u"Пункт 1", u"Точка А", u"газ"};
    RememberFilters(settings, false, analysis);
    EXPECT_EQ(RememberedFilters(settings, false).sample, u"газ");
    EXPECT_EQ(RememberedFilters(settings, false).place, u"Точка А");
    EXPECT_EQ(RememberedFilters(settings, true).sample, u"");
}

} // namespace

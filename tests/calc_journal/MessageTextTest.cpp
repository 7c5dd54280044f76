// Message texts: string-table texts with printf-style arguments, and ids without a text.
#include "calc/journal/Journal.h"

#include <gtest/gtest.h>

#include <string>

#include "text/StringTable.h"
#include "text/Utf.h"

namespace {
std::string Narrow(const std::u16string& text) {
    return Utf16ToUtf8(text);
}

// An id far above every text of the table.
constexpr uint32_t kUnknownId = 64999;
} // namespace

TEST(MessageText, FormatsTextAndIntegers) {
    EXPECT_EQ(Narrow(LoadMessageText(StringId::NotEnoughCalibrationChromatograms, {u"ГСО-10541", 2, 3})),
              "Недостаточно градуировочных хроматограм для смеси \"ГСО-10541\". Загружено 2 из 3.");
    EXPECT_EQ(Narrow(LoadMessageText(StringId::NotEnoughControlChromatograms, {u"ПГС 1", 0, 3})),
              "Недостаточно контрольных хроматограм для смеси \"ПГС 1\". Загружено 0 из 3.");
}

TEST(MessageText, FormatsDoublesWithDefaultAndFourDecimals) {
    // %f writes six decimals, %.4f four.
    EXPECT_EQ(Narrow(LoadMessageText(StringId::ComponentOutOfMethodRange, {u"Этан", 17.25, 0.001, 15.0})),
              "Компонент \"Этан\" [17.250000] вне диапазона [0.0010-15.0000] допустимых концентраций.");
    EXPECT_EQ(
        Narrow(LoadMessageText(StringId::CalibrationAreasNotAcceptable, {u"ГСО-1", u"Пропан", 2.5, 1.75})),
        "В смеси \"ГСО-1\" для компонента \"Пропан\" не пройдена проверка приемлемости полученных "
        "значений площадей пиков [2.500000 > 1.750000].");
    EXPECT_EQ(
        Narrow(LoadMessageText(StringId::CalibrationControlComponentFailed, {u"ГСО-2", u"Азот", -3.5, 2.0})),
        "В смеси \"ГСО-2\" для компонента \"Азот\" не пройден контроль градуировочной характеристики "
        "[-3.500000 > 2.000000].");
}

TEST(MessageText, TextWithoutArgumentsIsTheTableText) {
    EXPECT_EQ(Narrow(LoadMessageText(StringId::CalibrationControlFailed)),
              "Контроль градуировочной характеристики не пройден.");
    EXPECT_EQ(Narrow(LoadMessageText(StringId::NoCalibrationMixture)), "Не указана смесь для градуировки.");
}

TEST(MessageText, ArgumentsAreInsertedVerbatim) {
    // A "%" in a mixture or component name is shown unchanged and does not take the next argument.
    EXPECT_EQ(
        Narrow(LoadMessageText(StringId::NotEnoughCalibrationChromatograms, {u"Смесь %s %d 5%%", 4, 5})),
        "Недостаточно градуировочных хроматограм для смеси \"Смесь %s %d 5%%\". Загружено 4 из 5.");
    EXPECT_EQ(Narrow(LoadMessageText(StringId::NoFirstCalibrationMixture, {u"%n%s"})),
              "Для компонента \"%n%s\" не указана первая смесь для градуировки.");
}

TEST(MessageText, UnknownIdGivesEmptyTextAndIgnoresArguments) {
    ASSERT_FALSE(HasText(kUnknownId));
    EXPECT_TRUE(LoadMessageText(kUnknownId).empty());
    EXPECT_TRUE(LoadMessageText(kUnknownId, {u"ГСО-1", 2, 3.5}).empty());
    EXPECT_TRUE(LoadMessageText(0, {u"x"}).empty());
}

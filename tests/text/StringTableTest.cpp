// The string table of the plug-in (language 1049): every id with its text exactly as the plug-in shows
// it, the named ids the code uses, and the printf conversions of the texts.
#include "text/StringTable.h"

#include "text/Format.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <string>
#include <string_view>
#include <utility>

namespace {
struct Entry {
    uint32_t id;
    std::u16string_view text;
};

// The whole table: journal messages with their printf formats, captions and message boxes, tab titles,
// column titles of every list, labels of the physical properties and of the methane-number page,
// names of the methods, device and mixture types, export formats and the report's headings.
const Entry kTable[] = {
    {104, u"Настройки"},
    {105, u"Смеси"},
    {106, u"Хроматограммы"},
    {107, u"Время"},
    {108, u"Проба"},
    {109, u"Градуировка"},
    {110, u"Компонент"},
    {111, u"Концентрация 1"},
    {112, u"Недостаточно градуировочных хроматограм для смеси \"%s\". Загружено %d из %d."},
    {113, u"b"},
    {114, u"B"},
    {115, u"К"},
    {116, u"Приемлемость 1"},
    {117, u"Норматив приемлемости 1"},
    {118, u"Анализ"},
    {119, u"Градуировка"},
    {120, u"UUID"},
    {121, u"Метод"},
    {122, u"Тип"},
    {123, u"Предупреждение"},
    {124, u"Метановое число"},
    {125, u"Метод А"},
    {126, u"Метод Б"},
    {127, u"Метод В1"},
    {128, u"Метод В2"},
    {129, u"Расчёт"},
    {130, u"Наименование"},
    {131, u"Значение"},
    {132, u"Расширенная неопределенность"},
    {133, u"Смесь"},
    {134, u"Компоненты"},
    {135, u"Компонент"},
    {136, u"Время"},
    {137, u"Площадь"},
    {138, u"Высота"},
    {139, u"Концентрация (мол.%)"},
    {140, u"Расширенная неопределенность"},
    {141, u"Молярная масса смеси [кг/кмоль]"},
    {142, u"Коэффициент сжимаемости"},
    {143, u"Высшая молярная теплота сгорания смеси идеального и реального газа [кДж/моль]"},
    {144, u"Низшая молярная теплота сгорания смеси идеального и реального газа [кДж/моль]"},
    {145, u"Высшая массовая теплота сгорания смеси идеального и реального газа [МДж/кг]"},
    {146, u"Низшая массовая теплота сгорания смеси идеального и реального газа [МДж/кг]"},
    {147, u"Высшая объемная теплота сгорания смеси идеального газа [МДж/м3]"},
    {148, u"Низшая объемная теплота сгорания смеси идеального газа [МДж/м3]"},
    {149, u"Высшая объемная теплота сгорания смеси реального газа [МДж/м3]"},
    {150, u"Низшая объемная теплота сгорания смеси реального газа [МДж/м3]"},
    {151, u"Относительная плотность идеального газа"},
    {152, u"Плотность идеального газа [кг/м3]"},
    {153, u"Относительная плотность реального газа"},
    {154, u"Плотность реального газа [кг/м3]"},
    {155, u"Число Воббе (высшее) идеального газа [МДж/м3]"},
    {156, u"Число Воббе (низшее) идеального газа [МДж/м3]"},
    {157, u"Число Воббе (высшее) реального газа [МДж/м3]"},
    {158, u"Число Воббе (низшее) реального газа [МДж/м3]"},
    {159, u"Ненормализованные"},
    {160, u"Псевдонимы"},
    {161, u"Компонент"},
    {162, u"Псевдоним"},
    {163, u"Концентрация 2"},
    {165, u"Об.%, ненорм."},
    {166, u"Об.%, норм."},
    {167, u"Сумма значений молярной доли компонентов %f находится вне диапазона от 98%% до 102%%."},
    {168, u"Метановое число упрощенной смеси"},
    {169, u"Метановое число газового моторного топлива"},
    {170, u"О Программе"},
    {171, u"Имя файла"},
    {172, u"Версия"},
    {173, u"Алгоритм"},
    {174, u"Контрольная сумма"},
    {175, u"Контроль целостности"},
    {177, u"Градуировочная смесь \"%s\" не соответствует анализируемому газу, компонент \"%s\" [%f] вне "
          u"диапазона [%f-%f]."},
    {178, u"Условно постоянные"},
    {180, u"Приемлемость"},
    {181, u"Допуск"},
    {182, u"Контроль градуировочной характеристики не пройден."},
    {183, u"Компонент"},
    {184, u"Концентрация"},
    {185, u"Вы пытаетесь добавить компонент \"%s\", который уже есть в списке."},
    {186, u"Атм. давление (кПа)"},
    {187, u"К1"},
    {188, u"К2"},
    {189, u"К3"},
    {190, u"Площадь 1"},
    {191, u"Площадь 2"},
    {192, u"Приемлемость  2"},
    {193, u"Норматив приемлемости 2"},
    {194, u"Контр. Оценка"},
    {195, u"Контр. Норматив"},
    {205, u"Вычисления являются достоверными только для значений коэффициента сжимаемости более 0.9."},
    {206, u"Расширенная неопределенность"},
    {207, u"Недостаточно градуировочных хроматограм для смеси \"%s\"."},
    {208, u"Упрощенная смесь"},
    {209, u"Метан"},
    {210, u"Этан"},
    {211, u"Пропан"},
    {212, u"Бутан"},
    {213, u"СО-ИПГ"},
    {214, u"Упрощенная смесь"},
    {215, u"Метан"},
    {216, u"Диоксид углерода"},
    {217, u"Азот"},
    {218, u"СО-ПГМ"},
    {219, u"Компоненты природного газа"},
    {220, u"Молярная доля, %"},
    {221, u"Объемная доля, %"},
    {222, u"Метановое число"},
    {223, u"Значение"},
    {224, u"Абсолютная расширенная неопределенность"},
    {226, u"Начальные значения метанового числа"},
    {227, u"В смеси \"%s\" компонент \"%s\" не соответствует требованиям метрологических характеристик "
          u"стандартных образцов состава природного."},
    {228, u"В смеси \"%s\" компонент \"%s\" [%f] вне диапазона [%f-%f] допустимых концентраций."},
    {229, u"Компонент \"%s\" не соответствует требованиям метрологических характеристик стандартных образцов "
          u"состава природного."},
    {230, u"В смеси \"%s\" компонент \"%s\" [%f] вне диапазона [%f-%f] допустимых концентраций."},
    {231, u"Возникла ошибка. Расчёт невозможен.\nВнимательно ознакомьтесь со списком ошибок ниже."},
    {232, u"Общая"},
    {233, u"Градуировка"},
    {234, u"Компоненты"},
    {235, u"Расчёт"},
    {236, u"Метановое число"},
    {237, u"Смесь"},
    {238, u"Раздел"},
    {239, u"Описание"},
    {240, u"В смеси \"%s\" расширенная абсолютная неопределенность для компонент \"%s\" не соответствует "
          u"требованиям [%g > %g]."},
    {241, u"Тип смеси \"%s\" не соответствует требованиям."},
    {242, u"В смеси \"%s\" отсутствует компонент \"%s\"."},
    {243, u"Компонент \"%s\" [%f] вне диапазона [%.4f-%.4f] допустимых концентраций."},
    {244, u"Компонент \"%s\" не найден в таблице метрологических характеристик методики измерений."},
    {245, u"Площадь ОСКО  1"},
    {246, u"Допуск ОСКО 1"},
    {247, u"Площадь ОСКО  2"},
    {248, u"Допуск ОСКО 2"},
    {249, u"Контр. Относительный размах"},
    {250, u"Контр. Допуск размах"},
    {251, u"Концентрация (об.%)"},
    {252, u"Расширенная неопределенность"},
    {253, u"Концентрация (масс.%)"},
    {254, u"Расширенная неопределенность"},
    {255, u"Отчёт"},
    {256, u"Отчёт"},
    {257, u"Высшая объемная теплота сгорания смеси идеального газа [ккал/м3]"},
    {258, u"Низшая объемная теплота сгорания смеси идеального газа [ккал/м3]"},
    {259, u"Высшая объемная теплота сгорания смеси реального газа [ккал/м3]"},
    {260, u"Низшая объемная теплота сгорания смеси реального газа [ккал/м3]"},
    {261, u"Число Воббе (высшее) идеального газа [ккал/м3]"},
    {262, u"Число Воббе (низшее) идеального газа [ккал/м3]"},
    {263, u"Число Воббе (высшее) реального газа [ккал/м3]"},
    {264, u"Число Воббе (низшее) реального газа [ккал/м3]"},
    {265, u"Некоторые из компонентов не прошли проверку."},
    {266, u"Некоторые из компонентов не прошли проверку."},
    {267, u"UUID"},
    {268, u"Проба"},
    {269, u"Метод"},
    {270, u"Время"},
    {271, u"Лабораторный"},
    {272, u"Потоковый"},
    {273, u"Выбрано менее %d хроматограмм"},
    {274, u"Выбрано более %d хроматограмм"},
    {275, u"Вы пытаетесь добавить хроматограммы, который уже есть в списке"},
    {276, u"Для анализа выбрано менее %d хроматограмм."},
    {277, u"X1"},
    {278, u"X2"},
    {279, u"В смеси \"%s\" суммарное значение молярных долей всех компонентов %f не соответствует 100%%."},
    {280, u"Экспорт"},
    {281, u"XML"},
    {282, u"JSON"},
    {283, u"TXT"},
    {284, u"Ошибка"},
    {285, u"Невозможно открыть файл для записи"},
    {286, u"Ошибка записи файла"},
    {287, u"В смеси \"%s\" для компонента \"%s\" не пройдена проверка приемлемости полученных значений "
          u"площадей пиков [%f > %f]."},
    {288, u"Журнал уведомлений"},
    {289, u"Контроль"},
    {290, u"В смеси \"%s\" для компонента \"%s\" не пройдена проверка приемлемости значения градуировочного "
          u"коэффициента [%f > %f]."},
    {291,
     u"В смеси \"%s\" для компонента \"%s\" не пройден контроль градуировочной характеристики [%f > %f]."},
    {292, u"Для компонента \"%s\" не пройдена проверка приемлемость полученных результатов по расхождения "
          u"двух последовательных измерений [%.4f > %.4f]."},
    {293, u"Компонент"},
    {294, u"ГСО1"},
    {295, u"ГСО2"},
    {296, u"Тип ГСО1"},
    {297, u"Тип ГСО2"},
    {298, u"Не указана смесь для градуировки."},
    {299, u"Для компонента \"%s\" не указана первая смесь для градуировки."},
    {300, u"Для компонента \"%s\" не указана вторая смесь для градуировки."},
    {301, u"ГСО"},
    {302, u"Для анализа неуказана смесь ГСО"},
    {303, u"В смеси \"%s\" для компонента \"%s\" не пройден контроль правильности результата измерения "
          u"молярной доли [%f > %f]."},
    {304, u"Не указана дополнительная смесь для градуировки по компоненту \"%s\"."},
    {305, u"Недостаточно контрольных хроматограм для смеси \"%s\". Загружено %d из %d."},
    {306, u"Описание смеси \"%s\" не найдено."},
    {307, u"Измерения провёл"},
    {308, u"Подпись"},
    {309, u"Фамилия И.О."},
    {310, u"Природный газ"},
    {311, u"Определение состава методом газовой хроматографии с оценкой неопределенности ГОСТ 31371.7-2020"},
    {312, u"Вычисление теплоты сгорания, плотности, относительной плотности и числа Воббе на основе "
          u"компонентного составапо ГОСТ 31369-2021"},
    {314, u"Отчёт сгенерирован программой \"Орлиск: Природный газ\" %s"},
    {315, u"компоненты не участвуют в расчёте физико-химических показателей по ГОСТ 31369-2021"},
    {316, u"Файл"},
    {317, u"Название"},
    {318, u"Значение"},
    {319, u"Пункт отбора"},
    {320, u"Точка отбора"},
    {321, u"В смеси \"%s\" компонент \"%s\" не аттестован: проверка приемлемости полученных значений "
          u"площадей пиков невозможна."},
    {322, u"В смеси \"%s\" для компонента \"%s\" проверка приемлемости полученных значений площадей пиков "
          u"невозможна: площади пиков нулевые, отрицательные или не являются числами."},
    {323, u"В смеси \"%s\" компонент \"%s\" не аттестован: контроль градуировочной характеристики по нему "
          u"невозможен."},
    {324, u"Для компонента \"%s\" не построена градуировочная характеристика, его молярная доля не может "
          u"быть вычислена."},
    {325, u"Для компонента \"%s\" нет результата градуировки: компонент не содержится ни в одной смеси для "
          u"градуировки, его молярная доля не может быть вычислена."},
    {326, u"Молярная доля компонента \"%s\" не может быть вычислена по градуировочной характеристике."},
    {327, u"Пик \"%s\" (время удерживания %.3f мин) не идентифицирован и не учитывается в проверке "
          u"приемлемости результатов измерений."},
    {328, u"Компонент \"%s\" не входит в область применения методики измерений: его молярная доля не может "
          u"быть определена."},
    {329, u"Для хроматограммы \"%s\" не указано атмосферное давление: коррекция площадей пиков по давлению "
          u"невозможна."},
    {330,
     u"В смеси \"%s\" компонент \"%s\" не аттестован: градуировочный коэффициент не может быть определен."},
    {350, u"Ошибка базы данных: %s"},
    {450, u"Число знаков после запятой должно быть целым числом от 0 до %d, введено \"%s\"."},
    {451, u"Имя \"%s\" не может содержать символ \"/\"."},
    {452, u"Текст длиннее %d символов не может быть сохранён."},
    {453, u"Псевдоним компонента \"%s\" не может быть пустым."},
    {454, u"Псевдоним \"%s\" уже есть у компонента \"%s\"."},
    {455, u"Значение \"%s\" не является числом."},
    {456, u"Значение \"%s\" не может быть отрицательным."},
    {457, u"Молярная доля %s больше 100 мол. %%."},
    {500, u"Встроенный браузер недоступен. Отчёт записан в файл:"},
    {501, u"Отчёт не построен: %s"},
    {502, u"не удаётся подготовить преобразование XSLT"},
    {503, u"документ отчёта не читается"},
    {504, u"шаблон отчёта %s не читается"},
    {505, u"преобразование по шаблону отчёта не выполнено"},
    {506, u"файл отчёта %s не записывается"},
    {507, u"путь к шаблону отчёта не задан"},
    {508, u"шаблон отчёта %s не найден"},
    {509, u"документ отчёта пуст"},
    {510, u"в папке не осталось свободного имени для файла отчёта"},
    {511, u"файл отчёта %s не создаётся"},
    {540, u"Файл таблицы метрологических характеристик %s отклонён, расчёт не выполняется: строка %d: %s"},
    {541, u"Файл таблицы метрологических характеристик %s отклонён, расчёт не выполняется: %s"},
    {542, u"файл не читается"},
    {543, u"файл больше 1 МиБ"},
    {544, u"строка не в кодировке UTF-8"},
    {545, u"строка длиннее 1024 байт"},
    {546, u"недостаточно полей, разделённых табуляцией"},
    {547, u"неизвестный метод или норма"},
    {548, u"неизвестный идентификатор компонента"},
    {549, u"не число"},
    {550, u"отрицательный коэффициент"},
    {551, u"нижняя граница не меньше верхней или граница вне 0–100 % мол."},
    {552, u"диапазон перекрывает другой диапазон того же метода и компонента"},
    {553, u"строка повторяет предыдущую"},
    {554, u"значение нормы вне допустимых пределов"},
    {555, u"в файле нет ни одной строки таблицы"},
    {556, u"встроенная проектная таблица"},
    {557, u"лабораторная таблица (SHA-1 %s, строк: %d)"},
    {558, u"файл таблицы отклонён"},
    {559, u"Таблица метрологических характеристик ГОСТ 31371.7-2020: %s"},
    {560, u"из файла: %s; остальное — из встроенной таблицы"},
    {561, u"допускаемые СКО площадей"},
    {562, u"коэффициенты f(n)"},
    {563, u"отношение для стандартного образца"},
    {564, u"лабораторная"},
    {565, u"встроенная"},
    {566, u"отклонена"},
};
} // namespace

TEST(StringTable, EveryIdGivesItsText) {
    for (const Entry& entry : kTable) {
        EXPECT_TRUE(HasText(entry.id)) << entry.id;
        EXPECT_EQ(LoadText(entry.id), entry.text) << "id " << entry.id;
    }
}

TEST(StringTable, HoldsNoOtherIds) {
    std::set<uint32_t> expected;
    for (const Entry& entry : kTable) {
        EXPECT_TRUE(expected.insert(entry.id).second) << "id " << entry.id << " listed twice";
    }
    for (uint32_t id = 0; id <= 0xFFFF; ++id) {
        if (HasText(id)) {
            EXPECT_EQ(expected.count(id), 1u) << "unexpected id " << id;
            EXPECT_FALSE(LoadText(id).empty()) << "id " << id;
        }
    }
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

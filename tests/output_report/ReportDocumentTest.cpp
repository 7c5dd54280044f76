// The report document for hand-made contexts: its parts and their order, every column condition of the
// view settings, the value texts of the result pages, the footnote, the journal and the signature.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "ReportContexts.h"
#include "ReportXmlAccess.h"
#include "output/report/ReportDocument.h"
#include "platform/LocalTime.h"

namespace {

using Names = std::vector<std::string>;
using Texts = std::vector<std::u16string>;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
const std::u16string kDash = u"\u2014";

class ReportDocument : public ::testing::Test {
protected:
    pugi::xml_node Build(const CalcContext& context) {
        xml_ = BuildReportXml(context, sources_);
        EXPECT_FALSE(xml_.empty());
        const pugi::xml_parse_result parsed = document_.load_buffer(
            xml_.data(), xml_.size(), pugi::parse_default | pugi::parse_declaration | pugi::parse_ws_pcdata,
            pugi::encoding_utf8);
        EXPECT_TRUE(parsed) << parsed.description();
        return document_.child("root");
    }

    ReportSources sources_{u"КС «Северная»", u"Узел замера газа №2", u"Иванова А. П.", kAnalysisTime + 7200};
    std::string xml_;
    pugi::xml_document document_;
};

// Every node below root is an element or the text of an element without element children; there are
// no attributes and no text made of white space alone.
void ExpectElementsWithTextOnly(pugi::xml_node node) {
    for (pugi::xml_node child : node.children()) {
        if (child.type() == pugi::node_pcdata) {
            EXPECT_EQ(node.first_child(), node.last_child()) << "mixed content in " << node.name();
            EXPECT_NE(std::string(child.value()).find_first_not_of(" \t\r\n"), std::string::npos)
                << "white-space node in " << node.name();
            continue;
        }
        ASSERT_EQ(child.type(), pugi::node_element);
        EXPECT_FALSE(child.first_attribute()) << child.name();
        ExpectElementsWithTextOnly(child);
    }
}

TEST_F(ReportDocument, HasTheElevenPartsInOrderAsElementsWithText) {
    const pugi::xml_node root = Build(PipelineGasContext());
    EXPECT_EQ(xml_.rfind("<?xml version=\"1.0\"?><root>", 0), 0u) << xml_.substr(0, 40);
    EXPECT_EQ(ChildNames(root),
              (Names{"meta", "location", "properties", "analysis", "calibration", "components", "calculation",
                     "methane", "errors", "signed", "footer"}));
    EXPECT_EQ(ChildNames(document_), (Names{"xml", "root"}));
    ExpectElementsWithTextOnly(root);
}

TEST_F(ReportDocument, HeaderLocationAndParameters) {
    const pugi::xml_node root = Build(PipelineGasContext());
    const pugi::xml_node meta = root.child("meta");
    EXPECT_EQ(ChildNames(meta), (Names{"title", "subtitle", "subtitle", "subtitle"}));
    EXPECT_EQ(TextOf(meta.child("title")), u"Отчёт");
    Texts subtitles;
    for (pugi::xml_node subtitle : meta.children("subtitle")) {
        subtitles.push_back(TextOf(subtitle));
    }
    EXPECT_EQ(
        subtitles,
        (Texts{u"Природный газ",
               u"Определение состава методом газовой хроматографии с оценкой неопределенности ГОСТ "
               u"31371.7-2020",
               u"Вычисление теплоты сгорания, плотности, относительной плотности и числа Воббе на основе "
               u"компонентного состава по ГОСТ 31369-2021"}));

    const pugi::xml_node location = root.child("location");
    EXPECT_EQ(ChildNames(location), (Names{"title_station", "station", "title_place", "place"}));
    EXPECT_EQ(TextOf(location.child("title_station")), u"Пункт отбора");
    EXPECT_EQ(TextOf(location.child("station")), u"КС «Северная»");
    EXPECT_EQ(TextOf(location.child("title_place")), u"Точка отбора");
    EXPECT_EQ(TextOf(location.child("place")), u"Узел замера газа №2");

    const pugi::xml_node properties = root.child("properties");
    EXPECT_EQ(ChildNames(properties), (Names{"body", "body", "body"}));
    EXPECT_EQ(Column(properties, "name"), (Texts{u"Заказчик", u"Номер протокола", u"Условия измерения"}));
    EXPECT_EQ(Column(properties, "value"),
              (Texts{u"ООО «Газпром трансгаз»", u"НГ-2023/0517-2", u"20 °C, 101,325 кПа"}));
}

TEST_F(ReportDocument, EmptySourcesAndNoParametersLeaveEmptyElements) {
    CalcContext context = PipelineGasContext();
    context.reportProps.clear();
    sources_ = ReportSources{};
    const pugi::xml_node root = Build(context);
    EXPECT_TRUE(root.child("properties"));
    EXPECT_FALSE(root.child("properties").first_child());
    EXPECT_EQ(ChildNames(root.child("location")),
              (Names{"title_station", "station", "title_place", "place"}));
    EXPECT_TRUE(TextOf(root.child("location").child("station")).empty());
    EXPECT_TRUE(TextOf(root.child("location").child("place")).empty());
    EXPECT_TRUE(root.child("signed").child("name"));
    EXPECT_TRUE(TextOf(root.child("signed").child("name")).empty());
}

TEST_F(ReportDocument, AnalysisListsTheChromatogramsOfTheLastCalculation) {
    const CalcContext context = PipelineGasContext();
    const pugi::xml_node analysis = Build(context).child("analysis");
    EXPECT_EQ(TextOf(analysis.child("title")), u"Хроматограммы");
    // Default view: no UUID.
    EXPECT_EQ(ChildNames(analysis.child("head")),
              (Names{"filename", "sample", "mixture", "datetime", "type", "method", "atmpressure"}));
    Texts headTexts;
    for (pugi::xml_node title : analysis.child("head").children()) {
        headTexts.push_back(TextOf(title));
    }
    EXPECT_EQ(headTexts,
              (Texts{u"Файл", u"Проба", u"Смесь", u"Время", u"Тип", u"Метод", u"Атм. давление (кПа)"}));

    // The unused chromatogram 301 is left out; file names lose their folders with either separator.
    EXPECT_EQ(Column(analysis, "filename"), (Texts{u"CAL_0517_01.chr", u"CAL_0517_02.chr", u"CAL_0517_03.chr",
                                                   u"ANL_0517_01.chr", u"ANL_0517_02.chr"}));
    EXPECT_EQ(Column(analysis, "type"),
              (Texts{u"Градуировка", u"Градуировка", u"Градуировка", u"Анализ", u"Анализ"}));
    // Three decimals by default; a pressure that is not a number is the em dash.
    EXPECT_EQ(Column(analysis, "show_atmpressure"),
              (Texts{u"100.910", u"100.920", u"100.920", u"100.950", kDash}));
    EXPECT_EQ(Column(analysis, "sample")[3], u"КУ-3, линия 2");
    EXPECT_EQ(Column(analysis, "datetime")[3], platform::ShortDateTimeText(kAnalysisTime));
    EXPECT_FALSE(Column(analysis, "datetime")[3].empty());
    for (pugi::xml_node body : analysis.children("body")) {
        EXPECT_EQ(ChildNames(body),
                  (Names{"filename", "sample", "mixture", "datetime", "type", "method", "show_atmpressure"}));
    }
}

TEST_F(ReportDocument, AnalysisColumnsFollowTheViewSettings) {
    struct Case {
        bool CalcSettings::*setting;
        bool value;
        const char* head;
        const char* body;
    };
    const Case cases[] = {
        {&CalcSettings::viewAnalysisShowUUID, true, "uuid", "uuid"},
        {&CalcSettings::viewAnalysisShowSample, false, "sample", "sample"},
        {&CalcSettings::viewAnalysisShowMixture, false, "mixture", "mixture"},
        {&CalcSettings::viewAnalysisShowDatetime, false, "datetime", "datetime"},
        {&CalcSettings::viewAnalysisShowMethod, false, "method", "method"},
        {&CalcSettings::viewAnalysisShowAtmPressure, false, "atmpressure", "show_atmpressure"},
    };
    for (const Case& c : cases) {
        CalcContext context = PipelineGasContext();
        context.settings.*c.setting = c.value;
        const pugi::xml_node analysis = Build(context).child("analysis");
        EXPECT_EQ(static_cast<bool>(analysis.child("head").child(c.head)), c.value) << c.head;
        for (pugi::xml_node body : analysis.children("body")) {
            EXPECT_EQ(static_cast<bool>(body.child(c.body)), c.value) << c.body;
        }
    }
    CalcContext context = PipelineGasContext();
    context.settings.viewAnalysisShowUUID = true;
    context.settings.viewAnalysisScaleAtmPressure = 1;
    const pugi::xml_node analysis = Build(context).child("analysis");
    EXPECT_EQ(ChildNames(analysis.child("head")),
              (Names{"filename", "uuid", "sample", "mixture", "datetime", "type", "method", "atmpressure"}));
    EXPECT_EQ(TextOf(analysis.child("head").child("uuid")), u"UUID");
    EXPECT_EQ(Column(analysis, "uuid")[0], context.assays[0].uuid);
    EXPECT_EQ(Column(analysis, "show_atmpressure")[0], u"100.9");
}

TEST_F(ReportDocument, ControlChromatogramsAndUnknownRoles) {
    CalcContext context = TwoMixtureContext();
    context.assays[3].role = 7; // a role the plug-in does not know
    const pugi::xml_node analysis = Build(context).child("analysis");
    const Texts types = Column(analysis, "type");
    ASSERT_EQ(types.size(), 6u);
    EXPECT_EQ(types[3], u"");
    EXPECT_EQ(types[5], u"Контроль");
    EXPECT_EQ(Column(analysis, "filename")[5], u"CTL_0517_01.chr");
}

TEST_F(ReportDocument, OneMixtureCalibrationColumns) {
    const CalcContext context = PipelineGasContext();
    const pugi::xml_node calibration = Build(context).child("calibration");
    EXPECT_EQ(TextOf(calibration.child("title")), u"Градуировка");
    EXPECT_EQ(ChildNames(calibration.child("head")),
              (Names{"name", "cnc1", "ink1", "ink2", "ink3", "midk", "mda1", "rate1", "norm1"}));
    EXPECT_EQ(TextOf(calibration.child("head").child("midk")), u"К");
    const std::vector<pugi::xml_node> bodies = Bodies(calibration);
    ASSERT_EQ(bodies.size(), context.calibration.size());
    EXPECT_EQ(ChildNames(bodies[0]),
              (Names{"isok", "name", "cnc1", "ink1", "ink2", "ink3", "midk", "mda1", "rate1", "norm1"}));
    EXPECT_EQ(Column(calibration, "isok"),
              (Texts{u"true", u"true", u"true", u"true", u"true", u"false", u"true"}));
    EXPECT_EQ(Column(calibration, "name")[0], u"Метан");
    EXPECT_EQ(Column(calibration, "name")[3], u"И-бутан");
    // Certified concentrations with their own digits.
    EXPECT_EQ(Column(calibration, "cnc1"),
              (Texts{u"90.42", u"4.987", u"1.996", u"0.5012", u"0.4988", u"1.512", u"0.998"}));
    // GOST rule: the value rounded as an uncertainty. K = 90.42 / 1218400 = 7.42...e-5: leading digits
    // 74, one significant digit.
    EXPECT_EQ(Column(calibration, "midk")[0], u"0.00007");
    // Mean area 1218400: leading digits 12, two significant digits.
    EXPECT_EQ(Column(calibration, "mda1")[0], u"1200000");
    EXPECT_EQ(Column(calibration, "rate1")[5], u"1.3");
    EXPECT_EQ(Column(calibration, "norm1")[0], u"0.8");
}

TEST_F(ReportDocument, CalibrationValueRulesFixedDecimalsAndMissingValues) {
    CalcContext context = PipelineGasContext();
    context.settings.viewCalibrationGostMdA = false;
    context.settings.viewCalibrationScaleMdA = 1;
    context.settings.viewCalibrationGostRate = false;
    context.settings.viewCalibrationScaleRate = 3;
    context.calibration[0].midk = kNaN;
    context.calibration[1].ink2 = 0.0;
    context.calibration[2].conc1 = 0.0;  // own digits, no missing test: "0.000"
    context.calibration[3].digits1 = -1; // no digits stored: %g
    context.calibration[4].conc1 = kNaN;
    const pugi::xml_node calibration = Build(context).child("calibration");
    EXPECT_EQ(Column(calibration, "midk")[0], kDash);
    EXPECT_EQ(Column(calibration, "ink2")[1], kDash);
    EXPECT_EQ(Column(calibration, "cnc1")[2], u"0.000");
    EXPECT_EQ(Column(calibration, "cnc1")[3], u"0.5012");
    EXPECT_EQ(Column(calibration, "mda1")[0], u"1218400.0");
    EXPECT_EQ(Column(calibration, "rate1")[0], u"0.120");
    EXPECT_EQ(Column(calibration, "norm1")[5], u"0.800");
}

TEST_F(ReportDocument, TwoMixtureCalibrationColumns) {
    CalcContext context = TwoMixtureContext();
    pugi::xml_node calibration = Build(context).child("calibration");
    const Names all{"name",  "cnc1",  "cnc2",  "mda1",  "mda2",  "inka",  "inkb",  "rate1", "norm1", "rate2",
                    "norm2", "crrng", "cvrng", "crate", "cnorm", "arsd1", "cval1", "arsd2", "cval2"};
    EXPECT_EQ(ChildNames(calibration.child("head")), all);
    Texts headTexts;
    for (pugi::xml_node title : calibration.child("head").children()) {
        headTexts.push_back(TextOf(title));
    }
    EXPECT_EQ(
        headTexts,
        (Texts{u"Компонент", u"Концентрация 1", u"Концентрация 2", u"Площадь 1", u"Площадь 2", u"b", u"B",
               u"Приемлемость 1", u"Норматив приемлемости 1", u"Приемлемость  2", u"Норматив приемлемости 2",
               u"Контр. Относительный размах", u"Контр. Допуск размах", u"Контр. Оценка", u"Контр. Норматив",
               u"Площадь ОСКО  1", u"Допуск ОСКО 1", u"Площадь ОСКО  2", u"Допуск ОСКО 2"}));
    Names bodyNames = all;
    bodyNames.insert(bodyNames.begin(), "isok");
    EXPECT_EQ(ChildNames(Bodies(calibration)[0]), bodyNames);
    EXPECT_EQ(Column(calibration, "cnc2")[0], u"45.21");
    EXPECT_EQ(Column(calibration, "inkb")[0], u"13");
    // 0.35: leading digits 35, one significant digit, the half rounded away from zero.
    EXPECT_EQ(Column(calibration, "crrng")[0], u"0.4");

    // Without the calibration control there is no control column; the spread of areas stays.
    context.settings.clbrControl = false;
    calibration = Build(context).child("calibration");
    EXPECT_EQ(ChildNames(calibration.child("head")),
              (Names{"name", "cnc1", "cnc2", "mda1", "mda2", "inka", "inkb", "rate1", "norm1", "rate2",
                     "norm2", "arsd1", "cval1", "arsd2", "cval2"}));

    // Everything optional switched off: the method's coefficients remain.
    context.settings.viewCalibrationShowCnc = false;
    context.settings.viewCalibrationShowMdA = false;
    context.settings.viewCalibrationShowRate = false;
    context.settings.viewCalibrationShowArsd = false;
    calibration = Build(context).child("calibration");
    EXPECT_EQ(ChildNames(calibration.child("head")), (Names{"name", "inka", "inkb"}));
    EXPECT_EQ(ChildNames(Bodies(calibration)[0]), (Names{"isok", "name", "inka", "inkb"}));

    // Method В2 is two-mixture as well; Б is not.
    context.calibrationKind = static_cast<int32_t>(CalibrationMethod::C2);
    EXPECT_EQ(ChildNames(Build(context).child("calibration").child("head")), (Names{"name", "inka", "inkb"}));
    context.calibrationKind = static_cast<int32_t>(CalibrationMethod::B);
    context.settings.viewCalibrationShowInK = false;
    EXPECT_EQ(ChildNames(Build(context).child("calibration").child("head")), (Names{"name", "midk"}));
}

TEST_F(ReportDocument, ControlColumnsFollowTheirOwnViewSettings) {
    CalcContext context = TwoMixtureContext();
    context.settings.viewCalibrationShowCtlRange = false;
    pugi::xml_node head = Build(context).child("calibration").child("head");
    EXPECT_FALSE(head.child("crrng"));
    EXPECT_FALSE(head.child("cvrng"));
    EXPECT_TRUE(head.child("crate"));
    context.settings.viewCalibrationShowCtlRange = true;
    context.settings.viewCalibrationShowCtlRate = false;
    head = Build(context).child("calibration").child("head");
    EXPECT_TRUE(head.child("cvrng"));
    EXPECT_FALSE(head.child("crate"));
    EXPECT_FALSE(head.child("cnorm"));
}

TEST_F(ReportDocument, ComponentsWithTheFootnote) {
    const CalcContext context = PipelineGasContext();
    const pugi::xml_node components = Build(context).child("components");
    EXPECT_EQ(TextOf(components.child("title")), u"Компоненты");
    EXPECT_EQ(ChildNames(components.child("head")),
              (Names{"name", "time", "area", "height", "concmol", "uconcmol", "diff", "limit", "x1", "x2"}));
    const std::vector<pugi::xml_node> bodies = Bodies(components);
    ASSERT_EQ(bodies.size(), context.components.size());
    EXPECT_EQ(ChildNames(bodies[0]), (Names{"isok", "name", "time", "area", "height", "concmol", "uconcmol",
                                            "diff", "limit", "x1", "x2"}));

    const Texts names = Column(components, "name");
    EXPECT_EQ(names[0], u"Метан");
    EXPECT_EQ(names[7], u"С6+");
    EXPECT_EQ(names[10], u"Кислород *");
    // Molar fractions to the last digit of their rounded uncertainty (GOST 31371.7-2020).
    EXPECT_EQ(Column(components, "concmol"),
              (Texts{u"94.12", u"3.08", u"0.712", u"0.105", u"0.108", u"0.0281", u"0.0203", u"0.0152",
                     u"1.121", u"0.685", u"< 0.010"}));
    EXPECT_EQ(Column(components, "uconcmol")[0], u"0.09");
    EXPECT_EQ(Column(components, "uconcmol")[2], u"0.012");
    EXPECT_EQ(Column(components, "isok")[10], u"false");
    EXPECT_EQ(Column(components, "time")[0], u"1.4");

    // The footnote follows the last row.
    EXPECT_EQ(ChildNames(components).back(), "footnote");
    const pugi::xml_node footnote = components.child("footnote");
    EXPECT_EQ(ChildNames(footnote), (Names{"mark", "message"}));
    EXPECT_EQ(TextOf(footnote.child("mark")), u" *");
    EXPECT_EQ(TextOf(footnote.child("message")),
              u"компоненты не участвуют в расчёте физико-химических показателей по ГОСТ 31369-2021");
}

TEST_F(ReportDocument, FootnoteOnlyWhenAComponentIsBelowFiveThousandths) {
    CalcContext context = PipelineGasContext();
    context.components.pop_back(); // without oxygen every fraction is at least 0.005 mol %
    context.components.back().molarFraction = 0.005;
    pugi::xml_node components = Build(context).child("components");
    EXPECT_FALSE(components.child("footnote"));
    for (const std::u16string& name : Column(components, "name")) {
        EXPECT_EQ(name.find(u'*'), std::u16string::npos) << Utf16ToUtf8(name);
    }

    // A fraction that is not a number, and one of exactly zero, are marked and written as the em dash.
    context.components[1].molarFraction = kNaN;
    context.components[2].molarFraction = 0.0;
    components = Build(context).child("components");
    EXPECT_EQ(Column(components, "name")[1], u"Этан *");
    EXPECT_EQ(Column(components, "name")[2], u"Пропан *");
    EXPECT_EQ(Column(components, "concmol")[1], kDash);
    EXPECT_EQ(Column(components, "concmol")[2], kDash);
    EXPECT_TRUE(components.child("footnote"));
}

TEST_F(ReportDocument, ComponentColumnsFollowTheViewSettingsAndTheChromatograph) {
    CalcContext context = PipelineGasContext();
    context.settings.clcDeviceType = 1; // process chromatograph: one measurement
    pugi::xml_node components = Build(context).child("components");
    EXPECT_EQ(ChildNames(components.child("head")),
              (Names{"name", "time", "area", "height", "concmol", "uconcmol", "x1"}));
    EXPECT_EQ(ChildNames(Bodies(components)[0]),
              (Names{"isok", "name", "time", "area", "height", "concmol", "uconcmol", "x1"}));

    context = PipelineGasContext();
    context.settings.clcMethaneDiff = false;
    context.settings.viewComponentsShowMixture = true;
    context.settings.viewComponentsShowConcVol = true;
    context.settings.viewComponentsShowConcMass = true;
    components = Build(context).child("components");
    EXPECT_EQ(ChildNames(components.child("head")),
              (Names{"name", "time", "area", "height", "bconc", "concmol", "concmix", "uconcmol", "concvol",
                     "concmass", "diff", "limit", "x1", "x2"}));
    Texts headTexts;
    for (pugi::xml_node title : components.child("head").children()) {
        headTexts.push_back(TextOf(title));
    }
    EXPECT_EQ(headTexts,
              (Texts{u"Компонент", u"Время", u"Площадь", u"Высота", u"Ненормализованные",
                     u"Концентрация (мол.%)", u"ГСО", u"Расширенная неопределенность", u"Концентрация (об.%)",
                     u"Концентрация (масс.%)", u"Приемлемость", u"Допуск", u"X1", u"X2"}));
    // The raw fraction by its uncertainty; the certified value with its own three decimals.
    EXPECT_EQ(Column(components, "bconc")[0], u"94.23");
    EXPECT_EQ(Column(components, "concmix")[0], u"95.061");

    // Without the control of the result there is no certified value to show.
    context.settings.clcControl = false;
    EXPECT_FALSE(Build(context).child("components").child("head").child("concmix"));

    context = PipelineGasContext();
    context.settings.viewComponentsShowTime = false;
    context.settings.viewComponentsShowArea = false;
    context.settings.viewComponentsShowHeight = false;
    context.settings.viewComponentsShowConcMol = false;
    context.settings.viewComponentsShowDiff = false;
    context.settings.viewComponentsShowX1X2 = false;
    components = Build(context).child("components");
    EXPECT_EQ(ChildNames(components.child("head")), (Names{"name"}));
    EXPECT_EQ(ChildNames(Bodies(components)[0]), (Names{"isok", "name"}));
    EXPECT_TRUE(components.child("footnote"));
}

TEST_F(ReportDocument, ComponentValuesWithFixedDecimals) {
    CalcContext context = PipelineGasContext();
    context.settings.viewComponentsGostConcMol = false;
    context.settings.viewComponentsScaleConcMol = 3;
    context.settings.viewComponentsGostArea = false;
    context.settings.viewComponentsScaleArea = 0;
    context.components[3].referenceValue = 0.0;
    context.settings.viewComponentsShowMixture = true;
    const pugi::xml_node components = Build(context).child("components");
    EXPECT_EQ(Column(components, "concmol")[0], u"94.120");
    EXPECT_EQ(Column(components, "uconcmol")[0], u"0.085");
    // Below the lower limit the limit is shown whatever the settings.
    EXPECT_EQ(Column(components, "concmol")[10], u"< 0.010");
    EXPECT_EQ(Column(components, "area")[0], u"1270200");
    EXPECT_EQ(Column(components, "concmix")[3], kDash);
}

TEST_F(ReportDocument, PhysicalPropertiesInTheirOrderAndRounding) {
    CalcContext context = PipelineGasContext();
    const pugi::xml_node calculation = Build(context).child("calculation");
    EXPECT_EQ(TextOf(calculation.child("title")), u"Расчёт");
    EXPECT_EQ(ChildNames(calculation.child("head")), (Names{"name", "value", "uvalue"}));
    EXPECT_EQ(TextOf(calculation.child("head").child("uvalue")), u"Расширенная неопределенность");
    const Texts names = Column(calculation, "name");
    ASSERT_EQ(names.size(), 22u);
    EXPECT_EQ(names[0], u"Молярная масса смеси [кг/кмоль]");
    EXPECT_EQ(names[1], u"Коэффициент сжимаемости");
    EXPECT_EQ(names[6], u"Относительная плотность идеального газа");
    EXPECT_EQ(names[9], u"Плотность реального газа [кг/м3]");
    EXPECT_EQ(names[10], u"Высшая объемная теплота сгорания смеси идеального газа [МДж/м3]");
    EXPECT_EQ(names[14], u"Число Воббе (высшее) идеального газа [МДж/м3]");
    EXPECT_EQ(names[17], u"Число Воббе (низшее) реального газа [МДж/м3]");
    EXPECT_EQ(names[18], u"Высшая объемная теплота сгорания смеси идеального газа [ккал/м3]");
    EXPECT_EQ(names[21], u"Низшая объемная теплота сгорания смеси реального газа [ккал/м3]");

    const Texts values = Column(calculation, "value");
    const Texts uncertainties = Column(calculation, "uvalue");
    // To the second significant digit of the uncertainty (GOST 31369-2021).
    EXPECT_EQ(values[0], u"17.051");
    EXPECT_EQ(uncertainties[0], u"0.011");
    EXPECT_EQ(values[1], u"0.99785");
    EXPECT_EQ(uncertainties[1], u"0.00012");
    EXPECT_EQ(values[2], u"911.62");
    EXPECT_EQ(uncertainties[2], u"0.41");
    EXPECT_EQ(values[12], u"37.981");
    // kcal/m³: 37.981 / 0.0041868 = 9071.62..., 0.031 / 0.0041868 = 7.40...
    EXPECT_EQ(values[20], u"9071.6");
    EXPECT_EQ(uncertainties[20], u"7.4");
}

TEST_F(ReportDocument, PhysicalPropertyRowsFollowTheViewSettings) {
    struct Case {
        bool CalcSettings::*setting;
        size_t rowsLeft;
    };
    // With the Wobbe indices in kcal/m³ on there are 26 rows; each switch removes its rows.
    const Case cases[] = {
        {&CalcSettings::viewCalculationShowMm, 25},
        {&CalcSettings::viewCalculationShowZ, 25},
        {&CalcSettings::viewCalculationShowHmol, 24},
        {&CalcSettings::viewCalculationShowHmass, 24},
        {&CalcSettings::viewCalculationShowD, 22},
        {&CalcSettings::viewCalculationShowHvol, 22},
        {&CalcSettings::viewCalculationShowWobbe, 22},
        {&CalcSettings::viewCalculationShowHvolkcalm3, 22},
        {&CalcSettings::viewCalculationShowWobbekcalm3, 22},
        {&CalcSettings::viewCalculationPerfectGas, 16},
    };
    for (const Case& c : cases) {
        CalcContext context = PipelineGasContext();
        context.settings.viewCalculationShowWobbekcalm3 = true;
        context.settings.*c.setting = false;
        EXPECT_EQ(Bodies(Build(context).child("calculation")).size(), c.rowsLeft);
    }
    CalcContext context = PipelineGasContext();
    context.settings.viewCalculationPerfectGas = false;
    const Texts names = Column(Build(context).child("calculation"), "name");
    for (const std::u16string& name : names) {
        EXPECT_EQ(name.find(u"идеального газа"), std::u16string::npos) << Utf16ToUtf8(name);
    }
}

TEST_F(ReportDocument, PhysicalPropertyFixedDecimalsAndMissingValues) {
    CalcContext context = PipelineGasContext();
    context.settings.viewCalculationGostMm = false;
    context.settings.viewCalculationScaleMm = 2;
    context.properties.value[static_cast<size_t>(PhysicalPropertyIndex::CompressionFactor)] = kNaN;
    context.propertiesU.value[static_cast<size_t>(PhysicalPropertyIndex::SuperiorMolarCalorificValue)] = 0.0;
    const pugi::xml_node calculation = Build(context).child("calculation");
    const Texts values = Column(calculation, "value");
    const Texts uncertainties = Column(calculation, "uvalue");
    EXPECT_EQ(values[0], u"17.05");
    EXPECT_EQ(uncertainties[0], u"0.01");
    EXPECT_EQ(values[1], kDash);
    EXPECT_EQ(uncertainties[1], u"0.00012");
    // Without an uncertainty the value keeps two significant digits.
    EXPECT_EQ(values[2], u"910");
    EXPECT_EQ(uncertainties[2], kDash);
}

TEST_F(ReportDocument, MethaneNumbers) {
    CalcContext context = PipelineGasContext();
    pugi::xml_node methane = Build(context).child("methane");
    EXPECT_EQ(TextOf(methane.child("title")), u"Метановое число");
    Texts headTexts;
    for (pugi::xml_node title : methane.child("head").children()) {
        headTexts.push_back(TextOf(title));
    }
    EXPECT_EQ(headTexts,
              (Texts{u"Метановое число", u"Значение", u"Абсолютная расширенная неопределенность"}));
    EXPECT_EQ(Column(methane, "name"),
              (Texts{u"Метановое число упрощенной смеси", u"Метановое число газового моторного топлива"}));
    EXPECT_EQ(Column(methane, "value"), (Texts{u"85", u"86"}));
    EXPECT_EQ(Column(methane, "uvalue"), (Texts{u"1", u"1"}));

    context.settings.viewMethaneGostMn = false;
    context.settings.viewMethaneScaleMn = 3;
    context.methaneNumber.second = 0.0; // written as a number: no em dash for the methane numbers
    methane = Build(context).child("methane");
    EXPECT_EQ(Column(methane, "value"), (Texts{u"84.620", u"0.000"}));
}

TEST_F(ReportDocument, JournalSignatureAndFooter) {
    CalcContext context = PipelineGasContext();
    context.journal.entries.push_back({99, u"без раздела"});
    const pugi::xml_node root = Build(context);
    const pugi::xml_node errors = root.child("errors");
    EXPECT_EQ(TextOf(errors.child("title")), u"Журнал уведомлений");
    EXPECT_EQ(TextOf(errors.child("head").child("category")), u"Раздел");
    EXPECT_EQ(TextOf(errors.child("head").child("description")), u"Описание");
    EXPECT_EQ(Column(errors, "category"), (Texts{u"Градуировка", u"Компоненты", u"Расчёт", u""}));
    EXPECT_EQ(Column(errors, "description")[0],
              u"Азот: приемлемость градуировочного коэффициента 1.34 % превышает норматив 0.8 %");
    EXPECT_EQ(Column(errors, "description")[3], u"без раздела");

    const pugi::xml_node signedBlock = root.child("signed");
    EXPECT_EQ(ChildNames(signedBlock), (Names{"title", "signature", "printed", "name"}));
    EXPECT_EQ(TextOf(signedBlock.child("title")), u"Измерения провёл");
    EXPECT_EQ(TextOf(signedBlock.child("signature")), u"Подпись");
    EXPECT_EQ(TextOf(signedBlock.child("printed")), u"Фамилия И.О.");
    EXPECT_EQ(TextOf(signedBlock.child("name")), u"Иванова А. П.");

    const std::u16string info = TextOf(root.child("footer").child("info"));
    EXPECT_EQ(info, u"Отчёт сгенерирован программой \"Орлиск: Природный газ\" " +
                        platform::LongDateTimeText(sources_.generatedAt));
    EXPECT_GT(info.size(),
              std::u16string_view(u"Отчёт сгенерирован программой \"Орлиск: Природный газ\" ").size());
}

TEST_F(ReportDocument, HostileTextsSurviveAsText) {
    CalcContext context = PipelineGasContext();
    context.reportProps = {{u"A & B <C> \"q\" 'a' ]]>", u"\x01tab\there\x1F\uFFFE\uFFFF end"}};
    context.journal.entries = {{JournalCategory::General, u"</description><x>&amp;"}};
    context.aliases.push_back({u"methane", u"CH4 <&>"});
    context.aliases.erase(context.aliases.begin()); // the first entry of "methane" wins otherwise
    const pugi::xml_node root = Build(context);
    const pugi::xml_node prop = root.child("properties").child("body");
    EXPECT_EQ(TextOf(prop.child("name")), u"A & B <C> \"q\" 'a' ]]>");
    EXPECT_EQ(TextOf(prop.child("value")), u"tab\there end");
    EXPECT_EQ(Column(root.child("errors"), "description"), (Texts{u"</description><x>&amp;"}));
    EXPECT_EQ(Column(root.child("components"), "name")[0], u"CH4 <&>");
    EXPECT_EQ(xml_.find('\x01'), std::string::npos);
}

TEST_F(ReportDocument, EmptyContextStillMakesTheWholeDocument) {
    const CalcContext context;
    const pugi::xml_node root = Build(context);
    EXPECT_EQ(ChildNames(root),
              (Names{"meta", "location", "properties", "analysis", "calibration", "components", "calculation",
                     "methane", "errors", "signed", "footer"}));
    EXPECT_EQ(ChildNames(root.child("analysis")), (Names{"title", "head"}));
    EXPECT_EQ(ChildNames(root.child("components")), (Names{"title", "head"}));
    EXPECT_EQ(ChildNames(root.child("errors")), (Names{"title", "head"}));
    // Zero properties are missing values; so are methane numbers that were never computed.
    EXPECT_EQ(Column(root.child("calculation"), "value")[0], kDash);
    EXPECT_EQ(Column(root.child("methane"), "value"), (Texts{kDash, kDash}));
    EXPECT_EQ(Column(root.child("methane"), "uvalue"), (Texts{kDash, kDash}));
}

} // namespace

#include "output/ExportFields.h"

#include "calc/CalcContext.h"
#include "calc/MetrologyTableInForce.h"
#include "data/AliasLookup.h"
#include "output/ExportKeywords.h"
#include "output/ExportSelection.h"
#include "results/AssaysTable.h"
#include "results/CalibrationTable.h"
#include "results/ComponentsTable.h"
#include "results/MethaneNumberTable.h"
#include "results/PropertiesTable.h"

namespace {
std::string Capitals(std::string_view name) {
    std::string key(name);
    for (char& c : key) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return key;
}

void Add(ExportRecord& record, std::string_view element, std::u16string text) {
    record.push_back({std::string(element), Capitals(element), std::move(text), false});
}

void AddKeyword(ExportRecord& record, std::string_view element, std::u16string_view keyword) {
    record.push_back({std::string(element), Capitals(element), std::u16string(keyword), true});
}
} // namespace

ExportRecord AssayRecord(const Assay& assay, const CalcContext& context, const std::u16string& dateText) {
    const TableView view = MakeTableView(context, TableReader::Document);
    const AssayReaderTexts own{dateText, AssayKindKeyword(assay.role)};
    ExportRecord record;
    for (const AssaysTableColumn& column : AssaysTable()) {
        if (IsShown(column, view)) {
            record.push_back({column.key, column.txtKey != nullptr ? column.txtKey : Capitals(column.key),
                              CellText(column, assay, context.settings, own),
                              column.text == AssayText::Role});
        }
    }
    return record;
}

ExportRecord CalibrationRecord(const CalibrationResult& row, const CalcContext& context) {
    const TableView view = MakeTableView(context, TableReader::Document);
    ExportRecord record;
    AddKeyword(record, "isok", BooleanWord(row.isok));
    record.push_back({"peak", "COMPONENT", DisplayNameForComponent(context.aliases, row.component), false});
    for (const CalibrationTableColumn& column : CalibrationTable()) {
        if (IsShown(column, view)) {
            Add(record, column.key, CellText(column, row, context.settings));
        }
    }
    return record;
}

ExportRecord ComponentRecord(const ComponentResult& row, const CalcContext& context) {
    const TableView view = MakeTableView(context, TableReader::Document);
    ExportRecord record;
    AddKeyword(record, "isok", BooleanWord(row.accepted));
    record.push_back({"peak", "COMPONENT", DisplayNameForComponent(context.aliases, row.id), false});
    for (const ComponentsTableColumn& column : ComponentsTable()) {
        if (IsShown(column, view)) {
            Add(record, column.key, ExportText(column, row, context.settings));
        }
    }
    return record;
}

ExportRecord CalculationRecord(const CalcContext& context) {
    const TableView view = MakeTableView(context, TableReader::Document);
    ExportRecord record;
    for (const PropertiesTableRow& row : PropertiesTable()) {
        if (!IsShown(row, view)) {
            continue;
        }
        const PropertyValue property = ValueOf(row, context);
        Add(record, row.key, ExportValueText(property));
        Add(record, std::string("u") + row.key, ExportUncertaintyText(property));
    }
    return record;
}

ExportRecord MethaneRecord(const CalcContext& context) {
    ExportRecord record;
    for (const MethaneNumberTableRow& row : MethaneNumberTable()) {
        Add(record, row.key, MethaneNumberText(context.methaneNumber.*row.value, context.settings));
    }
    return record;
}

ExportRecord SettingsRecord(const CalcContext& context) {
    const CalcSettings& settings = context.settings;
    ExportRecord record;
    const std::u16string_view method = CalibrationMethodLetter(settings.clbrCalcMethod);
    if (!method.empty()) {
        record.push_back({"method", "CALCMETHOD", std::u16string(method), false});
    }
    AddKeyword(record, "control", BooleanWord(settings.clbrControl));
    AddKeyword(record, "mixtureconformity", BooleanWord(settings.clbrMixtureConformity));
    AddKeyword(record, "pressure", BooleanWord(settings.clcPressure));
    const std::u16string_view measureTemperature = MeasureTemperatureText(settings.clcMeasureTemp);
    if (!measureTemperature.empty()) {
        Add(record, "measuretemp", std::u16string(measureTemperature));
    }
    const std::u16string_view burnoutTemperature = BurnoutTemperatureText(settings.clcBurnoutTemp);
    if (!burnoutTemperature.empty()) {
        Add(record, "burnouttemp", std::u16string(burnoutTemperature));
    }
    AddKeyword(record, "methanediff", BooleanWord(settings.MethaneByDifference()));
    AddKeyword(record, "identitymatrix", BooleanWord(settings.clcIdentityMatrix));
    AddKeyword(record, "conformity", BooleanWord(settings.clcMixtureConformity));
    AddKeyword(record, "laboratory", BooleanWord(settings.LaboratoryChromatograph()));
    const std::u16string metrologyTable = MetrologyTableKeyword(TableInForce());
    if (!metrologyTable.empty()) {
        Add(record, "metrologytable", metrologyTable);
    }
    return record;
}

// The chromatogram list's table: what each Show setting hides on the page and in the documents, and the
// texts that every reader shares or makes itself.
#include <gtest/gtest.h>

#include <limits>
#include <set>
#include <string>

#include "results/AssaysTable.h"

namespace {

bool ShownOn(const AssaysTableColumn& column, const CalcSettings& settings, TableReader reader) {
    return IsShown(column, TableView{settings, false, reader});
}

// Each Show setting hides its own column, and only it, on every reader; the file and the role are
// always shown.
TEST(AssaysTable, EachShowSettingHidesExactlyItsColumn) {
    std::set<std::string> alwaysShown;
    for (const AssaysTableColumn& hidden : AssaysTable()) {
        if (hidden.show == nullptr) {
            alwaysShown.insert(hidden.key);
            continue;
        }
        CalcSettings settings;
        for (const AssaysTableColumn& column : AssaysTable()) {
            if (column.show != nullptr) {
                settings.*column.show = &column != &hidden;
            }
        }
        for (TableReader reader : {TableReader::Page, TableReader::Document}) {
            for (const AssaysTableColumn& column : AssaysTable()) {
                EXPECT_EQ(ShownOn(column, settings, reader), &column != &hidden)
                    << hidden.key << " " << column.key;
            }
        }
    }
    EXPECT_EQ(alwaysShown, (std::set<std::string>{"filename", "type"}));
}

TEST(AssaysTable, SharedTextsAndTheReadersOwn) {
    Assay assay;
    assay.filename = u"C:\\Хроматограммы/2024\\run-7.chr";
    assay.uuid = u"uuid-7";
    assay.atmpressure = 99.8183;
    CalcSettings settings;
    settings.viewAnalysisScaleAtmPressure = 2;
    const AssayReaderTexts own{u"14.03.2024 9:00:00", u"calibration"};
    std::u16string texts;
    for (const AssaysTableColumn& column : AssaysTable()) {
        texts += CellText(column, assay, settings, own) + u"|";
    }
    EXPECT_EQ(texts, u"run-7.chr|uuid-7|||14.03.2024 9:00:00|calibration||99.82|");
    assay.atmpressure = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(CellText(AssaysTable().back(), assay, settings, own), u"—");
    EXPECT_EQ(AssayRoleWord(2), u"Контроль");
    EXPECT_EQ(AssayRoleWord(7), u"");
}

} // namespace

#include "host/cli/Results.h"

#include "calc/CalcContext.h"
#include "host/cli/Console.h"
#include "text/Format.h"
#include "text/StringTable.h"
#include "ui/models/AssayListModel.h"
#include "ui/models/CalculationPageModel.h"
#include "ui/models/CalibrationPageModel.h"
#include "ui/models/ComponentsPageModel.h"
#include "ui/models/MethaneNumberPageModel.h"
#include "ui/models/StabilityPageModel.h"

namespace {

// The list views mark rows with an image or a check box; text has signs.
constexpr RowMarkTexts kAcceptedMarks{u"-", u"+"};
constexpr RowMarkTexts kIncludedMarks{u"[ ]", u"[x]"};

} // namespace

void PrintCalculation(const CalcContext& context, int32_t status) {
    PrintPageTable(LoadText(StringId::TabChromatograms), BuildAssayList(context), {&kIncludedMarks});
    PrintPageTable(LoadText(StringId::TabCalibration), BuildCalibrationPage(context), {&kAcceptedMarks});
    PrintPageTable(LoadText(StringId::TabComponents), BuildComponentsPage(context), {&kAcceptedMarks});
    PrintPageTable(LoadText(StringId::TabCalculation), BuildCalculationPage(context));
    // The methane-number list repeats its column titles in its first row.
    PrintPageTable(LoadText(StringId::TabMethaneNumber), BuildMethaneNumberPage(context), {nullptr, false});
    PrintJournal(context);
    PrintLine(u"");
    if (status != 0) {
        PrintLine(LoadText(StringId::CalculationFailed));
    }
    PrintLine(FormatText(u"status: %d", {static_cast<int>(status)}));
}

bool PrintStability(const CalcContext& context) {
    const CalibrationStability& stability = context.stability;
    if (!stability.read) {
        PrintLine(LoadText(StringId::StabilityNotRead));
        return false;
    }
    PrintPageTable(LoadText(StringId::StabilityTitle), BuildStabilityPage(context));
    PrintLine(FormatText(LoadText(StringId::StabilityPeriod),
                         {stability.days, stability.calibrations, stability.leftOver}));
    return true;
}

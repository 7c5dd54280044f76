// Calculation contexts with their results written as short texts, one record a line, instead of filled
// field by field. A line is a record name and its fields, "name=value", named as the members of the
// record; a value runs to the next blank, or is quoted with \" \\ \n \t \r \uXXXX escapes ("" is
// empty). Numbers are read exactly as C++ reads their literals; nan, -nan, inf and -inf are allowed.
// "#" starts a comment line.
//   aliases methane=Метан ethane=Этан       the whole alias list, in this order
//   assay id=11 file=a.cdf date=... role=1  appends an Assay (included unless included=0); members as
//                                           in Assay, "file" for filename and "atm" for atmpressure
//   calibrationAssays 11 31                 the chromatograms the calibration used
//   measurements 21 41                      a Measurement per assay id
//   context calibrationKind=3 calibrationOk=0
//   settings clbrCalcMethod=3 expCommand="C D"   any member of CalcSettings, by its name
//   calibration component=methane isok=1 conc1=90.1 ...   appends a CalibrationResult
//   component id=methane accepted=1 molarFraction=95 ...  appends a ComponentResult (component2: to
//                                           the second table)
//   properties v0 ... v17 / propertiesU u0 ... u17   by PhysicalPropertyIndex
//   methaneNumber 75.6 72.4
//   simplifiedMixture normalised=95.4 raw=94.1     appends a row of the methane number's tables
//   motorFuelMixture share=99.4 value=98.6         (methaneNumberLists), members by their names
//   initialMethaneNumber methaneNumber=83.9 mixtureNumber=1
//   componentFraction component=methane volumeFraction=94.1 molarFraction=94.0
//   mixture component=ethane first=A second=B firstType=1 secondType=2
//   constant name=helium concentration=0.01 deviation=0.001
//   reportProp name=Заказчик value="ООО «Газ»"
//   journal category=1 text="Путь C:\\temp"
// A line the reader does not know, or a field a record does not have, is a test failure naming it.
#pragma once

#include <string_view>

#include "calc/CalcContext.h"

namespace testsupport {

// A default context with the lines applied.
CalcContext ContextFromText(std::string_view lines);

// Applies the lines to an existing context: records append, scalars and settings are replaced.
void ApplyContextText(CalcContext& context, std::string_view lines);

} // namespace testsupport

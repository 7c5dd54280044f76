// The loaders of the host's rows with what they take from the calculation context: its sources, the
// aliases that name the components and the area correction of the GOST 31371.7-2020 library under
// "Tarvel/clcPressure". Each raises what its loader raises (DataBase::SqlException from the database);
// a library that cannot be loaded raises CalculationLibraryMissing.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "data/AreaSeries.h"
#include "data/ComponentResult.h"
#include "data/HostSources.h"
#include "data/MixtureComponent.h"
#include "data/PressureCorrection.h"

struct CalcContext;
struct CalcSettings;

// The library's correction of peak areas under the settings.
AreaCorrection LibraryAreaCorrection(const CalcSettings& settings);

// LoadMixture, LoadAssayPeaks and LoadAreaSeries of data/ with the context's sources, aliases and
// correction.
int32_t LoadMixture(const CalcContext& context, std::u16string_view mixtureName,
                    std::vector<MixtureComponent>& components);
int32_t LoadAssayPeaks(const CalcContext& context, int64_t assayId, std::vector<ComponentResult>& peaks,
                       std::vector<HostPeakRow>* unnamed = nullptr);
int32_t LoadAreaSeries(const CalcContext& context, std::span<const int64_t> assayIds,
                       std::vector<AreaSeries>& series);

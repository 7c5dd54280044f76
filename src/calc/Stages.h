// The pipeline and its stages. Each stage takes the context, writes its results and journal entries
// into it and returns a status (calc/Status.h); database failures raise DataBase::SqlException.
#pragma once

#include <cstdint>
#include <string>

#include "calc/CalcContext.h"

// Clears the results of the previous run; the inputs stay. Returns 0.
int32_t ResetRun(CalcContext& context);
// Runs every stage in order, stopping at the first that fails.
int32_t RunCalculation(CalcContext& context);

// Reference-mixture conformity checks.
int32_t CheckMixtures(CalcContext& context);
int32_t RunControlCheck(CalcContext& context);
// Checks one mixture of an assignment (which: 0 first, 1 second) against the ranges of the method.
bool CheckMixtureRanges(CalcContext& context, const std::u16string& mixtureName, int32_t which,
                        const ComponentMixtures& assignment);
int32_t CheckMixtureAgainstGas(CalcContext& context);

// Calibration with its acceptability check and control.
int32_t RunCalibration(CalcContext& context);

// Composition of the analysed gas.
int32_t RunComposition(CalcContext& context);

// Physical properties (GOST 31369-2021) and methane number (GOST 34704-2020).
int32_t RunPhysicalProperties(CalcContext& context);
int32_t RunMethaneNumber(CalcContext& context);

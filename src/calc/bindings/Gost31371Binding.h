// The plug-in's binding to the Tarvel31371720 library (GOST 31371.7-2020). The library is loaded
// explicitly from the plug-in's own folder on first use: both it and Tarvel3470420 export a function
// named Normalize, which one ELF process cannot import by name from both.
#pragma once

#include "gost/gost31371/include/Tarvel31371720.h"

#include <string_view>

// The library's file name without the platform's extension.
inline constexpr std::u16string_view kGost31371Library = u"Tarvel31371720";

struct Gost31371Binding {
    bool loaded = false; // every entry below was found
    decltype(&::GetDefaultConstTableMethodA) GetDefaultConstTableMethodA = nullptr;
    decltype(&::GetDefaultConstTableMethodB) GetDefaultConstTableMethodB = nullptr;
    decltype(&::GetDefaultConstTableMethodC1) GetDefaultConstTableMethodC1 = nullptr;
    decltype(&::GetDefaultConstTableMethodC2) GetDefaultConstTableMethodC2 = nullptr;
    decltype(&::CalcRQRate) CalcRQRate = nullptr;
    decltype(&::CalcNormArea) CalcNormArea = nullptr;
    decltype(&::CalcCalibFactorDiv) CalcCalibFactorDiv = nullptr;
    decltype(&::CalcCalibFactorMCnt) CalcCalibFactorMCnt = nullptr;
    decltype(&::CalcLimitValue) CalcLimitValue = nullptr;
    decltype(&::CalcCalibFactorMVrb) CalcCalibFactorMVrb = nullptr;
    decltype(&::CalcCalibFactorMVrbLS) CalcCalibFactorMVrbLS = nullptr;
    decltype(&::CalcConcentrationMCnt) CalcConcentrationMCnt = nullptr;
    decltype(&::CalcConcentrationMVrb) CalcConcentrationMVrb = nullptr;
    decltype(&::AreasRelativeStandardDeviation) AreasRelativeStandardDeviation = nullptr;
    decltype(&::AreasRelativeRange) AreasRelativeRange = nullptr;
    decltype(&::GetAllowedValue) GetAllowedValue = nullptr;
    decltype(&::CalibrationCheck) CalibrationCheck = nullptr;
    decltype(&::ControlCheck) ControlCheck = nullptr;
    decltype(&::CalcMethane) CalcMethane = nullptr;
    decltype(&::CalcMethaneU) CalcMethaneU = nullptr;
    decltype(&::Normalize) Normalize = nullptr;
    decltype(&::CalcU) CalcU = nullptr;
    decltype(&::CheckMoleFactor) CheckMoleFactor = nullptr;
    decltype(&::GetMetrologyTableSource) GetMetrologyTableSource = nullptr;
    decltype(&::WriteMetrologyTableText) WriteMetrologyTableText = nullptr;
    decltype(&::CheckMetrologyTableFile) CheckMetrologyTableFile = nullptr;
    decltype(&::MetrologyTableFileRows) MetrologyTableFileRows = nullptr;
};

// The binding, loaded on the first call from the folder of the plug-in (or program) module.
// When the library or one of its entries is missing, loaded is false and the missing entries are null.
const Gost31371Binding& Gost31371();

// The table of metrological characteristics of a calculation method (0 А, 1 Б, 2 В1, 3 В2); any other
// method gives no table and a row count of 0.
const MetrologyRow* MetrologyTableForMethod(int32_t method, int32_t* rowCount);

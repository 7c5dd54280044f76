#include "output/ExportMembers.h"

#include "calc/CalcContext.h"
#include "output/ExportSelection.h"

namespace {
// MJ per kcal: the international table calorie, 4.1868 J; the values in kcal/m³ are the MJ/m³ values
// divided by it.
constexpr double kMegajoulesPerKilocalorie = 0.0041868;
} // namespace

std::vector<CalibrationMember> CalibrationMembers(const CalcSettings& settings, bool twoMixture) {
    using R = CalibrationResult;
    using S = CalcSettings;
    std::vector<CalibrationMember> members;
    const auto view = [&members](std::string_view key, double R::*value, bool S::*gost, int32_t S::*scale) {
        members.push_back({key, value, nullptr, gost, scale});
    };
    if (settings.viewCalibrationShowCnc) {
        members.push_back({"conc1", &R::conc1, &R::digits1, nullptr, nullptr});
    }
    if (!twoMixture) {
        if (settings.viewCalibrationShowInK) {
            view("ink1", &R::ink1, &S::viewCalibrationGostInK, &S::viewCalibrationScaleInK);
            view("ink2", &R::ink2, &S::viewCalibrationGostInK, &S::viewCalibrationScaleInK);
            view("ink3", &R::ink3, &S::viewCalibrationGostInK, &S::viewCalibrationScaleInK);
        }
        view("midk", &R::midk, &S::viewCalibrationGostCfAB, &S::viewCalibrationScaleCfAB);
    } else if (settings.viewCalibrationShowCnc) {
        members.push_back({"conc2", &R::conc2, &R::digits2, nullptr, nullptr});
    }
    if (settings.viewCalibrationShowMdA) {
        view("mda1", &R::mda1, &S::viewCalibrationGostMdA, &S::viewCalibrationScaleMdA);
    }
    if (twoMixture) {
        if (settings.viewCalibrationShowMdA) {
            view("mda2", &R::mda2, &S::viewCalibrationGostMdA, &S::viewCalibrationScaleMdA);
        }
        view("inka", &R::inka, &S::viewCalibrationGostCfC, &S::viewCalibrationScaleCfC);
        view("inkb", &R::inkb, &S::viewCalibrationGostCfC, &S::viewCalibrationScaleCfC);
    }
    if (settings.viewCalibrationShowRate) {
        view("rate1", &R::rate1, &S::viewCalibrationGostRate, &S::viewCalibrationScaleRate);
        view("norm1", &R::norm1, &S::viewCalibrationGostRate, &S::viewCalibrationScaleRate);
    }
    if (!twoMixture) {
        return members;
    }
    if (settings.viewCalibrationShowRate) {
        view("rate2", &R::rate2, &S::viewCalibrationGostRate, &S::viewCalibrationScaleRate);
        view("norm2", &R::norm2, &S::viewCalibrationGostRate, &S::viewCalibrationScaleRate);
    }
    if (settings.clbrControl && settings.viewCalibrationShowCtlRange) {
        view("crrng", &R::crrng, &S::viewCalibrationGostCtlRange, &S::viewCalibrationScaleCtlRange);
        view("cvrng", &R::cvrng, &S::viewCalibrationGostCtlRange, &S::viewCalibrationScaleCtlRange);
    }
    if (settings.clbrControl && settings.viewCalibrationShowCtlRate) {
        view("crate", &R::crate, &S::viewCalibrationGostCtlRate, &S::viewCalibrationScaleCtlRate);
        view("cnorm", &R::cnorm, &S::viewCalibrationGostCtlRate, &S::viewCalibrationScaleCtlRate);
    }
    if (settings.viewCalibrationShowArsd) {
        view("arsd1", &R::arsd1, &S::viewCalibrationGostArsd, &S::viewCalibrationScaleArsd);
        view("cval1", &R::cval1, &S::viewCalibrationGostArsd, &S::viewCalibrationScaleArsd);
        view("arsd2", &R::arsd2, &S::viewCalibrationGostArsd, &S::viewCalibrationScaleArsd);
        view("cval2", &R::cval2, &S::viewCalibrationGostArsd, &S::viewCalibrationScaleArsd);
    }
    return members;
}

std::vector<ComponentMember> ComponentMembers(const CalcSettings& settings) {
    using R = ComponentResult;
    using S = CalcSettings;
    constexpr ComponentRule kPlain = ComponentRule::ByUncertaintyRounding;
    const bool laboratory = IsLaboratoryChromatograph(settings);
    std::vector<ComponentMember> members;
    if (settings.viewComponentsShowTime) {
        members.push_back(
            {"time", &R::time, kPlain, &S::viewComponentsGostTime, &S::viewComponentsScaleTime, true});
    }
    if (settings.viewComponentsShowArea) {
        members.push_back(
            {"area", &R::area, kPlain, &S::viewComponentsGostArea, &S::viewComponentsScaleArea, true});
    }
    if (settings.viewComponentsShowHeight) {
        members.push_back({"height", &R::height, kPlain, &S::viewComponentsGostHeight,
                           &S::viewComponentsScaleHeight, true});
    }
    // The unnormalised fractions exist only when methane is not found by difference.
    if (!settings.clcMethaneDiff && settings.viewComponentsShowBaseConc) {
        members.push_back({"bconc", &R::rawFraction, ComponentRule::RawFraction,
                           &S::viewComponentsGostBaseConc, &S::viewComponentsScaleBaseConc, true});
    }
    if (settings.viewComponentsShowConcMol) {
        members.push_back({"conc", &R::molarFraction, ComponentRule::MolarFraction,
                           &S::viewComponentsGostConcMol, &S::viewComponentsScaleConcMol, true});
    }
    if (settings.clcControl && settings.viewComponentsShowMixture) {
        members.push_back({"mix", &R::referenceValue, ComponentRule::Reference, nullptr, nullptr, false});
    }
    if (settings.viewComponentsShowConcMol) {
        members.push_back({"uconc", &R::uncertainty, kPlain, &S::viewComponentsGostConcMol,
                           &S::viewComponentsScaleConcMol, true});
    }
    if (settings.viewComponentsShowConcVol) {
        members.push_back({"concvol", &R::volumeFraction, kPlain, &S::viewComponentsGostConcVol,
                           &S::viewComponentsScaleConcVol, true});
    }
    if (settings.viewComponentsShowConcMass) {
        members.push_back({"concmass", &R::massFraction, kPlain, &S::viewComponentsGostConcMass,
                           &S::viewComponentsScaleConcMass, true});
    }
    // The acceptability of two measurements and the second measurement exist only on a laboratory
    // chromatograph.
    if (laboratory && settings.viewComponentsShowDiff) {
        members.push_back(
            {"diff", &R::difference, kPlain, &S::viewComponentsGostDiff, &S::viewComponentsScaleDiff, true});
        members.push_back({"limit", &R::acceptLimit, kPlain, &S::viewComponentsGostDiff,
                           &S::viewComponentsScaleDiff, true});
    }
    if (settings.viewComponentsShowX1X2) {
        members.push_back(
            {"x1", &R::x1, kPlain, &S::viewComponentsGostX1X2, &S::viewComponentsScaleX1X2, true});
    }
    if (laboratory && settings.viewComponentsShowX1X2) {
        members.push_back(
            {"x2", &R::x2, kPlain, &S::viewComponentsGostX1X2, &S::viewComponentsScaleX1X2, true});
    }
    return members;
}

std::vector<CalculationQuantity> CalculationQuantities(const CalcContext& context) {
    using I = PhysicalPropertyIndex;
    const CalcSettings& settings = context.settings;
    const bool ideal = settings.viewCalculationPerfectGas;
    std::vector<CalculationQuantity> quantities;
    const auto add = [&quantities, &context](std::string_view key, I index, double divisor = 1.0) {
        const auto position = static_cast<size_t>(index);
        quantities.push_back({key, context.properties.value[position] / divisor,
                              context.propertiesU.value[position] / divisor});
    };
    if (settings.viewCalculationShowMm) {
        add("mm", I::MolarMass);
    }
    if (settings.viewCalculationShowZ) {
        add("z", I::CompressionFactor);
    }
    if (settings.viewCalculationShowHmol) {
        add("hmolh", I::SuperiorMolarCalorificValue);
        add("hmoll", I::InferiorMolarCalorificValue);
    }
    if (settings.viewCalculationShowHmass) {
        add("hmassh", I::SuperiorMassCalorificValue);
        add("hmassl", I::InferiorMassCalorificValue);
    }
    if (settings.viewCalculationShowD && ideal) {
        add("g0", I::RelativeDensityIdeal);
        add("d0", I::DensityIdeal);
    }
    if (settings.viewCalculationShowD) {
        add("g", I::RelativeDensityReal);
        add("d", I::DensityReal);
    }
    if (settings.viewCalculationShowHvol && ideal) {
        add("hvolh0_mjm3", I::SuperiorVolumetricIdeal);
        add("hvoll0_mjm3", I::InferiorVolumetricIdeal);
    }
    if (settings.viewCalculationShowHvol) {
        add("hvolh_mjm3", I::SuperiorVolumetricReal);
        add("hvoll_mjm3", I::InferiorVolumetricReal);
    }
    if (settings.viewCalculationShowWobbe && ideal) {
        add("wobbeh0_mjm3", I::SuperiorWobbeIdeal);
        add("wobbel0_mjm3", I::InferiorWobbeIdeal);
    }
    if (settings.viewCalculationShowWobbe) {
        add("wobbeh_mjm3", I::SuperiorWobbeReal);
        add("wobbel_mjm3", I::InferiorWobbeReal);
    }
    if (settings.viewCalculationShowHvolkcalm3 && ideal) {
        add("hvolh0_kcalm3", I::SuperiorVolumetricIdeal, kMegajoulesPerKilocalorie);
        add("hvoll0_kcalm3", I::InferiorVolumetricIdeal, kMegajoulesPerKilocalorie);
    }
    if (settings.viewCalculationShowHvolkcalm3) {
        add("hvolh_kcalm3", I::SuperiorVolumetricReal, kMegajoulesPerKilocalorie);
        add("hvoll_kcalm3", I::InferiorVolumetricReal, kMegajoulesPerKilocalorie);
    }
    if (settings.viewCalculationShowWobbekcalm3 && ideal) {
        add("wobbeh0_kcalm3", I::SuperiorWobbeIdeal, kMegajoulesPerKilocalorie);
        add("wobbel0_kcalm3", I::InferiorWobbeIdeal, kMegajoulesPerKilocalorie);
    }
    if (settings.viewCalculationShowWobbekcalm3) {
        add("wobbeh_kcalm3", I::SuperiorWobbeReal, kMegajoulesPerKilocalorie);
        add("wobbel_kcalm3", I::InferiorWobbeReal, kMegajoulesPerKilocalorie);
    }
    return quantities;
}

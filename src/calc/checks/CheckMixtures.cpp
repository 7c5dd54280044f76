// Conformity of the reference mixtures assigned to the calibration with GOST 31371.7-2020, before the
// calibration: each mixture must exist, its certified fractions must add up to 100 mol %, and every
// certified component must meet the requirements of its type of reference material (range of the
// certified fraction and permitted uncertainty). Methods В1 and В2 also need СО-ИПГ mixtures and, for
// carbon dioxide, nitrogen and oxygen calibrated as non-linear, a mixture assigned to each of them.
#include <string>
#include <string_view>
#include <vector>

#include "calc/ContextLoading.h"
#include "calc/Stages.h"
#include "calc/Status.h"
#include "calc/calibration/ConstantComponents.h"
#include "calc/calibration/NonLinearComponents.h"
#include "calc/checks/MixtureSum.h"
#include "calc/checks/ReferenceMaterialTables.h"
#include "calc/journal/ContextJournal.h"
#include "data/AliasLookup.h"
#include "data/MixtureLookup.h"
#include "text/StringIds.gen.h"

namespace {

bool IsMethodB(int32_t method) {
    return method == static_cast<int32_t>(CalibrationMethod::B);
}

// Methods Б and В2 determine the hydrocarbons above the pentanes as one С6+, which a mixture certifies
// as n-hexane: that value must meet the requirements of С6+.
std::u16string_view RequirementIdOf(std::u16string_view componentId, int32_t method) {
    const bool c6plusMethod = IsMethodB(method) || method == static_cast<int32_t>(CalibrationMethod::C2);
    if (c6plusMethod && componentId == u"n_hexane") {
        return u"c6plus";
    }
    return componentId;
}

// The certified characteristics of every component concerned, against the type's requirements.
bool CheckCertifiedComponents(CalcContext& context, const std::u16string& mixtureName, int32_t mixtureType,
                              const ComponentMixtures& assignment,
                              const std::vector<MixtureComponent>& composition) {
    const int32_t method = context.settings.clbrCalcMethod;
    bool passed = true;
    for (const MixtureComponent& component : composition) {
        if (component.name == u"methane") {
            continue;
        }
        if (!assignment.component.empty() && component.name != assignment.component) {
            continue;
        }
        if (IsConditionallyConstant(context, component.name)) {
            continue;
        }
        const std::u16string displayName = DisplayNameForComponent(context.aliases, component.name);
        const ReferenceMaterialRow* row =
            FindReferenceMaterialRow(mixtureType, RequirementIdOf(component.name, method));
        if (row == nullptr) {
            AddMessage(context, JournalCategory::Calib, StringId::MixtureComponentNotInReferenceTable,
                       {mixtureName, displayName});
            passed = false;
            continue;
        }
        const double c = component.concentration;
        const double permitted = PermittedUncertainty(*row, c);
        if (!LiesInRange(c, row->certified)) {
            AddMessage(context, JournalCategory::Calib, StringId::MixtureComponentOutOfReferenceRange,
                       {mixtureName, displayName, c, row->certified.lowerMolPct, row->certified.upperMolPct});
            passed = false;
        }
        // Written as "not within" so that an uncertainty or a certified value that is not a number
        // (from a damaged database) fails instead of passing every comparison.
        if (!(component.deviation <= permitted)) {
            AddMessage(context, JournalCategory::Calib, StringId::MixtureUncertaintyTooLarge,
                       {mixtureName, displayName, component.deviation, permitted});
            passed = false;
        }
    }
    return passed;
}

struct MixtureFindings {
    bool exists = false;
    bool passed = true;
    std::vector<MixtureComponent> composition;
};

// Existence, sum and certified characteristics of one mixture of an assignment. A missing mixture is
// reported once and checked no further.
MixtureFindings CheckNamedMixture(CalcContext& context, const std::u16string& mixtureName,
                                  int32_t mixtureType, const ComponentMixtures& assignment) {
    MixtureFindings findings;
    if (!context.sources.mixtureExists(mixtureName)) {
        AddMessage(context, JournalCategory::Calib, StringId::MixtureDescriptionNotFound, {mixtureName});
        findings.passed = false;
        return findings;
    }
    findings.exists = true;
    LoadMixture(context, mixtureName, findings.composition);
    const double sum = CertifiedSum(findings.composition);
    if (SumDeviatesFrom100(sum)) {
        AddMessage(context, JournalCategory::Calib, StringId::MixtureSumNot100, {mixtureName, sum});
        findings.passed = false;
    }
    if (!CheckCertifiedComponents(context, mixtureName, mixtureType, assignment, findings.composition)) {
        findings.passed = false;
    }
    return findings;
}

// Two-mixture methods are calibrated with СО-ИПГ only.
bool CheckTypeForTwoMixtures(CalcContext& context, const std::u16string& mixtureName, int32_t mixtureType) {
    if (mixtureType == static_cast<int32_t>(MixtureType::Ipg)) {
        return true;
    }
    AddMessage(context, JournalCategory::Calib, StringId::MixtureTypeNotSuitable, {mixtureName});
    return false;
}

bool HasOwnAssignment(const CalcContext& context, std::u16string_view componentId) {
    for (const ComponentMixtures& assignment : context.mixtures) {
        if (assignment.component == componentId) {
            return true;
        }
    }
    return false;
}

} // namespace

int32_t CheckMixtures(CalcContext& context) {
    if (!context.settings.clbrMixtureConformity) {
        return Status::Ok;
    }
    const int32_t method = context.settings.clbrCalcMethod;
    bool passed = true;
    for (const ComponentMixtures& assignment : context.mixtures) {
        const bool general = assignment.component.empty();
        if (!assignment.first.empty()) {
            const MixtureFindings first =
                CheckNamedMixture(context, assignment.first, assignment.firstType, assignment);
            passed = passed && first.passed;
            if (first.exists && general) {
                // Method Б with a СО-ПГМ calibrates С6+ a second time from its certified С6+*.
                if (IsMethodB(method) && assignment.firstType == static_cast<int32_t>(MixtureType::Pgm) &&
                    !MixtureHasComponent(first.composition, u"c6plusstar")) {
                    AddMessage(context, JournalCategory::Calib, StringId::MixtureComponentMissing,
                               {assignment.first, DisplayNameForComponent(context.aliases, u"c6plusstar")});
                    passed = false;
                }
                if (IsTwoMixtureMethod(method) &&
                    !CheckTypeForTwoMixtures(context, assignment.first, assignment.firstType)) {
                    passed = false;
                }
            }
        }
        if (!assignment.second.empty()) {
            const MixtureFindings second =
                CheckNamedMixture(context, assignment.second, assignment.secondType, assignment);
            passed = passed && second.passed;
            if (second.exists && general && IsTwoMixtureMethod(method) &&
                !CheckTypeForTwoMixtures(context, assignment.second, assignment.secondType)) {
                passed = false;
            }
        }
    }
    if (IsTwoMixtureMethod(method)) {
        for (const std::u16string_view componentId : {u"carbon_dioxide", u"nitrogen", u"oxygen"}) {
            if (IsNonLinearComponent(context.settings, componentId) &&
                !HasOwnAssignment(context, componentId)) {
                AddMessage(context, JournalCategory::Calib, StringId::NoAdditionalCalibrationMixture,
                           {DisplayNameForComponent(context.aliases, componentId)});
                passed = false;
            }
        }
    }
    return passed ? Status::Ok : Status::Failed;
}

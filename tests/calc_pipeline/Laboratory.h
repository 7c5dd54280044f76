// A laboratory's day written by the chromatograph simulator into a host database, and the calculation
// context a user would make of it: the reference mixtures of one calibration method with their
// calibration and control chromatograms, and analysis chromatograms of a known gas.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "Databases.h"
#include "calc/CalcContext.h"
#include "support/TempHostDatabase.h"

namespace pipelinetest {

// The laboratory's host database file in the temporary folder, the host's database address pointed at
// it for the object's life; removed on destruction.
class LaboratoryFile {
public:
    explicit LaboratoryFile(const std::string& stem) : database_("pipeline-" + stem), use_(database_) {}

    const std::string& path() const { return database_.path(); }

private:
    testsupport::TempHostDatabase database_;
    testsupport::UseHostDatabase use_;
};

using AreaFactors = std::vector<std::pair<std::u16string, double>>;

enum class Method : int32_t { A = 0, B = 1, C1 = 2, C2 = 3 };

struct LaboratoryPlan {
    Method method = Method::A;
    uint64_t seed = 20240314;
    sim::GasComposition gas = sim::PipelineGas();        // the gas analysed
    sim::GasComposition mixtureGas = sim::PipelineGas(); // the gas the mixtures of А and Б are made near
    bool analyseMixture = false; // the analyses are of the first mixture, recorded under its name
    int32_t calibrationRuns = 0; // 0: 3 for methods А and Б, 7 for В1 and В2
    int32_t controlRuns = 3;
    int32_t analysisRuns = 2;
    double calibrationPressureKPa = 101.325;
    double analysisPressureKPa = 101.325;
    AreaFactors firstCalibrationFaults;     // area factors of the first calibration chromatogram of the first
                                            // mixture
    AreaFactors alternateCalibrationFaults; // area factors of every second calibration chromatogram (the
                                            // second, fourth, ...) of the first mixture: no window passes
    std::vector<sim::ReferenceMixture> extraMixtures; // after the method's, with their calibration and
                                                      // control batches; not assigned
    bool secondAnalysisWithoutPressure = false;       // the second analysis is stored without its pressure
    bool firstCalibrationWithoutPressure = false;     // so is the first calibration chromatogram
    int32_t unknownAnalysisPeaks = 0;                 // peaks "Пик N" no alias knows, in every analysis
    std::u16string uncertifiedComponent; // in the first mixture's chromatograms, missing from its certificate
    AreaFactors controlFaults;           // area factors of the control chromatograms
    AreaFactors secondAnalysisFaults;    // area factors of every analysis chromatogram after the first
    AreaFactors analysisFaults;          // area factors of every analysis chromatogram
};

struct Laboratory {
    std::vector<sim::ReferenceMixture> mixtures;   // one (А, Б) or two (В1, В2), then the extra ones
    std::vector<std::vector<int64_t>> calibration; // per mixture
    std::vector<std::vector<int64_t>> control;     // per mixture
    std::vector<int64_t> analyses;                 // of the gas
    sim::GasComposition gas;                       // the true gas
};

Laboratory WriteLaboratory(const LaboratoryFile& file, const LaboratoryPlan& plan);

// The context of a run on the laboratory (the database of the file in use): every chromatogram in the
// list, included, each batch added by one action; the general assignment of the method's mixtures;
// the method chosen and the control of the result off (the gas is no reference mixture).
CalcContext ContextFor(const Laboratory& laboratory, Method method);

// The chromatogram list entry of an assay as the chromatograms page makes it.
Assay ListEntry(int64_t assayId, AssayRole role, uint32_t groupStamp);

} // namespace pipelinetest

#include "Chromatograph.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <string>

#include "data/AliasLookup.h"
#include "data/HeavyGrouping.h"
#include "data/MolarMass.h"

namespace sim {

namespace {
constexpr double kStandardPressureKPa = 101.325;

struct DetectorRow {
    std::u16string_view id;
    double retentionMin;
    double relativeResponse; // molar response of a thermal-conductivity detector, benzene = 100
};

// Illustrative figures: retention times of a packed/capillary two-column natural-gas analyser and
// relative molar responses of the order Dietz published for thermal-conductivity detectors. They only
// need to be plausible and distinct; nothing is calculated back from them.
constexpr DetectorRow kDetector[] = {
    {u"helium", 0.62, 30},
    {u"hydrogen", 0.71, 45},
    {u"oxygen", 1.48, 40},
    {u"nitrogen", 1.72, 42},
    {u"methane", 2.05, 35.7},
    {u"carbon_dioxide", 2.71, 48},
    {u"ethane", 3.46, 51.2},
    {u"methanol", 4.90, 55},
    {u"propane", 5.38, 64.5},
    {u"2_methylpropane", 6.71, 82},
    {u"n_butane", 7.18, 85},
    {u"2_2_dimethylpropane", 7.55, 99},
    {u"2_methylbutane", 8.64, 100},
    {u"n_pentane", 9.05, 105},
    {u"2_2_dimethylbutane", 9.90, 116},
    {u"2_3_dimethylbutane", 10.05, 116},
    {u"2_methylpentane", 10.30, 120},
    {u"3_methylpentane", 10.60, 119},
    {u"n_hexane", 11.20, 123},
    {u"c6", 11.20, 123},
    {u"benzene", 12.40, 100},
    {u"n_heptane", 13.80, 143},
    {u"c7", 13.80, 143},
    {u"toluene", 15.10, 116},
    {u"n_octane", 16.70, 160},
    {u"c8", 16.70, 160},
    // The back-flushed heavy hydrocarbons leave the precolumn first, reported as n-hexane.
    {u"c6plus", 0.45, 123},
    {u"c6plusstar", 0.45, 123},
};
constexpr double kAreaPerRelativeResponse = 1000.0; // area units per mol % and unit of relative response

const DetectorRow* DetectorRowOf(std::u16string_view id) {
    for (const auto& row : kDetector) {
        if (row.id == id) {
            return &row;
        }
    }
    return nullptr;
}

double FactorOf(const ChromatogramOptions& options, std::u16string_view id) {
    double factor = 1.0;
    for (const auto& [component, value] : options.areaFactors) {
        if (component == id) {
            factor *= value;
        }
    }
    return factor;
}

// The identifier of the peak a component elutes in under the heavy-peak mode.
std::u16string PeakIdOf(std::u16string_view id, HeavyPeaks mode) {
    if (mode == HeavyPeaks::C6Plus &&
        (HeavyGroupOf(id, HeavyGroupMode::C6Plus) >= 0 || id == u"c6" || id == u"c7" || id == u"c8")) {
        return u"c6plus";
    }
    if (mode == HeavyPeaks::C6C7C8) {
        // The analyser reports the hydrocarbons by carbon number, as the methods group them.
        const int group = HeavyGroupOf(id, HeavyGroupMode::C6C7C8);
        if (group >= 0) {
            return std::u16string(HeavyGroupIds(HeavyGroupMode::C6C7C8)[static_cast<size_t>(group)]);
        }
    }
    return std::u16string(id);
}

// Peak height of a Gaussian peak of that area whose width grows with retention (seconds).
double HeightOf(double area, double timeMin) {
    const double sigmaSeconds = 1.0 + 0.6 * timeMin;
    return area / (std::sqrt(2.0 * 3.141592653589793) * sigmaSeconds);
}

int32_t DaysFromCivil(int64_t days, int32_t& year, int32_t& month) {
    // Howard Hinnant's days-to-civil algorithm.
    days += 719468;
    const int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const int64_t dayOfEra = days - era * 146097;
    const int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const int64_t mp = (5 * dayOfYear + 2) / 153;
    const int32_t day = static_cast<int32_t>(dayOfYear - (153 * mp + 2) / 5 + 1);
    month = static_cast<int32_t>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int32_t>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
    return day;
}

std::u16string MakeUuid(Random& random) {
    const uint64_t high = random.Next();
    const uint64_t low = random.Next();
    char text[40];
    std::snprintf(text, sizeof text, "%08x-%04x-4%03x-%04x-%012llx", static_cast<unsigned>(high >> 32),
                  static_cast<unsigned>((high >> 16) & 0xFFFF), static_cast<unsigned>(high & 0xFFF),
                  static_cast<unsigned>(0x8000 | ((low >> 48) & 0x3FFF)),
                  static_cast<unsigned long long>(low & 0xFFFFFFFFFFFFULL));
    return std::u16string(text, text + std::char_traits<char>::length(text));
}

std::u16string Ascii(const char* text) {
    return std::u16string(text, text + std::char_traits<char>::length(text));
}
} // namespace

double ProportionalPressureEffect(double pressureKPa) {
    return pressureKPa / kStandardPressureKPa;
}

double ChromatographModel::ResponseOf(std::u16string_view id) const {
    for (const auto& [component, response] : responses) {
        if (component == id) {
            return response;
        }
    }
    if (const DetectorRow* row = DetectorRowOf(id)) {
        return row->relativeResponse * kAreaPerRelativeResponse;
    }
    // Other hydrocarbons and gases: of the order of the alkanes of the same molar mass.
    return (20.0 + 1.25 * MolarMassOf(id)) * kAreaPerRelativeResponse;
}

double RetentionTimeOf(std::u16string_view id) {
    if (const DetectorRow* row = DetectorRowOf(id)) {
        return row->retentionMin;
    }
    return 1.0 + 0.14 * MolarMassOf(id);
}

std::vector<SimulatedPeak> SimulatePeaks(const GasComposition& gas, double pressureKPa,
                                         const ChromatographModel& model, const ChromatogramOptions& options,
                                         Random& random) {
    const double pressureEffect = model.pressureEffect ? model.pressureEffect(pressureKPa) : 1.0;
    // Noise-free areas per peak, in the order the gas lists the components.
    std::vector<std::pair<std::u16string, double>> trueAreas;
    for (const auto& component : gas) {
        if (!(component.molarPercent > 0.0)) {
            continue;
        }
        const std::u16string peakId = PeakIdOf(component.id, options.heavyPeaks);
        const double area = model.ResponseOf(component.id) * component.molarPercent * pressureEffect *
                            FactorOf(options, component.id);
        const auto existing = std::find_if(trueAreas.begin(), trueAreas.end(),
                                           [&peakId](const auto& entry) { return entry.first == peakId; });
        if (existing != trueAreas.end()) {
            existing->second += area;
        } else {
            trueAreas.emplace_back(peakId, area);
        }
    }

    std::vector<SimulatedPeak> peaks;
    for (const auto& [peakId, trueArea] : trueAreas) {
        SimulatedPeak peak;
        peak.id = peakId;
        peak.row.name = DisplayNameForComponent(options.aliases, peakId);
        peak.row.timeMin = RetentionTimeOf(peakId) + model.timeJitterMin * random.Normal();
        peak.row.area =
            trueArea * (1.0 + model.relativeNoise * random.Normal()) + model.baselineNoise * random.Normal();
        peak.row.height = HeightOf(peak.row.area, peak.row.timeMin);
        peaks.push_back(std::move(peak));
    }
    for (int32_t i = 0; i < options.unnamedPeaks + options.unknownNamedPeaks; ++i) {
        SimulatedPeak peak;
        if (i >= options.unnamedPeaks) {
            const int32_t number = i - options.unnamedPeaks + 1;
            peak.row.name = u"Пик " + Ascii(std::to_string(number).c_str());
            peak.id = u"? " + peak.row.name;
        }
        peak.row.timeMin = random.Between(0.3, 18.0);
        peak.row.area = random.Between(50.0, 400.0);
        peak.row.height = HeightOf(peak.row.area, peak.row.timeMin);
        peaks.push_back(std::move(peak));
    }

    std::stable_sort(peaks.begin(), peaks.end(), [](const SimulatedPeak& a, const SimulatedPeak& b) {
        return a.row.timeMin < b.row.timeMin;
    });
    if (options.order == PeakOrder::Shuffled) {
        for (size_t i = peaks.size(); i > 1; --i) {
            std::swap(peaks[i - 1],
                      peaks[static_cast<size_t>(random.Integer(0, static_cast<int64_t>(i) - 1))]);
        }
    }
    return peaks;
}

Chromatogram WriteChromatogram(HostWriter& writer, AssayRow assay, const GasComposition& gas,
                               const ChromatographModel& model, const ChromatogramOptions& options,
                               Random& random) {
    if (assay.uuid.empty()) {
        assay.uuid = MakeUuid(random);
    }
    if (assay.filename.empty()) {
        std::u16string stamp = UtcText(assay.date);
        std::replace(stamp.begin(), stamp.end(), u':', u'-');
        std::replace(stamp.begin(), stamp.end(), u' ', u'_');
        assay.filename = u"D:\\Хроматограммы\\" + stamp.substr(0, 10) + u"\\" + stamp + u".chr";
    }
    Chromatogram chromatogram;
    chromatogram.peaks = SimulatePeaks(gas, assay.atmpressureKPa, model, options, random);
    chromatogram.assayId = writer.AddAssay(assay);
    for (const auto& peak : chromatogram.peaks) {
        writer.AddPeak(chromatogram.assayId, peak.row);
    }
    chromatogram.assay = std::move(assay);
    return chromatogram;
}

std::vector<Chromatogram> WriteSeries(HostWriter& writer, const AssayRow& assay, int32_t count,
                                      int64_t intervalSeconds, const GasComposition& gas,
                                      const ChromatographModel& model, const ChromatogramOptions& options,
                                      Random& random) {
    std::vector<Chromatogram> series;
    for (int32_t i = 0; i < count; ++i) {
        AssayRow row = assay;
        row.date = assay.date + i * intervalSeconds;
        row.atmpressureKPa =
            std::round((assay.atmpressureKPa + random.Between(-0.05, 0.05)) * 1000.0) / 1000.0;
        series.push_back(WriteChromatogram(writer, std::move(row), gas, model, options, random));
    }
    return series;
}

std::vector<int64_t> IdsOf(const std::vector<Chromatogram>& chromatograms) {
    std::vector<int64_t> ids;
    for (const auto& chromatogram : chromatograms) {
        ids.push_back(chromatogram.assayId);
    }
    return ids;
}

std::u16string UtcText(int64_t seconds) {
    const int64_t days = (seconds >= 0 ? seconds : seconds - 86399) / 86400;
    const int64_t secondOfDay = seconds - days * 86400;
    int32_t year = 0;
    int32_t month = 0;
    const int32_t day = DaysFromCivil(days, year, month);
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", year, month, day,
                  static_cast<int>(secondOfDay / 3600), static_cast<int>(secondOfDay / 60 % 60),
                  static_cast<int>(secondOfDay % 60));
    return Ascii(text);
}

} // namespace sim

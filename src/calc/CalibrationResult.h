// The calibration of one component. The field names are the keys under which the exports write them;
// concentrations in mol %, rates and limits in %.
#pragma once

#include <cstdint>
#include <string>

struct CalibrationResult {
    bool isok = false;        // the component passed its checks (and the control, when it ran)
    std::u16string component; // identifier
    double conc1 = 0.0;       // certified concentration in the (first) mixture
    double conc2 = 0.0;       // in the second mixture (methods В1, В2)
    int32_t digits1 = -1;     // decimals given for conc1; -1: not given
    int32_t digits2 = -1;     // decimals given for conc2
    double ink1 = 0.0;        // factor K of each of the three chromatograms (methods А, Б)
    double ink2 = 0.0;
    double ink3 = 0.0;
    double midk = 0.0;  // mean factor K, the one the composition uses
    double mda1 = 0.0;  // mean area in the (first) mixture
    double mda2 = 0.0;  // mean area in the second mixture
    double inka = 0.0;  // coefficient a of the calibration line (area = a·x + b)
    double inkb = 0.0;  // coefficient b; 0 when only a is determined
    double rate1 = 0.0; // rate of acceptability (А, Б) or deviation of the line at mixture 1 (В), %
    double norm1 = 0.0; // limit for rate1
    double rate2 = 0.0; // deviation of the line at the second mixture, %
    double norm2 = 0.0; // limit for rate2
    double crrng = 0.0; // control: relative range of the control areas, %
    double cvrng = 0.0; // control: its limit
    double crate = 0.0; // control: relative deviation of the control result, %
    double cnorm = 0.0; // control: its limit
    double arsd1 = 0.0; // relative standard deviation of the five areas of mixture 1, %
    double cval1 = 0.0; // allowed value for arsd1
    double arsd2 = 0.0; // the same for mixture 2
    double cval2 = 0.0;
};
